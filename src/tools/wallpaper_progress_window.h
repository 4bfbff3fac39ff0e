// WallpaperProgressWindow: the progress shown while a picture becomes the wallpaper.
#pragma once

#include "tools/tool_window.h"

namespace tools {

class WallpaperProgressWindow : public ToolWindow {
 public:
  explicit WallpaperProgressWindow(ui::Application& application);
};

}  // namespace tools
