// Entry point of Kestrel99.exe: the start-up sequence. The splash plays the
// start-up signal and stays up while every window is created in its fixed
// order; then the message loop shows the start-up window, and the program
// lives on in the notification area.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/failure_guard.h"
#include "app/program_title.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "settings/ini_file.h"
#include "settings/option_file.h"
#include "settings/settings.h"
#include "ui/application.h"
#include "ui/com_apartment.h"

namespace {

int RunProgram() {
  settings::Settings settings;
  // Before anything is read: a folder stored in the settings file still
  // takes its place.
  settings.SetWallpaperDirectory(settings::DefaultWallpaperDirectory());
  // Made before the application, whose windows it outlives: the options
  // dialog's window still stores into it as it goes.
  settings::OptionFile optionFile(settings);
  ui::Application application{app::ProgramTitle()};

  ui::WindowPtr<app::SplashWindow> splash = ui::MakeWindow<app::SplashWindow>(application);
  splash->ShowNow();

  app::CreateProgramWindows(application, settings, optionFile, splash->PictureBitmap());

  splash->Hide();
  splash.reset();

  return application.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);
  const ui::ComApartment apartment;
  // A normal run ends with exit code 0, a second copy too; a run that failed
  // says so after its error box.
  return app::RunReportingFailure(app::ProgramTitle(), [] {
    RunProgram();
    return 0;
  });
}
