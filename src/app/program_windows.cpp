#include "app/program_windows.h"

#include "about/about_window.h"
#include "about/help_window.h"
#include "app/help.h"
#include "app/startup_window.h"
#include "history/main_window.h"
#include "settings/options_dialog.h"
#include "settings/settings.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "tools/full_screen_view.h"
#include "tools/wallpaper_progress_window.h"
#include "ui/application.h"

namespace app {

StartupWindow* startupWindow = nullptr;
history::MainWindow* mainWindow = nullptr;
tools::CellWindow* cellWindow = nullptr;
tools::FullScreenView* fullScreenView = nullptr;
about::AboutWindow* aboutWindow = nullptr;
settings::OptionsDialog* optionsDialog = nullptr;
tools::WallpaperProgressWindow* wallpaperProgress = nullptr;
tools::DirectoryPicker* directoryPicker = nullptr;
about::HelpWindow* helpWindow = nullptr;

namespace {

void ConnectWindows(settings::Settings& settings) {
  mainWindow->applyTrayStatus = [](const history::StatusDecision& status) { startupWindow->ApplyTrayStatus(status); };
  mainWindow->showOptions = [] { optionsDialog->ShowModal(); };
  mainWindow->showAbout = [] { aboutWindow->ShowModal(); };
  mainWindow->openPicture = [](const ui::Picture& picture) { cellWindow->OpenPicture(picture); };
  mainWindow->openText = [](const std::wstring& text) { cellWindow->OpenText(text); };
  mainWindow->showFullScreen = [](const ui::Picture& picture) { fullScreenView->ShowPicture(picture); };
  // The one change notification: whatever changed an option (the dialog, the
  // tray menu, a load), the status and the dialog's controls follow it.
  settings.onChanged = [] {
    mainWindow->RefreshStatus();
    if (optionsDialog) optionsDialog->RefreshControls();
  };
}

// The save window's wallpaper commands reach the options dialog and the
// progress window, both made after it.
void ConnectWallpaper() {
  cellWindow->Wallpaper().showWallpaperOptions = [] {
    optionsDialog->ShowPage(settings::kWallpaperPage);
    optionsDialog->ShowModal();
  };
  cellWindow->Wallpaper().runProgress = [] {
    wallpaperProgress->Start();
    wallpaperProgress->ShowModal();
  };
  wallpaperProgress->onFinished = [] { cellWindow->Wallpaper().FinishChange(); };
}

}  // namespace

void CreateProgramWindows(ui::Application& application, settings::Settings& settings, HBITMAP splashPicture) {
  startupWindow = application.CreateForm<StartupWindow>(settings, splashPicture);
  mainWindow = application.CreateForm<history::MainWindow>(settings);
  cellWindow = application.CreateForm<tools::CellWindow>(settings);
  fullScreenView = application.CreateForm<tools::FullScreenView>();
  aboutWindow = application.CreateForm<about::AboutWindow>(startupWindow->PictureBitmap());
  ConnectWindows(settings);
  optionsDialog = application.CreateForm<settings::OptionsDialog>(
      settings, settings::OptionsDialog::ApplyTargets{
                    [](bool onlyBitmaps) { mainWindow->ApplyButtonCaptions(onlyBitmaps); },
                    [](bool hide) { startupWindow->TaskbarButton().SetHidden(hide); },
                    [] { directoryPicker->ShowModal(); },
                });
  wallpaperProgress = application.CreateForm<tools::WallpaperProgressWindow>();
  directoryPicker = application.CreateForm<tools::DirectoryPicker>();
  helpWindow = application.CreateForm<about::HelpWindow>(kHelpFile);
  ConnectWallpaper();
  mainWindow->RefreshStatus();
}

}  // namespace app
