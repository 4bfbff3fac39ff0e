#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace settings {

/// The on/off options. The wallpaper style is a pair of radio buttons,
/// NormalWallpaper and TiledWallpaper: switching one on switches the other
/// off, and a stored file may leave both off, which readers must tolerate
/// (the wallpaper step then tiles; the tray menu leaves its marks alone).
enum class Option {
  BeepOnAdd,
  OnlyBitmapsOnButtons,
  WarnLowCells,
  NoTaskbar,
  DisableCapture,
  ConfirmDelete,
  ConfirmDeleteAll,
  ConfirmExit,
  NormalWallpaper,
  TiledWallpaper,
};

/// One on/off option and the value it has until the user changes it.
struct OptionDefault {
  Option option;
  bool on;
};

/// Every on/off option with its default, in enum order.
inline constexpr std::array<OptionDefault, 10> kOptionDefaults{{
    {Option::BeepOnAdd, true},
    {Option::OnlyBitmapsOnButtons, false},
    {Option::WarnLowCells, true},
    {Option::NoTaskbar, true},
    {Option::DisableCapture, false},
    {Option::ConfirmDelete, true},
    {Option::ConfirmDeleteAll, true},
    {Option::ConfirmExit, false},
    {Option::NormalWallpaper, true},
    {Option::TiledWallpaper, false},
}};

/// Default folder for the wallpaper bitmap. It ends in a backslash because
/// the file name is appended to it unchanged.
inline constexpr std::wstring_view kDefaultWallpaperDirectory = L"C:\\WINDOWS\\";

/// The user's options: the single copy of every option for the whole run.
/// Code that depends on an option asks this object at the moment it needs
/// the value, so a change is seen at once everywhere. Copying is disabled so
/// that no part of the program can keep a stale snapshot by accident.
class Settings {
 public:
  /// Settings holding every default.
  Settings();
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  /// Current state of an on/off option.
  bool IsOn(Option option) const;
  /// Switches an on/off option. Switching one wallpaper radio on switches
  /// the other off.
  void Set(Option option, bool on);

  /// Folder the wallpaper bitmap is written to, used exactly as stored.
  std::wstring WallpaperDirectory() const;
  /// Replaces the wallpaper folder.
  void SetWallpaperDirectory(std::wstring directory);

  /// Raised after an option or the wallpaper folder took a new value (not
  /// when it was set to the value it already had). Windows that show an
  /// option, such as the main window's status, follow it from here instead
  /// of polling.
  std::function<void()> onChanged;

 private:
  std::array<bool, kOptionDefaults.size()> on_{};
  std::wstring wallpaperDirectory_;
};

}  // namespace settings
