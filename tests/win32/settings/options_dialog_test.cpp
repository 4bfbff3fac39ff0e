// The options dialog driven as a user and the program drive it: controls
// found by id below the dialog, clicked with BM_CLICK, hovered with
// WM_MOUSEMOVE, and the Settings it edits read back.
#include "settings/options_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "settings/ini_file.h"
#include "settings/option_table.h"
#include "ui/application.h"

namespace {

using settings::kOptionControls;
using settings::Option;
using settings::OptionControlKind;

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(child) != search->first) return TRUE;
  search->second = child;
  return FALSE;
}

// A control anywhere below the dialog (they sit on the notebook's pages).
HWND FindControl(HWND dialog, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(dialog, &MatchId, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

class OptionsDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    settings::OptionsDialog::ApplyTargets targets;
    targets.buttonCaptions = [this](bool onlyBitmaps) { captionsApplied.push_back(onlyBitmaps); };
    targets.taskbarButton = [this](bool hide) { taskbarApplied.push_back(hide); };
    targets.browse = [this] { settings.SetWallpaperDirectory(L"D:\\PICTURES\\"); };
    dialog = ui::MakeWindow<settings::OptionsDialog>(application, settings, std::move(targets));
    dialog->Show();
  }

  HWND Item(int id) const {
    HWND control = FindControl(dialog->Handle(), id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
  }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  std::wstring Text(int id) const {
    wchar_t text[256] = L"";
    GetWindowTextW(Item(id), text, 256);
    return text;
  }
  std::wstring Hint(int page) const { return Text(settings::kHintLabelIdBase + page); }
  void Hover(HWND window) const { SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }

  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  std::vector<bool> captionsApplied;
  std::vector<bool> taskbarApplied;
  ui::WindowPtr<settings::OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, ClicksChangeTheSettingsAtOnceAndTheControlsFollowTheSettings) {
  for (const settings::OptionControlLayout& layout : kOptionControls) {
    dialog->ShowPage(layout.page);
    const bool before = settings.IsOn(layout.option);
    EXPECT_EQ(Checked(layout.id), before) << layout.id;
    Click(layout.id);
    // A radio button only switches its own style on; a check box toggles.
    const bool expected = layout.kind == OptionControlKind::RadioButton || !before;
    EXPECT_EQ(settings.IsOn(layout.option), expected) << layout.id;
    for (const settings::OptionControlLayout& other : kOptionControls) {
      EXPECT_EQ(Checked(other.id), settings.IsOn(other.option)) << "after clicking " << layout.id;
    }
  }
  // The tiled radio was clicked last: the normal one went off with it.
  EXPECT_TRUE(settings.IsOn(Option::TiledWallpaper));
  EXPECT_FALSE(settings.IsOn(Option::NormalWallpaper));

  // Changes made elsewhere (the tray menu, the settings file) show after a
  // refresh, the wallpaper folder included.
  for (const settings::OptionControlLayout& layout : kOptionControls) {
    settings.Set(layout.option, !settings.IsOn(layout.option));
  }
  settings.SetWallpaperDirectory(L"E:\\WALLS\\");
  dialog->RefreshControls();
  for (const settings::OptionControlLayout& layout : kOptionControls) {
    EXPECT_EQ(Checked(layout.id), settings.IsOn(layout.option)) << layout.id;
  }
  EXPECT_EQ(Text(settings::kWallpaperDirectoryId), L"E:\\WALLS\\");

  // Browsing stores a new folder, and the field shows it at once.
  Click(settings::kBrowseButtonId);
  EXPECT_EQ(Text(settings::kWallpaperDirectoryId), L"D:\\PICTURES\\");
}

TEST(OptionsDialogStartTest, ControlsShowTheStoredOptionsBeforeAnyClick) {
  // A settings file from an earlier run holds every option the other way
  // round from its default, and a folder of its own.
  const std::wstring file = settings::SettingsFilePath();
  const settings::Settings defaults;
  for (const settings::StoredProperty& property : settings::kStoredProperties) {
    const bool flag = property.kind == settings::ValueKind::Flag;
    const std::wstring value = !flag                          ? L"C:\\STORED\\"
                               : defaults.IsOn(property.option) ? std::wstring(settings::kFalseText)
                                                                : std::wstring(settings::kTrueText);
    ASSERT_TRUE(WritePrivateProfileStringW(L"options", std::wstring(property.key).c_str(), value.c_str(),
                                           file.c_str()));
  }
  settings::Settings options;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<settings::OptionsDialog> dialog =
      ui::MakeWindow<settings::OptionsDialog>(application, options, settings::OptionsDialog::ApplyTargets{});
  dialog->Show();
  std::vector<std::pair<int, bool>> shown;
  std::vector<std::pair<int, bool>> stored;
  for (const settings::OptionControlLayout& layout : kOptionControls) {
    shown.emplace_back(layout.id,
                       SendMessageW(FindControl(dialog->Handle(), layout.id), BM_GETCHECK, 0, 0) == BST_CHECKED);
    stored.emplace_back(layout.id, !defaults.IsOn(layout.option));
  }
  wchar_t folder[MAX_PATH] = L"";
  GetWindowTextW(FindControl(dialog->Handle(), settings::kWallpaperDirectoryId), folder, MAX_PATH);
  dialog.reset();
  WritePrivateProfileStringW(L"options", nullptr, nullptr, file.c_str());
  EXPECT_EQ(shown, stored);
  EXPECT_STREQ(folder, L"C:\\STORED\\");
}

TEST_F(OptionsDialogTest, EachPageShowsTheHintOfTheControlUnderTheMouseUntilTheMouseLeavesForThePage) {
  for (const settings::OptionControlLayout& layout : kOptionControls) {
    Hover(Item(layout.id));
    EXPECT_EQ(Hint(layout.page), layout.hint);
  }
  Hover(Item(settings::kWallpaperDirectoryId));
  EXPECT_EQ(Hint(settings::kWallpaperPage), settings::kWallpaperDirectoryHint);
  Hover(Item(settings::kBrowseButtonId));
  EXPECT_EQ(Hint(settings::kWallpaperPage), settings::kBrowseHint);

  // Each page keeps its own last hint; the empty page area clears only its own.
  EXPECT_EQ(Hint(settings::kPreferencesPage), kOptionControls[4].hint);
  EXPECT_EQ(Hint(settings::kConfirmationPage), kOptionControls[7].hint);
  Hover(GetParent(Item(kOptionControls[0].id)));
  EXPECT_EQ(Hint(settings::kPreferencesPage), L"");
  EXPECT_EQ(Hint(settings::kConfirmationPage), kOptionControls[7].hint);
  Hover(GetParent(Item(settings::kBrowseButtonId)));
  EXPECT_EQ(Hint(settings::kWallpaperPage), L"");
}

TEST_F(OptionsDialogTest, OkPushesTheOptionsThatChangeOtherWindowsAndCloses) {
  // Creation applied the options as they were, without showing the dialog.
  ASSERT_EQ(captionsApplied, std::vector<bool>{false});
  ASSERT_EQ(taskbarApplied, std::vector<bool>{true});

  // Clicks change the Settings at once, but other windows only through OK.
  Click(kOptionControls[1].id);  // only bitmaps on buttons
  Click(kOptionControls[3].id);  // no taskbar
  EXPECT_EQ(captionsApplied.size(), 1u);
  Click(settings::kOkButtonId);
  EXPECT_EQ(captionsApplied, (std::vector<bool>{false, true}));
  EXPECT_EQ(taskbarApplied, (std::vector<bool>{true, false}));
  EXPECT_FALSE(dialog->IsVisible());
}

}  // namespace
