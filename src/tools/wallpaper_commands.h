// WallpaperCommands: the save window's three wallpaper buttons. "Set as
// wallpaper" writes the picture to k99WP.bmp in the wallpaper folder and has
// the changer apply it while the progress window runs; "No wallpaper" runs
// the same with no file; "Wallpaper Options" opens the options on their
// wallpaper page.
#pragma once

#include <windows.h>

#include <functional>

#include "desktop/wallpaper_changer.h"
#include "settings/settings.h"
#include "picture/picture.h"

namespace tools {

class WallpaperCommands {
 public:
  explicit WallpaperCommands(const settings::Settings& settings);

  WallpaperCommands(const WallpaperCommands&) = delete;
  WallpaperCommands& operator=(const WallpaperCommands&) = delete;

  void OnSetWallpaperClick(const picture::Picture& picture);
  void OnNoWallpaperClick();
  void OnWallpaperOptionsClick();
  // The progress window's last step: the change is made now if the
  // changer's interval has not come round yet, then the changer stops.
  void FinishChange();

  desktop::WallpaperChanger& Changer() { return changer_; }

  // Set by the application: the options dialog on its wallpaper page, and
  // the progress window started and shown modally.
  std::function<void()> showWallpaperOptions;
  std::function<void()> runProgress;

 private:
  void Run();

  const settings::Settings& settings_;
  desktop::WallpaperChanger changer_;
};

}  // namespace tools
