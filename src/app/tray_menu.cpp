#include "app/tray_menu.h"

#include <utility>

#include "history/cell_store.h"

namespace app {

namespace {

using settings::Option;

TrayMenuItem Command(int id, std::wstring caption, bool checked = false) {
  TrayMenuItem item;
  item.commandId = id;
  item.caption = std::move(caption);
  item.checked = checked;
  return item;
}

TrayMenuItem Separator() {
  TrayMenuItem item;
  item.separator = true;
  return item;
}

TrayMenuItem Submenu(std::wstring caption, std::vector<TrayMenuItem> items) {
  TrayMenuItem item;
  item.caption = std::move(caption);
  item.submenu = std::move(items);
  return item;
}

TrayMenuItem ImagesSubmenu(int imageCount) {
  std::vector<TrayMenuItem> items;
  for (int n = 1; n <= imageCount && n <= history::kCellCount; ++n)
    items.push_back(Command(kImageCellCommandBase + n, L"Image Cell " + std::to_wstring(n)));
  if (imageCount == 0) items.push_back(Command(kNoImagesCommand, L"There are no images avaiable"));
  return Submenu(L"Images", std::move(items));
}

TrayMenuItem TextSubmenu(int textCount, const std::function<std::wstring(int)>& textOfCell) {
  std::vector<TrayMenuItem> items;
  for (int n = 1; n <= textCount && n <= history::kCellCount; ++n)
    items.push_back(Command(kTextCellCommandBase + n, TextMenuCaption(textOfCell ? textOfCell(n) : L"")));
  if (textCount == 0) items.push_back(Command(kNoTextCommand, L"There is no text avaiable"));
  return Submenu(L"Text", std::move(items));
}

// The toggles of the options on one page of the options dialog.
std::vector<TrayMenuItem> Toggles(const settings::Settings& settings, int page) {
  std::vector<TrayMenuItem> items;
  for (const settings::OptionRow& row : settings::kOptions) {
    if (row.trayCaption && row.page == page)
      items.push_back(Command(ToggleCommandOf(row.option), row.trayCaption, settings.IsOn(row.option)));
  }
  return items;
}

WallpaperMarks MarksFor(const settings::Settings& settings, WallpaperMarks previous) {
  if (settings.IsOn(Option::NormalWallpaper)) return {true, false};
  if (settings.IsOn(Option::TiledWallpaper)) return {false, true};
  return previous;
}

TrayMenuItem OptionsSubmenu(const settings::Settings& settings, WallpaperMarks marks) {
  return Submenu(L"Options",
                 {
                     Submenu(L"Preferences", Toggles(settings, settings::kPreferencesPage)),
                     Submenu(L"Confirmation", Toggles(settings, settings::kConfirmationPage)),
                     Submenu(L"Wallpaper",
                             {
                                 Command(kNormalWallpaperCommand, L"Normal Wallpaper", marks.normal),
                                 Command(kTiledWallpaperCommand, L"Tiled Wallpaper", marks.tiled),
                                 Separator(),
                                 Command(kCurrentWallpaperDirectoryCommand, L"* Current Wallpaper Directory : *"),
                                 Command(kWallpaperDirectoryCommand,
                                         L"* " + TextMenuCaption(settings.WallpaperDirectory()) + L" *"),
                                 Command(kBrowseCommand, L"Browse..."),
                             }),
                     Submenu(L"Quick paste", Toggles(settings, settings::kQuickPastePage)),
                 });
}

}  // namespace

TrayMenu::TrayMenu(const TrayMenuState& state) {
  const settings::Settings& settings = *state.settings;
  marks_ = MarksFor(settings, state.previousMarks);
  items_ = {
      Command(kShowKestrelCommand, L"Show Kestrel"),
      Command(kHideKestrelCommand, L"Hide Kestrel"),
      Command(kQuickPasteCommand, L"Quick paste"),
      Separator(),
      ImagesSubmenu(state.imageCount),
      TextSubmenu(state.textCount, state.textOfCell),
      Separator(),
      OptionsSubmenu(settings, marks_),
      Separator(),
      Command(kHelpCommand, L"Help"),
      Command(kAboutCommand, L"About"),
      Separator(),
      Command(kExitCommand, L"Exit Kestrel 99"),
  };
}

std::wstring TextMenuCaption(std::wstring_view text) {
  text = text.substr(0, text.find_first_of(L"\r\n"));
  text = text.substr(0, kTextCaptionLimit);
  std::wstring caption;
  caption.reserve(text.size());
  for (wchar_t c : text) {
    if (c == L'&') caption += L'&';
    caption += c == L'\t' ? L' ' : c;
  }
  return caption;
}

std::optional<settings::Option> ToggledOption(int commandId) {
  int id = kFirstToggleCommand;
  for (const settings::OptionRow& row : settings::kOptions) {
    if (!row.trayCaption) continue;
    if (id++ == commandId) return row.option;
  }
  return std::nullopt;
}

int ToggleCommandOf(settings::Option option) {
  int id = kFirstToggleCommand;
  for (const settings::OptionRow& row : settings::kOptions) {
    if (!row.trayCaption) continue;
    if (row.option == option) return id;
    ++id;
  }
  return 0;
}

int ImageCellOfCommand(int commandId) {
  const int n = commandId - kImageCellCommandBase;
  return n >= 1 && n <= history::kCellCount ? n : 0;
}

int TextCellOfCommand(int commandId) {
  const int n = commandId - kTextCellCommandBase;
  return n >= 1 && n <= history::kCellCount ? n : 0;
}

}  // namespace app
