// The program-wide window variables: every window has exactly one instance,
// created once at start-up, reachable from anywhere by its name.
#pragma once

#include <windows.h>

namespace history {
class MainWindow;
}
namespace tools {
class CellWindow;
class FullScreenView;
class WallpaperProgressWindow;
class DirectoryPicker;
}  // namespace tools
namespace settings {
class OptionFile;
class OptionsDialog;
class Settings;
}  // namespace settings
namespace ui {
class Application;
}
namespace quickpaste {
class QuickPasteWindow;
}
namespace about {
class AboutWindow;
class HelpWindow;
}  // namespace about

namespace app {

class StartupWindow;

extern StartupWindow* startupWindow;
extern history::MainWindow* mainWindow;
extern tools::CellWindow* cellWindow;
extern tools::FullScreenView* fullScreenView;
extern about::AboutWindow* aboutWindow;
extern settings::OptionsDialog* optionsDialog;
extern tools::WallpaperProgressWindow* wallpaperProgress;
extern tools::DirectoryPicker* directoryPicker;
// The help window, made on its first use (HelpWindowOnFirstUse): nobody
// sees it before, so start-up does not pay for it.
extern about::HelpWindow* helpWindow;
// The quick paste popup, which holds the quick paste key.
extern quickpaste::QuickPasteWindow* quickPasteWindow;

// True while every window above exists, the help window aside. Shutdown
// clears each variable just before its window goes (last created first), so
// a message that arrives meanwhile finds the program no longer whole and
// leaves the windows alone.
bool ProgramIsWhole();

// Creates every window of the program in its fixed order, the start-up
// window first, so that it is the application's main form, and connects
// them. Creating the options dialog reads the stored options, applies them
// and writes them back at once, so the file holds every option from the
// first run on. The splash picture is copied; the Settings and the option
// file must outlive the windows.
void CreateProgramWindows(ui::Application& application, settings::Settings& settings,
                          settings::OptionFile& optionFile, HBITMAP splashPicture);

// The help window, made now if it is not made yet; null while the program
// is not whole (being made or shut down).
about::HelpWindow* HelpWindowOnFirstUse();

// The apply step of the options, which start-up, the options dialog's OK and
// the tray menu's toggles share, so it runs after every change the user
// makes: pushes the options that change other windows and the system (the
// registry's Run value; the quick-paste key's registration belongs here too).
void ApplyOptions(const settings::Settings& settings);

}  // namespace app
