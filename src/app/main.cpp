// Entry point of Kestrel99.exe: the start-up sequence. The splash plays the
// start-up signal and stays up while every window is created in its fixed
// order; then the message loop shows the start-up window, and the program
// lives on in the notification area.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "about/form7.h"
#include "app/form1.h"
#include "app/forms.h"
#include "app/splash_form.h"
#include "history/form2.h"
#include "settings/form6.h"
#include "settings/settings.h"
#include "tools/form10.h"
#include "tools/form3.h"
#include "tools/form5.h"
#include "tools/form9.h"
#include "ui/application.h"

namespace {

void ConnectWindows(kestrel::Settings& settings) {
  using app::Form1;
  using app::Form2;
  Form2->applyTrayStatus = [](const kestrel::StatusDecision& status) { Form1->ApplyTrayStatus(status); };
  Form2->showOptions = [] { app::Form6->ShowModal(); };
  Form2->showAbout = [] { app::Form7->ShowModal(); };
  settings.onChanged = [] { Form2->RefreshStatus(); };
}

int RunProgram() {
  kestrel::Settings settings;
  ui::Application application;

  auto splash = std::make_unique<app::TSplashForm>(application);
  app::SplashForm = splash.get();
  splash->ShowNow();

  app::Form1 = application.CreateForm<app::TForm1>(splash->PictureBitmap());
  app::Form2 = application.CreateForm<history::TForm2>(settings);
  app::Form3 = application.CreateForm<tools::TForm3>();
  app::Form5 = application.CreateForm<tools::TForm5>();
  app::Form7 = application.CreateForm<about::TForm7>(app::Form1->PictureBitmap());
  ConnectWindows(settings);
  app::Form6 = application.CreateForm<settings::TForm6>(
      settings, settings::TForm6::ApplyTargets{
                    [](bool onlyBitmaps) { app::Form2->ApplyButtonCaptions(onlyBitmaps); },
                    [](bool hide) { app::Form1->NoTask1().SetHideForm(hide); },
                });
  app::Form9 = application.CreateForm<tools::TForm9>();
  app::Form10 = application.CreateForm<tools::TForm10>();
  app::Form2->RefreshStatus();

  splash->Hide();
  splash.reset();
  app::SplashForm = nullptr;

  return application.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  RunProgram();
  // The program always ends with exit code 0.
  return 0;
}
