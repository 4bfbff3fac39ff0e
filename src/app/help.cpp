#include "app/help.h"

namespace app {

void ShowHelpContents(HWND owner) { WinHelpW(owner, kHelpFile, HELP_CONTENTS, 0); }

}  // namespace app
