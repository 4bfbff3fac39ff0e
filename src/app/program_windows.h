// The program-wide window variables: every window has exactly one instance,
// created once at start-up, reachable from anywhere by its name.
#pragma once

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
class OptionsDialog;
}
namespace about {
class AboutWindow;
}

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

}  // namespace app
