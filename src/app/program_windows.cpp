#include "app/program_windows.h"

#include "about/about_window.h"
#include "about/help_window.h"
#include "app/help.h"
#include "app/startup_window.h"
#include "desktop/run_at_logon.h"
#include "history/main_window.h"
#include "quickpaste/quick_paste_window.h"
#include "settings/option_file.h"
#include "settings/options_dialog.h"
#include "settings/settings.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "tools/full_screen_view.h"
#include "tools/wallpaper_progress_window.h"
#include "ui/application.h"
#include "ui/message_box.h"

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
quickpaste::QuickPasteWindow* quickPasteWindow = nullptr;

namespace {

// The application of the program's windows while they are all there; the
// first window to go takes the program's wholeness with it, the help
// window included, which is made on first use by this application.
ui::Application* wholeApplication = nullptr;

// Clears the variable that names the form, before its window is destroyed.
void Forget(const ui::Form& form) {
  wholeApplication = nullptr;
  auto forget = [&form](auto*& variable) {
    if (variable && static_cast<const ui::Form*>(variable) == &form) variable = nullptr;
  };
  forget(helpWindow);
  forget(quickPasteWindow);
  forget(directoryPicker);
  forget(wallpaperProgress);
  forget(optionsDialog);
  forget(aboutWindow);
  forget(fullScreenView);
  forget(cellWindow);
  forget(mainWindow);
  forget(startupWindow);
}

void ConnectWindows(settings::Settings& settings) {
  mainWindow->applyTrayStatus = [](const history::StatusDecision& status) {
    if (startupWindow) startupWindow->ApplyTrayStatus(status);
  };
  mainWindow->showOptions = [] {
    if (ProgramIsWhole()) optionsDialog->ShowModal();
  };
  mainWindow->showAbout = [] {
    if (ProgramIsWhole()) aboutWindow->ShowModal();
  };
  aboutWindow->showHelp = [] {
    if (startupWindow) ShowHelpContents(startupWindow->Handle());
  };
  mainWindow->openPicture = [](const picture::Picture& picture) {
    if (ProgramIsWhole()) cellWindow->OpenPicture(picture);
  };
  mainWindow->openText = [](const std::wstring& text) {
    if (ProgramIsWhole()) cellWindow->OpenText(text);
  };
  mainWindow->showFullScreen = [](const picture::Picture& picture) {
    if (ProgramIsWhole()) fullScreenView->ShowPicture(picture);
  };
  // The one change notification: whatever changed an option (the dialog, the
  // tray menu, a load), the status and the dialog's controls follow it.
  mainWindow->Capture().skipRepeatedCopy = [&settings] { return settings.IsOn(settings::Option::SkipRepeatedCopy); };
  settings.onChanged = [] {
    if (mainWindow) mainWindow->RefreshStatus();
    if (optionsDialog) optionsDialog->RefreshControls();
    if (quickPasteWindow) quickPasteWindow->ApplyKey();
  };
}

// The save window's wallpaper commands reach the options dialog and the
// progress window, both made after it.
void ConnectWallpaper() {
  cellWindow->Wallpaper().showWallpaperOptions = [] {
    if (!ProgramIsWhole()) return;
    optionsDialog->ShowPage(settings::kWallpaperPage);
    optionsDialog->ShowModal();
  };
  cellWindow->Wallpaper().runProgress = [] {
    if (!ProgramIsWhole()) return;
    wallpaperProgress->Start();
    wallpaperProgress->ShowModal();
  };
  wallpaperProgress->onFinished = [] {
    if (cellWindow) cellWindow->Wallpaper().FinishChange();
  };
}

// The options as stored are applied once at start-up, without showing the
// dialog, and written back at once.
void ApplyStoredOptions(settings::Settings& settings, settings::OptionFile& optionFile) {
  optionFile.LoadKeepingDialogInPlace();
  ApplyOptions(settings);
  optionFile.Store();
}

// A registry that refuses is reported over the dialog whose "&OK" applied
// the option, or on its own from the tray and at start-up; the program
// carries on either way.
void KeepStartWithWindowsInStep(bool on) {
  try {
    desktop::RunAtLogon().KeepInStep(on);
  } catch (const ui::UserError& error) {
    const HWND owner = optionsDialog && optionsDialog->IsVisible() ? optionsDialog->Handle() : nullptr;
    ui::ReportError(owner, error.Text());
  }
}

}  // namespace

bool ProgramIsWhole() {
  return wholeApplication && startupWindow && mainWindow && cellWindow && fullScreenView && aboutWindow &&
         optionsDialog && wallpaperProgress && directoryPicker;
}

about::HelpWindow* HelpWindowOnFirstUse() {
  if (!helpWindow && ProgramIsWhole()) {
    helpWindow = wholeApplication->CreateForm<about::HelpWindow>(kHelpFile);
  }
  return helpWindow;
}

void ApplyOptions(const settings::Settings& settings) {
  if (mainWindow) mainWindow->ApplyButtonCaptions(settings.IsOn(settings::Option::OnlyBitmapsOnButtons));
  if (startupWindow) startupWindow->TaskbarButton().SetHidden(settings.IsOn(settings::Option::NoTaskbar));
  KeepStartWithWindowsInStep(settings.IsOn(settings::Option::StartWithWindows));
}

void CreateProgramWindows(ui::Application& application, settings::Settings& settings,
                          settings::OptionFile& optionFile, HBITMAP splashPicture) {
  application.onFormDestroying = Forget;
  startupWindow = application.CreateForm<StartupWindow>(settings, optionFile, splashPicture);
  mainWindow = application.CreateForm<history::MainWindow>(settings);
  cellWindow = application.CreateForm<tools::CellWindow>(settings);
  fullScreenView = application.CreateForm<tools::FullScreenView>();
  aboutWindow = application.CreateForm<about::AboutWindow>(startupWindow->PictureBitmap());
  ConnectWindows(settings);
  optionsDialog = application.CreateForm<settings::OptionsDialog>(
      settings, optionFile,
      settings::OptionsDialog::Actions{
          [&settings] { ApplyOptions(settings); },
          [] {
            if (ProgramIsWhole()) directoryPicker->ShowModal();
          },
      });
  ApplyStoredOptions(settings, optionFile);
  wallpaperProgress = application.CreateForm<tools::WallpaperProgressWindow>();
  directoryPicker = application.CreateForm<tools::DirectoryPicker>(settings);
  ConnectWallpaper();
  quickPasteWindow = application.CreateForm<quickpaste::QuickPasteWindow>(settings, *mainWindow);
  quickPasteWindow->StartKey();
  wholeApplication = &application;
  mainWindow->RefreshStatus();
}

}  // namespace app
