#include "tools/wallpaper_progress_window.h"

namespace tools {

WallpaperProgressWindow::WallpaperProgressWindow(ui::Application& application)
    : ToolWindow(application, kWallpaperProgressWindowShape) {}

}  // namespace tools
