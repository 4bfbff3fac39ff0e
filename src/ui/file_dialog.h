// The system's open and save dialogs, with one filter entry each. Saving over
// an existing file does not ask.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::wstring filterName;  // "Bitmap"
  std::wstring pattern;     // "*.bmp"
  std::wstring defaultExtension;
  std::wstring initialName;
};

// The chosen path; no value when the user cancels.
std::optional<std::wstring> RunFileDialog(HWND owner, const FileDialogRequest& request);

// Who answers a window's file dialogs: the system's dialogs, or a test.
using FileDialogRunner = std::function<std::optional<std::wstring>(HWND owner, const FileDialogRequest& request)>;

}  // namespace ui
