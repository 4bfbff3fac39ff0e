// Entry point of Kestrel99.exe: the start-up sequence. The splash plays the
// start-up signal and stays up while every window is created in its fixed
// order; then the message loop shows the start-up window, and the program
// lives on in the notification area.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "about/about_window.h"
#include "app/program_title.h"
#include "app/startup_window.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "history/main_window.h"
#include "settings/options_dialog.h"
#include "settings/settings.h"
#include "tools/directory_picker.h"
#include "tools/cell_window.h"
#include "tools/full_screen_view.h"
#include "tools/wallpaper_progress_window.h"
#include "ui/application.h"
#include "ui/png_decoder.h"

namespace {

void ConnectWindows(settings::Settings& settings) {
  using app::mainWindow;
  using app::startupWindow;
  mainWindow->applyTrayStatus = [](const history::StatusDecision& status) { startupWindow->ApplyTrayStatus(status); };
  mainWindow->showOptions = [] { app::optionsDialog->ShowModal(); };
  mainWindow->showAbout = [] { app::aboutWindow->ShowModal(); };
  mainWindow->openPicture = [](const ui::Picture& picture) { app::cellWindow->OpenPicture(picture); };
  mainWindow->openText = [](const std::wstring& text) { app::cellWindow->OpenText(text); };
  mainWindow->showFullScreen = [](const ui::Picture& picture) { app::fullScreenView->ShowPicture(picture); };
  settings.onChanged = [] { mainWindow->RefreshStatus(); };
}

int RunProgram() {
  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};

  ui::WindowPtr<app::SplashWindow> splash = ui::MakeWindow<app::SplashWindow>(application);
  splash->ShowNow();

  app::startupWindow = application.CreateForm<app::StartupWindow>(splash->PictureBitmap());
  app::mainWindow = application.CreateForm<history::MainWindow>(settings);
  app::cellWindow = application.CreateForm<tools::CellWindow>();
  app::fullScreenView = application.CreateForm<tools::FullScreenView>();
  app::aboutWindow = application.CreateForm<about::AboutWindow>(app::startupWindow->PictureBitmap());
  ConnectWindows(settings);
  app::optionsDialog = application.CreateForm<settings::OptionsDialog>(
      settings, settings::OptionsDialog::ApplyTargets{
                    [](bool onlyBitmaps) { app::mainWindow->ApplyButtonCaptions(onlyBitmaps); },
                    [](bool hide) { app::startupWindow->TaskbarButton().SetHidden(hide); },
                });
  app::wallpaperProgress = application.CreateForm<tools::WallpaperProgressWindow>();
  app::directoryPicker = application.CreateForm<tools::DirectoryPicker>(settings);
  app::mainWindow->RefreshStatus();

  splash->Hide();
  splash.reset();

  return application.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  const ui::ComApartment apartment;
  RunProgram();
  // The program always ends with exit code 0.
  return 0;
}
