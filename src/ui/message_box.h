// The program's kinds of message box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// "Confirm", question icon, Yes and No; true only for Yes.
bool Confirm(HWND owner, const std::wstring& text);
// "Warning", warning icon, OK.
void Warn(HWND owner, const std::wstring& text);
// "Information", information icon, OK.
void Inform(HWND owner, const std::wstring& text);
// "Error", stop icon, OK: a failure the user should know of, under the
// plain caption rather than the application title of the error box.
void ReportError(HWND owner, const std::wstring& text);

// Every message box of the program, the error box included, goes through
// here. Returns the button pressed (IDOK, IDYES, ...).
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// Test seam. A modal box would stop an in-process test, so a test installs a
// sink that receives each box (caption, text, MB_* type) instead of the
// screen and returns the button to act as pressed. An empty sink restores
// the real boxes.
using MessageBoxSink = std::function<int(const std::wstring& caption, const std::wstring& text, UINT type)>;
void SetMessageBoxSinkForTesting(MessageBoxSink sink);

}  // namespace ui
