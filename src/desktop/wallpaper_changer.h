// WallpaperChanger: makes a bitmap file the desktop wallpaper, normal or
// tiled. Once active it changes the wallpaper at every tick of its interval,
// the first one a whole interval after activation, until it is made inactive.
// Its timer is its own, on a hidden window of its own.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "ui/message_window.h"
#include "ui/timer.h"

namespace desktop {

class WallpaperChanger {
 public:
  // The system takes a wallpaper name of at most this many characters.
  static constexpr std::size_t kMaxNameLength = 255;
  static constexpr UINT kDefaultIntervalMs = 1000;

  WallpaperChanger();
  ~WallpaperChanger();
  WallpaperChanger(const WallpaperChanger&) = delete;
  WallpaperChanger& operator=(const WallpaperChanger&) = delete;

  bool Active() const { return active_; }
  // Activating an active changer does not restart its timer.
  void SetActive(bool active);
  bool Tiled() const { return tiled_; }
  void SetTiled(bool tiled) { tiled_ = tiled; }
  UINT Interval() const { return interval_; }
  void SetInterval(UINT intervalMs);
  const std::wstring& Filename() const { return filename_; }
  // Takes the empty name (no wallpaper) or the name of an existing file no
  // longer than kMaxNameLength; any other name is ignored.
  void SetFilename(const std::wstring& name);

  // Changes made since the changer was last activated.
  int ChangesSinceActivation() const { return changes_; }

  // The timer's tick: one change.
  void ChangeWallpaper();

  std::function<void(WallpaperChanger&)> onBeginChange;
  std::function<void(WallpaperChanger&)> onFinishChange;

  // "TileWallPaper" before the system call, "Wallpaper" after it, under
  // HKEY_CURRENT_USER\Control Panel\desktop. Throws ui::UserError when a
  // value cannot be written or the system refuses the wallpaper (with its
  // reason); the change stops there.
  static void ApplyWallpaper(const std::wstring& name, bool tiled);
  // Tests stand in for the system's wallpaper call; an empty one restores it.
  static void SetSystemCallForTesting(std::function<BOOL(wchar_t* name)> call);

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  ui::WindowPtr<ui::MessageWindow> window_;
  ui::Timer timer_;
  bool active_ = false;
  bool tiled_ = false;
  UINT interval_ = kDefaultIntervalMs;
  std::wstring filename_;
  int changes_ = 0;
};

}  // namespace desktop
