#include "app/help.h"

#include "about/help_window.h"
#include "app/program_windows.h"

namespace app {

// The old help viewer is gone from current Windows, so the help has a window
// of its own; the request still names the file and its contents page.
void ShowHelpContents(HWND) {
  if (about::HelpWindow* help = HelpWindowOnFirstUse()) help->ShowContents();
}

}  // namespace app
