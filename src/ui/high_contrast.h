// Whether the user has asked for high contrast, and what that means for
// the parts we draw ourselves. Under high contrast every colour comes from
// the user's scheme (window, window text, highlight...); a fixed colour of
// our own design could vanish against it. Without high contrast the
// designed colours stay exactly as they are.
//
// A window keeps the value it draws with and takes a new one when the
// system announces a change (WM_SETTINGCHANGE, WM_SYSCOLORCHANGE); tests
// hand it one of their own without touching the machine's setting.
#pragma once

#include <windows.h>

namespace ui {

class HighContrast {
 public:
  constexpr HighContrast() = default;
  constexpr explicit HighContrast(bool on) : on_(on) {}
  // The user's setting now.
  static HighContrast FromSystem();
  // Whether a message at a top-level window may mean the setting or the
  // scheme's colours changed.
  static bool MayHaveChanged(UINT message, WPARAM wParam);

  constexpr bool IsOn() const { return on_; }
  // The designed colour, or the scheme's colour `systemIndex` under high
  // contrast.
  COLORREF Colour(COLORREF designed, int systemIndex) const { return on_ ? GetSysColor(systemIndex) : designed; }
  // For parts already drawn in a system colour that give way to another
  // one under high contrast.
  constexpr int SystemIndex(int designed, int highContrast) const { return on_ ? highContrast : designed; }

  friend constexpr bool operator==(HighContrast, HighContrast) = default;

 private:
  bool on_ = false;
};

}  // namespace ui
