// The program's help: its contents page, asked for on behalf of a window.
#pragma once

#include <windows.h>

namespace app {

// The help file, named without a directory.
inline constexpr wchar_t kHelpFile[] = L"Kestrel.HLP";

void ShowHelpContents(HWND owner);

}  // namespace app
