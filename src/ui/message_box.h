// The program's four kinds of message box.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// "Confirm", question icon, Yes and No; true only for Yes.
bool Confirm(HWND owner, const std::wstring& text);
// "Warning", warning icon, OK.
void Warn(HWND owner, const std::wstring& text);
// "Information", information icon, OK.
void Inform(HWND owner, const std::wstring& text);

}  // namespace ui
