#include "app/program_windows.h"

namespace app {

StartupWindow* startupWindow = nullptr;
history::MainWindow* mainWindow = nullptr;
tools::CellWindow* cellWindow = nullptr;
tools::FullScreenView* fullScreenView = nullptr;
about::AboutWindow* aboutWindow = nullptr;
settings::OptionsDialog* optionsDialog = nullptr;
tools::WallpaperProgressWindow* wallpaperProgress = nullptr;
tools::DirectoryPicker* directoryPicker = nullptr;

}  // namespace app
