// OptionFile: the options section of the settings file, which holds the
// options dialog's placement and, after it, the options. Program start-up
// makes the one OptionFile and reads it once; from then on the dialog reads
// it before every showing and writes it at every close (the file is the
// dialog's persistence), and a toggle from the tray menu writes it at once.
// It never writes before it has read once in the run, so a run that never
// got that far leaves the file as an earlier run left it.
#pragma once

#include "settings/ini_file.h"
#include "settings/profile_rules.h"
#include "settings/settings.h"
#include "ui/form.h"

namespace settings {

class OptionFile : public ui::FormPersistence {
 public:
  // Without a file name source, the settings file.
  explicit OptionFile(Settings& settings, FileNameSource fileName = {});
  OptionFile(const OptionFile&) = delete;
  OptionFile& operator=(const OptionFile&) = delete;

  // The options dialog, whose placement the section holds and whose
  // showings and closes read and write the file until its window goes.
  void Attach(ui::Form& dialog);

  // The start-up read: the options as stored, while the dialog keeps the
  // centred place it was made in, as at its first showing, whatever
  // position the file holds.
  void LoadKeepingDialogInPlace();
  // Writes the section now, once it has been read in this run. A file that
  // cannot be written is reported in the error box; the options stay in
  // force all the same.
  void Store();

  // Reads the dialog's placement and the options; returns the show command
  // of the stored window state.
  int Load() override;
  // Writes the section, raising ui::UserError when the file refuses.
  void StoreOnClose() override;
  void StoreOnDestroy() override;

 private:
  void Write(HWND dialog);

  Settings& settings_;
  FileNameSource fileName_;
  ui::Form* dialog_ = nullptr;
  StoreSchedule schedule_;
};

}  // namespace settings
