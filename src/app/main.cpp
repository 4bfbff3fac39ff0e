// Entry point of Kestrel99.exe.
#include <windows.h>
#include <commctrl.h>

#include "history/form2.h"
#include "settings/settings.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  kestrel::Settings settings;
  ui::Application application;
  auto* form2 = application.CreateForm<history::TForm2>(settings);
  (void)form2;
  return application.Run();
}
