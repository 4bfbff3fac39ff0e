// A window's placement in its section of the settings file: the four
// placement keys, read into the window before it shows and written from it
// when it closes. WindowPlacementStore does this for a form whose section
// holds nothing else (the main window's); the options section holds the
// options dialog's placement beside the options, see OptionFile.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/profile_rules.h"
#include "settings/profile_store.h"
#include "ui/form.h"

namespace settings {

// Reads the section's placement into the window, which is hidden; returns
// the show command of the stored window state.
int LoadPlacement(ProfileStore& file, std::wstring_view section, HWND window);
// Writes the window's placement into the section; false when a write failed.
bool StorePlacement(ProfileStore& file, std::wstring_view section, HWND window);

// Attaches itself to its form: loads before every showing and stores when
// a close goes through, and when the window is destroyed with nothing
// stored since the last load. It never writes before it has loaded once in
// the run, so a window that was not shown leaves its section as an earlier
// run left it.
class WindowPlacementStore : public ui::FormPersistence {
 public:
  // Without a file name source, the settings file.
  WindowPlacementStore(ui::Form& form, std::wstring section, FileNameSource fileName = {});
  ~WindowPlacementStore() override;
  WindowPlacementStore(const WindowPlacementStore&) = delete;
  WindowPlacementStore& operator=(const WindowPlacementStore&) = delete;

  int Load() override;
  // Writes the section, if the store has loaded once in this run.
  void Store();
  void StoreOnClose() override { Store(); }
  void StoreOnDestroy() override;

 private:
  ui::Form& form_;
  std::wstring section_;
  FileNameSource fileName_;
  StoreSchedule schedule_;
};

}  // namespace settings
