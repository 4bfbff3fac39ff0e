#include "tools/wallpaper_progress_window.h"

namespace tools {

namespace {
constexpr int kClientWidth = 185;
constexpr int kClientHeight = 13;
}  // namespace

WallpaperProgressWindow::WallpaperProgressWindow(ui::Application& application) : Form(application) {
  ui::FormParams params;
  params.className = L"TForm9";
  params.caption = L"Setting Wallpaper";
  params.style = WS_CAPTION | DS_MODALFRAME;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

}  // namespace tools
