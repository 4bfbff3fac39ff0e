// TrayMenu: the menu the tray icons open, as items with their command ids.
// The tray builds its menu from this and dispatches the commands by these
// ids.
#pragma once

#include <string>
#include <vector>

namespace app {

inline constexpr int kShowKestrelCommand = 201;
inline constexpr int kHideKestrelCommand = 202;
inline constexpr int kExitCommand = 203;

struct TrayMenuItem {
  int commandId = 0;  // 0 for a separator
  std::wstring caption;
  bool separator = false;

  friend bool operator==(const TrayMenuItem&, const TrayMenuItem&) = default;
};

class TrayMenu {
 public:
  TrayMenu();

  // Top to bottom, as the menu shows them.
  const std::vector<TrayMenuItem>& Items() const { return items_; }

 private:
  std::vector<TrayMenuItem> items_;
};

}  // namespace app
