// Shows one of the program's windows and keeps it up, so that it can be
// looked at and photographed; windows that live only a moment in the real
// start-up (the splash, the start-up window) stay on screen here.
//   window_gallery.exe splash|startup|main
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/form1.h"
#include "app/forms.h"
#include "app/splash_form.h"
#include "history/form2.h"
#include "settings/settings.h"
#include "ui/application.h"

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  const std::wstring which = argc > 1 ? argv[1] : L"splash";
  kestrel::Settings settings;
  ui::Application application;
  app::TSplashForm splash(application);
  if (which == L"splash") {
    splash.ShowNow();
  } else if (which == L"startup") {
    auto* form1 = application.CreateForm<app::TForm1>(splash.PictureBitmap());
    // Hold the start-up where it is half done.
    constexpr UINT_PTR kStartupTimerId = 1;
    constexpr int kHalfWay = 75;
    KillTimer(form1->Handle(), kStartupTimerId);
    SendMessageW(FindWindowExW(form1->Handle(), nullptr, PROGRESS_CLASSW, nullptr), PBM_SETPOS, kHalfWay, 0);
    form1->Show();
  } else {
    app::Form2 = application.CreateForm<history::TForm2>(settings);
    app::Form2->Show();
  }
  application.RunUntil([] { return false; });
  return 0;
}
