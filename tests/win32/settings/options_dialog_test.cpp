// The options dialog driven as a user and the program drive it: controls
// found by id below the dialog, clicked with BM_CLICK, hovered with
// WM_MOUSEMOVE, and the Settings it edits read back.
#include "settings/options_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "settings/ini_file.h"
#include "settings/option_file.h"
#include "settings/option_table.h"
#include "ui/application.h"
#include "win32/keyboard_support.h"

namespace {

using settings::kOptions;
using settings::kWallpaperDirectoryRow;
using settings::Option;
using settings::OptionControlKind;
using settings::RowOf;

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
    settings::OptionsDialog::Actions actions;
    actions.applyOptions = [this] {
      captionsApplied.push_back(settings.IsOn(Option::OnlyBitmapsOnButtons));
      taskbarApplied.push_back(settings.IsOn(Option::NoTaskbar));
    };
    actions.browse = [this] { settings.SetWallpaperDirectory(L"D:\\PICTURES\\"); };
    dialog = ui::MakeWindow<settings::OptionsDialog>(application, settings, optionFile, std::move(actions));
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
  settings::OptionFile optionFile{settings};
  ui::Application application{app::ProgramTitle()};
  std::vector<bool> captionsApplied;
  std::vector<bool> taskbarApplied;
  ui::WindowPtr<settings::OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, ClicksChangeTheSettingsAtOnceAndTheControlsFollowTheSettings) {
  for (const settings::OptionRow& row : kOptions) {
    dialog->ShowPage(row.page);
    const bool before = settings.IsOn(row.option);
    EXPECT_EQ(Checked(row.controlId), before) << row.controlId;
    Click(row.controlId);
    // A radio button only switches its own style on; a check box toggles.
    const bool expected = row.control == OptionControlKind::RadioButton || !before;
    EXPECT_EQ(settings.IsOn(row.option), expected) << row.controlId;
    for (const settings::OptionRow& other : kOptions) {
      EXPECT_EQ(Checked(other.controlId), settings.IsOn(other.option)) << "after clicking " << row.controlId;
    }
  }
  // The tiled radio was clicked last: the normal one went off with it.
  EXPECT_TRUE(settings.IsOn(Option::TiledWallpaper));
  EXPECT_FALSE(settings.IsOn(Option::NormalWallpaper));

  // Changes made elsewhere (the tray menu, the settings file) show after a
  // refresh, the wallpaper folder included.
  for (const settings::OptionRow& row : kOptions) settings.Set(row.option, !settings.IsOn(row.option));
  settings.SetWallpaperDirectory(L"E:\\WALLS\\");
  dialog->RefreshControls();
  for (const settings::OptionRow& row : kOptions) {
    EXPECT_EQ(Checked(row.controlId), settings.IsOn(row.option)) << row.controlId;
  }
  EXPECT_EQ(Text(kWallpaperDirectoryRow.controlId), L"E:\\WALLS\\");

  // Browsing stores a new folder, and the field shows it at once.
  Click(settings::kBrowseButtonId);
  EXPECT_EQ(Text(kWallpaperDirectoryRow.controlId), L"D:\\PICTURES\\");
}

TEST(OptionsDialogStartTest, ControlsShowTheStoredOptionsBeforeAnyClick) {
  // A settings file from an earlier run holds every option the other way
  // round from its default, and a folder of its own.
  const std::wstring file = settings::SettingsFilePath();
  const settings::Settings defaults;
  for (const settings::OptionRow& row : kOptions) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"options", std::wstring(row.key.name).c_str(),
                                           std::wstring(settings::TrueFalseText(!defaults.IsOn(row.option))).c_str(),
                                           file.c_str()));
  }
  ASSERT_TRUE(WritePrivateProfileStringW(L"options", std::wstring(kWallpaperDirectoryRow.key.name).c_str(),
                                         L"C:\\STORED\\", file.c_str()));
  settings::Settings options;
  settings::OptionFile optionFile(options);
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<settings::OptionsDialog> dialog =
      ui::MakeWindow<settings::OptionsDialog>(application, options, optionFile, settings::OptionsDialog::Actions{});
  // The controls follow the Settings' change notification, as the program
  // connects them.
  options.onChanged = [&dialog] { dialog->RefreshControls(); };
  dialog->Show();
  std::vector<std::pair<int, bool>> shown;
  std::vector<std::pair<int, bool>> stored;
  for (const settings::OptionRow& row : kOptions) {
    shown.emplace_back(row.controlId,
                       SendMessageW(FindControl(dialog->Handle(), row.controlId), BM_GETCHECK, 0, 0) == BST_CHECKED);
    stored.emplace_back(row.controlId, !defaults.IsOn(row.option));
  }
  wchar_t folder[MAX_PATH] = L"";
  GetWindowTextW(FindControl(dialog->Handle(), kWallpaperDirectoryRow.controlId), folder, MAX_PATH);
  options.onChanged = nullptr;
  dialog.reset();
  WritePrivateProfileStringW(L"options", nullptr, nullptr, file.c_str());
  EXPECT_EQ(shown, stored);
  EXPECT_STREQ(folder, L"C:\\STORED\\");
}

