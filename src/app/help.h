// The program's help: its contents page, asked for on behalf of a window.
#pragma once

#include <windows.h>

namespace app {

// The help file, named without a directory.
inline constexpr wchar_t kHelpFile[] = L"Kestrel.HLP";

// The contents page of the help, for a window of the program.
void ShowHelpContents(HWND owner);

}  // namespace app
