// TrayMenu: the menu the tray icons open, as a tree of items with their
// command ids. It is built anew at every opening from the counts, the texts
// of the filled text cells and the Settings; the tray turns it into a menu
// and dispatches the chosen command by these ids.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace app {

inline constexpr int kShowKestrelCommand = 201;
inline constexpr int kHideKestrelCommand = 202;
inline constexpr int kExitCommand = 203;
inline constexpr int kNoImagesCommand = 204;
inline constexpr int kNoTextCommand = 205;
inline constexpr int kNormalWallpaperCommand = 206;
inline constexpr int kTiledWallpaperCommand = 207;
inline constexpr int kCurrentWallpaperDirectoryCommand = 208;  // a heading: choosing it only closes the menu
inline constexpr int kWallpaperDirectoryCommand = 209;         // likewise
inline constexpr int kBrowseCommand = 210;
inline constexpr int kHelpCommand = 211;
inline constexpr int kAboutCommand = 212;
inline constexpr int kQuickPasteCommand = 213;
// The option toggles (the rows of settings::kOptions with a tray caption)
// take the ids from here, in the order of the rows.
inline constexpr int kFirstToggleCommand = 220;
// Image cell n is kImageCellCommandBase + n, text cell n kTextCellCommandBase + n.
inline constexpr int kImageCellCommandBase = 1000;
inline constexpr int kTextCellCommandBase = 2000;

// The longest first line of a text cell that becomes a caption.
inline constexpr std::size_t kTextCaptionLimit = 4096;

struct TrayMenuItem {
  int commandId = 0;  // 0 for a separator or a submenu
  std::wstring caption;
  bool separator = false;
  bool checked = false;
  std::vector<TrayMenuItem> submenu;

  friend bool operator==(const TrayMenuItem&, const TrayMenuItem&) = default;
};

// The two wallpaper marks. When the Settings hold neither style (a stored
// file can say so), the menu keeps the marks it showed last time.
struct WallpaperMarks {
  bool normal = false;
  bool tiled = false;

  friend bool operator==(const WallpaperMarks&, const WallpaperMarks&) = default;
};

struct TrayMenuState {
  int imageCount = 0;
  int textCount = 0;
  // The whole text of text cell n (1-based), asked for n up to textCount.
  std::function<std::wstring(int n)> textOfCell;
  const settings::Settings* settings = nullptr;
  WallpaperMarks previousMarks;
};

class TrayMenu {
 public:
  explicit TrayMenu(const TrayMenuState& state);

  // Top to bottom, as the menu shows them; hidden items are left out.
  const std::vector<TrayMenuItem>& Items() const { return items_; }
  WallpaperMarks Marks() const { return marks_; }

 private:
  std::vector<TrayMenuItem> items_;
  WallpaperMarks marks_;
};

// A text's menu caption: its first line, at most kTextCaptionLimit
// characters, with "&" doubled so that it shows as it is rather than as a
// mnemonic, and tabs as blanks so that none is taken for a column break.
std::wstring TextMenuCaption(std::wstring_view text);

// What a command id chooses, when it is one of a family.
std::optional<settings::Option> ToggledOption(int commandId);
int ToggleCommandOf(settings::Option option);  // 0 when the menu has no toggle for it
int ImageCellOfCommand(int commandId);  // 0 when the id is no image cell
int TextCellOfCommand(int commandId);   // 0 when the id is no text cell

}  // namespace app
