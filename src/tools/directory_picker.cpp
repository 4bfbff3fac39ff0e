#include "tools/directory_picker.h"

#include <vector>

#include "resource_ids.h"
#include "settings/ini_file.h"
#include "tools/directory_rules.h"
#include "ui/message_box.h"

namespace tools {

namespace {

std::wstring CurrentDirectory() {
  std::vector<wchar_t> buffer(GetCurrentDirectoryW(0, nullptr) + 1);
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
  return std::wstring(buffer.data(), length < buffer.size() ? length : 0);
}

}  // namespace

DirectoryPicker::DirectoryPicker(ui::Application& application, settings::Settings& settings)
    : ToolWindow(application, kDirectoryPickerShape), settings_(settings) {
  tree_.Create(Handle(), kMargin, kMargin, kTreeWidth, kTreeHeight);
  okButton_.Create(Handle(), kOkId, kButtonLeft, kOkTop, kButtonWidth, kButtonHeight, L"&OK");
  okButton_.LoadGlyph(IDB_PICKER_OK);
  cancelButton_.Create(Handle(), kCancelId, kButtonLeft, kCancelTop, kButtonWidth, kButtonHeight, L"&Cancel");
  cancelButton_.LoadGlyph(IDB_PICKER_CANCEL);
}

void DirectoryPicker::OnOkClick() {
  const std::wstring chosen = SelectedDirectory();
  if (!settings::SettingsFileCanHold(chosen)) {
    // Stored, it would come back as another folder at the next start; the
    // picker stays open for another choice.
    ui::ReportError(Handle(), UnstorableFolderMessage(chosen));
    return;
  }
  if (EnterDrive(DriveLetterOf(chosen))) {
    settings_.SetWallpaperDirectory(chosen);
    SetModalResult(ui::kModalOk);
  } else {
    tree_.SelectDirectory(settings_.WallpaperDirectory());
  }
  Close();
}

void DirectoryPicker::OnCancelClick() { Close(); }

// Entering the drive's root is the test that its medium is there; the
// process stays there when it is.
bool DirectoryPicker::EnterDrive(const std::wstring& letter) {
  const std::wstring previous = CurrentDirectory();
  // No system box for an empty drive: the message below says it. The
  // setting stays for the rest of the run; other error-mode flags are kept.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
  if (SetCurrentDirectoryW(DriveRoot(letter).c_str())) return true;
  SetCurrentDirectoryW(previous.c_str());
  ui::ReportError(Handle(), DriveErrorMessage(letter));
  return false;
}

void DirectoryPicker::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kOkId: OnOkClick(); break;
    case kCancelId: OnCancelClick(); break;
    default: break;
  }
}

void DirectoryPicker::OnShowWindow(bool shown) {
  if (shown) tree_.Refresh();
}

LRESULT DirectoryPicker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return ToolWindow::HandleMessage(message, wParam, lParam);
    default: return ToolWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tools
