// WallpaperProgressWindow: the wallpaper progress window.
#pragma once

#include "ui/form.h"

namespace tools {

class WallpaperProgressWindow : public ui::Form {
 public:
  explicit WallpaperProgressWindow(ui::Application& application);
};

}  // namespace tools
