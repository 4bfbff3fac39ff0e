#include "app/tray_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace app {
namespace {

using settings::Option;

// Renders a menu as one line per item, indented by depth, with "[x]" for a
// check mark and the command id; a whole menu then compares in one go.
void Render(const std::vector<TrayMenuItem>& items, int depth, std::vector<std::wstring>& out) {
  for (const TrayMenuItem& item : items) {
    std::wstring line(static_cast<std::size_t>(depth) * 2, L' ');
    if (item.separator) {
      line += L"-";
    } else {
      line += item.checked ? L"[x] " : L"";
      line += item.caption;
      if (item.commandId != 0) line += L" #" + std::to_wstring(item.commandId);
    }
    out.push_back(line);
    Render(item.submenu, depth + 1, out);
  }
}

std::vector<std::wstring> Rendered(const TrayMenu& menu) {
  std::vector<std::wstring> out;
  Render(menu.Items(), 0, out);
  return out;
}

TEST(TrayMenuTest, EmptyHistoryWithDefaultSettings) {
  const settings::Settings settings;
  TrayMenuState state;
  state.settings = &settings;
  const std::vector<std::wstring> expected = {
      L"Show Kestrel #201",
      L"Hide Kestrel #202",
      L"Quick paste #213",
      L"-",
      L"Images",
      L"  There are no images avaiable #204",
      L"Text",
      L"  There is no text avaiable #205",
      L"-",
      L"Options",
      L"  Preferences",
      L"    [x] Beep when adding new items #220",
      L"    Only show bitmaps on buttons #221",
      L"    [x] Warn when low on free cells #222",
      L"    [x] No Taskbar #223",
      L"    Disable Kestrel #224",
      L"  Confirmation",
      L"    [x] Confirm when deleting #225",
      L"    [x] Confirm when deleting all #226",
      L"    Confirm on exit #227",
      L"  Wallpaper",
      L"    [x] Normal Wallpaper #206",
      L"    Tiled Wallpaper #207",
      L"    -",
      L"    * Current Wallpaper Directory : * #208",
      L"    * C:\\WINDOWS\\ * #209",
      L"    Browse... #210",
      L"  Quick paste",
      L"    Skip a copy that equals the newest of its kind #228",
      L"    Start with Windows #229",
      L"-",
      L"Help #211",
      L"About #212",
      L"-",
      L"Exit Kestrel 99 #203",
  };
  EXPECT_EQ(Rendered(TrayMenu(state)), expected);
}

TEST(TrayMenuTest, FilledCellsAreListedUpToTheirCountsWithTheFirstLineOfEachText) {
  settings::Settings settings;
  settings.Set(Option::DisableCapture, true);
  settings.Set(Option::BeepOnAdd, false);
  settings.SetWallpaperDirectory(L"D:\\R&D\\");
  const std::vector<std::wstring> texts = {L"first line\r\nsecond line", L"", L"Tom & Jerry\tshow",
                                           std::wstring(5000, L'x') + L"\nrest"};
  TrayMenuState state;
  state.settings = &settings;
  state.imageCount = 3;
  state.textCount = 4;
  state.textOfCell = [&](int n) { return texts.at(static_cast<std::size_t>(n - 1)); };
  const TrayMenu menu(state);
  const std::vector<std::wstring> lines = Rendered(menu);

  const std::vector<std::wstring> images(lines.begin() + 5, lines.begin() + 8);
  EXPECT_EQ(images, (std::vector<std::wstring>{L"  Image Cell 1 #1001", L"  Image Cell 2 #1002", L"  Image Cell 3 #1003"}));
  EXPECT_EQ(lines[8], L"Text") << "the no-images item is gone";
  const std::vector<std::wstring> textItems(lines.begin() + 9, lines.begin() + 13);
  EXPECT_EQ(textItems, (std::vector<std::wstring>{L"  first line #2001", L"   #2002", L"  Tom && Jerry show #2003",
                                                  L"  " + std::wstring(kTextCaptionLimit, L'x') + L" #2004"}));
  EXPECT_EQ(lines[13], L"-") << "the no-text item is gone";
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"    [x] Disable Kestrel #224"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"    Beep when adding new items #220"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"    * D:\\R&&D\\ * #209"), lines.end());
}

TEST(TrayMenuTest, FullHistoryStopsAtTheSaturatedCount) {
  const settings::Settings settings;
  TrayMenuState state;
  state.settings = &settings;
  state.imageCount = 54;
  state.textCount = 54;
  int textsAsked = 0;
  state.textOfCell = [&](int n) {
    ++textsAsked;
    return std::to_wstring(n);
  };
  const TrayMenu menu(state);
  EXPECT_EQ(menu.Items()[4].submenu.size(), 54u);
  EXPECT_EQ(menu.Items()[4].submenu.back().caption, L"Image Cell 54");
  EXPECT_EQ(menu.Items()[5].submenu.back().caption, L"54");
  EXPECT_EQ(textsAsked, 54) << "cell 55 is never listed";
}

TEST(TrayMenuTest, WallpaperMarksFollowTheRadiosAndStayWhenNeitherIsSet) {
  settings::Settings settings;
  TrayMenuState state;
  state.settings = &settings;
  settings.Set(Option::TiledWallpaper, true);
  EXPECT_EQ(TrayMenu(state).Marks(), (WallpaperMarks{false, true}));
  settings.Set(Option::TiledWallpaper, false);  // a stored file may leave both radios off
  state.previousMarks = {false, true};
  EXPECT_EQ(TrayMenu(state).Marks(), (WallpaperMarks{false, true}));
  state.previousMarks = {};
  EXPECT_EQ(TrayMenu(state).Marks(), (WallpaperMarks{false, false}));
}

TEST(TrayMenuTest, CommandFamiliesMapBackToTheirCellOrOption) {
  EXPECT_EQ(ImageCellOfCommand(kImageCellCommandBase + 1), 1);
  EXPECT_EQ(ImageCellOfCommand(kImageCellCommandBase + 55), 55);
  EXPECT_EQ(ImageCellOfCommand(kImageCellCommandBase + 56), 0);
  EXPECT_EQ(ImageCellOfCommand(kTextCellCommandBase + 1), 0);
  EXPECT_EQ(TextCellOfCommand(kTextCellCommandBase + 7), 7);
  EXPECT_EQ(TextCellOfCommand(kImageCellCommandBase), 0);
  EXPECT_EQ(ToggledOption(kFirstToggleCommand + 4), Option::DisableCapture);
  EXPECT_EQ(ToggledOption(kFirstToggleCommand + 7), Option::ConfirmExit);
  EXPECT_EQ(ToggledOption(kFirstToggleCommand + 9), Option::StartWithWindows);
  EXPECT_EQ(ToggleCommandOf(Option::SkipRepeatedCopy), kFirstToggleCommand + 8);
  EXPECT_FALSE(ToggledOption(kFirstToggleCommand + 10).has_value());
  EXPECT_FALSE(ToggledOption(kExitCommand).has_value());
}

}  // namespace
}  // namespace app
