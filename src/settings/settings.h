#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "settings/option_table.h"

namespace settings {

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

  /// The quick paste key: the virtual-key code in the low byte, the
  /// hot-key control's modifier flags (HOTKEYF_*) in the high byte.
  std::uint16_t QuickPasteKey() const { return quickPasteKey_; }
  /// The key another program was found holding and the user was told of;
  /// 0 when none. It is no option of the user's and raises no change.
  std::uint16_t RefusedQuickPasteKey() const { return refusedQuickPasteKey_; }
  void SetRefusedQuickPasteKey(std::uint16_t key) { refusedQuickPasteKey_ = key; }

  /// Raised after an option or the wallpaper folder took a new value (not
  /// when it was set to the value it already had). Windows that show an
  /// option, such as the main window's status, follow it from here instead
  /// of polling.
  std::function<void()> onChanged;

 private:
  std::array<bool, kOptions.size()> on_{};
  std::wstring wallpaperDirectory_;
  // Ctrl+` (HOTKEYF_CONTROL, VK_OEM_3).
  std::uint16_t quickPasteKey_ = 0x02C0;
  std::uint16_t refusedQuickPasteKey_ = 0;
};

}  // namespace settings
