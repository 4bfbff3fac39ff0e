#include "settings/option_file.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "settings/window_placement_store.h"

namespace settings {

OptionFile::OptionFile(Settings& settings, FileNameSource fileName)
    : settings_(settings), fileName_(fileName ? std::move(fileName) : FileNameSource(&SettingsFilePath)) {}

void OptionFile::Attach(ui::Form& dialog) {
  dialog_ = &dialog;
  dialog.AttachPersistence(this);
}

void OptionFile::LoadKeepingDialogInPlace() {
  if (!dialog_) return;
  RECT centred{};
  GetWindowRect(dialog_->Handle(), &centred);
  Load();
  SetWindowPos(dialog_->Handle(), nullptr, centred.left, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int OptionFile::Load() {
  IniFile file(fileName_());
  const int showCommand = LoadPlacement(file, kOptionsSection, dialog_->Handle());
  // One option that cannot be read must not stop the dialog from showing.
  try {
    ReadOptions(file, kOptionsSection, settings_);
  } catch (const std::exception&) {
  }
  schedule_.AllowStores();
  return showCommand;
}

void OptionFile::Store() {
  if (!dialog_) return;
  try {
    StoreOnClose();
  } catch (...) {
    ui::ShowErrorBox(dialog_->Handle(), ui::CurrentExceptionText());
  }
}

void OptionFile::StoreOnClose() {
  if (schedule_.StoreOnClose()) Write(dialog_->Handle());
}

void OptionFile::StoreOnDestroy() {
  // The dialog's window is going: what it still has to store is written
  // from it now, and the file holds on to it no longer.
  ui::Form& dialog = *std::exchange(dialog_, nullptr);
  dialog.AttachPersistence(nullptr);
  if (schedule_.StoreOnDestroy()) Write(dialog.Handle());
}

void OptionFile::Write(HWND dialog) {
  IniFile file(fileName_());
  if (!StorePlacement(file, kOptionsSection, dialog)) return;
  if (!WriteOptions(file, kOptionsSection, settings_)) return;
  schedule_.Stored();
}

}  // namespace settings