TEST_F(OptionsDialogTest, EachPageShowsTheHintOfTheControlUnderTheMouseUntilTheMouseLeavesForThePage) {
  for (const settings::OptionRow& row : kOptions) {
    Hover(Item(row.controlId));
    EXPECT_EQ(Hint(row.page), row.hint);
  }
  Hover(Item(kWallpaperDirectoryRow.controlId));
  EXPECT_EQ(Hint(settings::kWallpaperPage), kWallpaperDirectoryRow.hint);
  Hover(Item(settings::kBrowseButtonId));
  EXPECT_EQ(Hint(settings::kWallpaperPage), settings::kBrowseHint);

  // Each page keeps its own last hint; the empty page area clears only its own.
  EXPECT_EQ(Hint(settings::kPreferencesPage), kOptions[4].hint);
  EXPECT_EQ(Hint(settings::kConfirmationPage), kOptions[7].hint);
  Hover(GetParent(Item(kOptions[0].controlId)));
  EXPECT_EQ(Hint(settings::kPreferencesPage), L"");
  EXPECT_EQ(Hint(settings::kConfirmationPage), kOptions[7].hint);
  Hover(GetParent(Item(settings::kBrowseButtonId)));
  EXPECT_EQ(Hint(settings::kWallpaperPage), L"");
}

TEST_F(OptionsDialogTest, OkPushesTheOptionsThatChangeOtherWindowsAndCloses) {
  // Start-up applies the stored options, not the dialog's creation.
  ASSERT_TRUE(captionsApplied.empty());

  // Clicks change the Settings at once, but other windows only through OK.
  Click(RowOf(Option::OnlyBitmapsOnButtons).controlId);
  Click(RowOf(Option::NoTaskbar).controlId);
  EXPECT_TRUE(captionsApplied.empty());
  Click(settings::kOkButtonId);
  EXPECT_EQ(captionsApplied, (std::vector<bool>{true}));
  EXPECT_EQ(taskbarApplied, (std::vector<bool>{false}));
  EXPECT_FALSE(dialog->IsVisible());
}

TEST_F(OptionsDialogTest, QuickPasteKeyFieldStoresAChangedKeyOnlyWithOk) {
  const HWND field = Item(settings::kQuickPasteKeyRow.controlId);
  const auto shownKey = [field] { return static_cast<std::uint16_t>(SendMessageW(field, HKM_GETHOTKEY, 0, 0)); };
  dialog->ShowPage(settings::kQuickPastePage);
  EXPECT_EQ(shownKey(), settings::kQuickPasteKeyRow.defaultValue);
  Hover(field);
  EXPECT_EQ(Hint(settings::kQuickPastePage), settings::kQuickPasteKeyRow.hint);

  // Ctrl+Shift+K pressed; a click on a check box of the same page refreshes
  // the controls and must not lose it.
  const std::uint16_t pressed = settings::MakeHotKey('K', settings::kHotKeyControl | settings::kHotKeyShift);
  SendMessageW(field, HKM_SETHOTKEY, pressed, 0);
  Click(RowOf(Option::SkipRepeatedCopy).controlId);
  EXPECT_EQ(shownKey(), pressed);
  EXPECT_EQ(settings.QuickPasteKey(), settings::kQuickPasteKeyRow.defaultValue) << "stored before OK";
  Click(settings::kOkButtonId);
  EXPECT_EQ(settings.QuickPasteKey(), pressed);
  EXPECT_TRUE(settings.IsOn(Option::SkipRepeatedCopy));

  // A key pressed and then put away without OK is gone at the next showing.
  dialog->Show();
  SendMessageW(field, HKM_SETHOTKEY, settings::MakeHotKey('J', settings::kHotKeyAlt), 0);
  dialog->Close();
  dialog->Show();
  EXPECT_EQ(shownKey(), pressed);
  EXPECT_EQ(settings.QuickPasteKey(), pressed);
}

TEST_F(OptionsDialogTest, CtrlTabTurnsThePagesAndEnterAnywhereIsOk) {
  SetFocus(GetNextDlgTabItem(dialog->Handle(), nullptr, FALSE));
  ASSERT_EQ(GetDlgCtrlID(GetFocus()), kOptions[0].controlId) << "the first check box comes first";
  test::PressKey(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(dialog->PageIndex(), settings::kConfirmationPage);
  EXPECT_TRUE(IsWindowVisible(GetFocus())) << "the focus stays where it can be seen";
  test::PressKey(VK_RETURN);
  EXPECT_EQ(captionsApplied.size(), 1u) << "Enter on a check box presses OK";
  EXPECT_FALSE(dialog->IsVisible());
}

}  // namespace
