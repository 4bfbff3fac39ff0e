// The tray menu of the whole program, in this process: opened through the
// notification-area callback as the shell delivers it, read while it is on
// screen, and its items chosen through the menu's own command messages.
#include "app/tray_commands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "about/help_window.h"
#include "app/program_title.h"
#include "app/program_windows.h"
#include "app/startup_window.h"
#include "win32/clipboard_support.h"
#include "core/window_classes.h"
#include "history/main_window.h"
#include "history/main_window_layout.h"
#include "history/status_rules.h"
#include "settings/ini_file.h"
#include "settings/option_file.h"
#include "tools/cell_window.h"
#include "tools/directory_picker.h"
#include "settings/options_dialog.h"

namespace {

using settings::Option;

constexpr UINT kTrayCallback = 0xB03F;
constexpr UINT kMenuLookDelayMs = 100;

struct MenuLine {
  std::wstring caption;
  bool checked = false;
  friend bool operator==(const MenuLine&, const MenuLine&) = default;
};

// What the open menu showed: each submenu of the top level by its caption.
struct SeenMenu {
  std::vector<std::wstring> top;
  std::vector<std::vector<MenuLine>> submenus;
};
// Filled by the timer that runs inside the menu's own loop.
SeenMenu* seenMenu = nullptr;

std::vector<MenuLine> Lines(HMENU menu) {
  std::vector<MenuLine> lines;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[512] = L"";
    GetMenuStringW(menu, static_cast<UINT>(i), text, 512, MF_BYPOSITION);
    lines.push_back({text, (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0});
  }
  return lines;
}

void Flatten(HMENU menu, SeenMenu& seen) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU submenu = GetSubMenu(menu, i)) {
      seen.submenus.push_back(Lines(submenu));
      Flatten(submenu, seen);
    }
  }
}

void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  HMENU menu = menuWindow ? reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
  if (menu && seenMenu) {
    for (const MenuLine& line : Lines(menu)) seenMenu->top.push_back(line.caption);
    Flatten(menu, *seenMenu);
  }
  EndMenu();
}

// The settings file's path; a bare name lives in the Windows directory.
std::wstring SettingsFileOnDisk() {
  const std::wstring name = settings::SettingsFilePath();
  if (name.find(L'\\') != std::wstring::npos) return name;
  wchar_t directory[MAX_PATH] = L"";
  GetWindowsDirectoryW(directory, MAX_PATH);
  return std::wstring(directory) + L"\\" + name;
}

// The names of the keys in the options section on disk, in file order.
std::vector<std::wstring> OptionKeys() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetPrivateProfileSectionW(L"options", buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 SettingsFileOnDisk().c_str());
  std::vector<std::wstring> keys;
  for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += lstrlenW(line) + 1)
    keys.emplace_back(line, wcschr(line, L'=') ? wcschr(line, L'=') - line : lstrlenW(line));
  return keys;
}

std::wstring StoredOption(const settings::OptionRow& row) {
  wchar_t value[16] = L"";
  GetPrivateProfileStringW(L"options", std::wstring(row.key.name).c_str(), L"", value, 16,
                           SettingsFileOnDisk().c_str());
  return value;
}

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(data);
  if (GetDlgCtrlID(child) != search->first) return TRUE;
  search->second = child;
  return FALSE;
}

// The control with the id anywhere below `root`.
HWND Control(HWND root, int id) {
  std::pair<int, HWND> search{id, nullptr};
  EnumChildWindows(root, &MatchId, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

std::wstring ControlText(HWND root, int id) {
  wchar_t text[64] = L"";
  if (HWND control = Control(root, id)) GetWindowTextW(control, text, 64);
  return text;
}

class TrayCommandsTest : public testing::Test {
 protected:
  TrayCommandsTest() {
    {
      test::ClipboardWrite clear(writer->Handle());
    }
    // A first run: no options stored by an earlier test.
    DeleteFileW(SettingsFileOnDisk().c_str());
    app::CreateProgramWindows(application, settings, optionFile, nullptr);
    settings.Set(Option::BeepOnAdd, false);
    // The first showing, as the start-up makes it: capture starts.
    app::mainWindow->Show();
    app::mainWindow->Hide();
  }

  void Copy(const std::wstring& text) {
    {
      test::ClipboardWrite write(writer->Handle());
      write.Text(text);
    }
    const int before = app::mainWindow->Store().TextCount();
    test::PumpUntil([&] { return app::mainWindow->Store().TextCount() == before + 1; });
  }
  void CopyPicture(COLORREF colour) {
    {
      test::ClipboardWrite write(writer->Handle());
      write.Bitmap(test::SolidBitmap(8, 6, colour));
    }
    const int before = app::mainWindow->Store().ImageCount();
    test::PumpUntil([&] { return app::mainWindow->Store().ImageCount() == before + 1; });
  }

  SeenMenu OpenTrayMenu() {
    SeenMenu seen;
    seenMenu = &seen;
    SetTimer(nullptr, 0, kMenuLookDelayMs, ReadOpenMenu);
    HWND tray = FindWindowW(core::kTrayIconClass, nullptr);
    // Only the icon on show has a menu; try both as the shell would reach either.
    for (; tray; tray = FindWindowExW(nullptr, tray, core::kTrayIconClass, nullptr))
      SendMessageW(tray, kTrayCallback, 0, WM_RBUTTONUP);
    seenMenu = nullptr;
    return seen;
  }

  void Choose(int commandId) {
    SendMessageW(app::startupWindow->Handle(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
  }

  test::MessageBoxRecorder boxes;
  settings::Settings settings;
  // Counts the reads and writes of the options section, one file name each.
  int optionFileUses = 0;
  settings::OptionFile optionFile{settings, [this] {
                                    ++optionFileUses;
                                    return settings::SettingsFilePath();
                                  }};
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<test::ClipboardWriter> writer = ui::MakeWindow<test::ClipboardWriter>();
};

TEST_F(TrayCommandsTest, TheOpenMenuListsTheCellsAndTheOptionsAsTheyAreNow) {
  CopyPicture(RGB(200, 0, 0));
  CopyPicture(RGB(0, 200, 0));
  Copy(L"Salt & pepper\r\nand more");
  settings.Set(Option::DisableCapture, true);

  const SeenMenu menu = OpenTrayMenu();
  ASSERT_EQ(menu.top.size(), 13u) << "the menu did not open, or not whole";
  EXPECT_EQ(menu.top.front(), L"Show Kestrel");
  EXPECT_EQ(menu.top.back(), L"Exit Kestrel 99");
  ASSERT_GE(menu.submenus.size(), 6u);
  EXPECT_EQ(menu.submenus[0], (std::vector<MenuLine>{{L"Image Cell 1"}, {L"Image Cell 2"}}));
  EXPECT_EQ(menu.submenus[1], (std::vector<MenuLine>{{L"Salt && pepper"}}));
  // Options > Preferences, whose last item is "Disable Kestrel".
  const std::vector<MenuLine>& preferences = menu.submenus[3];
  ASSERT_EQ(preferences.size(), 5u);
  EXPECT_EQ(preferences[4], (MenuLine{L"Disable Kestrel", true}));
  EXPECT_EQ(preferences[0], (MenuLine{L"Beep when adding new items", false}));

  // The next opening follows a change at once.
  settings.Set(Option::DisableCapture, false);
  Copy(L"second");
  const SeenMenu again = OpenTrayMenu();
  ASSERT_GE(again.submenus.size(), 4u);
  EXPECT_EQ(again.submenus[1].size(), 2u);
  EXPECT_FALSE(again.submenus[3][4].checked);
}

TEST_F(TrayCommandsTest, ChosenItemsActOnTheCellsTheWindowsAndTheOptions) {
  CopyPicture(RGB(200, 0, 0));
  CopyPicture(RGB(0, 0, 200));
  app::mainWindow->OnImageCellClick(1);

  Choose(app::kImageCellCommandBase + 2);
  EXPECT_EQ(app::mainWindow->Store().SelectedCell(history::CellKind::Image), 2);
  EXPECT_TRUE(IsWindowVisible(app::cellWindow->Handle())) << "the save window did not open on the cell";
  EXPECT_FALSE(IsWindowVisible(app::mainWindow->Handle()));
  app::cellWindow->Hide();

  Choose(app::kNoTextCommand);
  EXPECT_TRUE(IsWindowVisible(app::mainWindow->Handle()));
  EXPECT_EQ(app::mainWindow->PageIndex(), 1);
  Choose(app::kHideKestrelCommand);
  EXPECT_FALSE(IsWindowVisible(app::mainWindow->Handle()));

  const int disable = app::kFirstToggleCommand + 4;
  Choose(disable);
  EXPECT_TRUE(settings.IsOn(Option::DisableCapture));
  wchar_t caption[128] = L"";
  GetWindowTextW(app::mainWindow->Handle(), caption, 128);
  EXPECT_EQ(std::wstring(caption), history::kDisabledWindowCaption);
  Choose(disable);
  EXPECT_FALSE(settings.IsOn(Option::DisableCapture));
  // Each toggle is on disk at once.
  wchar_t stored[16] = L"";
  GetPrivateProfileStringW(L"options", L"CheckBox954_Checked", L"", stored, 16, SettingsFileOnDisk().c_str());
  EXPECT_EQ(std::wstring(stored), L"False");
  Choose(disable);
  GetPrivateProfileStringW(L"options", L"CheckBox954_Checked", L"", stored, 16, SettingsFileOnDisk().c_str());
  EXPECT_EQ(std::wstring(stored), L"True");
  EXPECT_TRUE(boxes.boxes.empty());
}

// A toggle from the tray and the dialog's OK share the apply step and the
// store: either pushes the option to the main window's buttons and writes
// the options section once, with its keys in the order start-up wrote them.
TEST_F(TrayCommandsTest, TrayToggleAndDialogOkApplyAndStoreTheOptionAlike) {
  EXPECT_EQ(optionFileUses, 2) << "start-up reads the options once and writes them back once";
  const std::vector<std::wstring> keys = OptionKeys();
  ASSERT_EQ(keys.size(), 4 + settings::kStoredKeyCount);
  const settings::OptionRow& row = settings::RowOf(Option::OnlyBitmapsOnButtons);
  HWND main = app::mainWindow->Handle();
  ASSERT_NE(ControlText(main, history::kOptionsButtonId), L"");

  Choose(app::ToggleCommandOf(row.option));
  EXPECT_EQ(ControlText(main, history::kOptionsButtonId), L"");
  EXPECT_EQ(optionFileUses, 3);
  EXPECT_EQ(StoredOption(row), L"True");
  EXPECT_EQ(OptionKeys(), keys);

  app::optionsDialog->ShowPage(row.page);
  app::optionsDialog->Show();
  EXPECT_EQ(optionFileUses, 4) << "a showing reads the options";
  HWND dialog = app::optionsDialog->Handle();
  SendMessageW(Control(dialog, row.controlId), BM_CLICK, 0, 0);
  EXPECT_EQ(StoredOption(row), L"True") << "a click is stored by OK only";
  SendMessageW(Control(dialog, settings::kOkButtonId), BM_CLICK, 0, 0);
  EXPECT_FALSE(app::optionsDialog->IsVisible());
  EXPECT_NE(ControlText(main, history::kOptionsButtonId), L"");
  EXPECT_EQ(optionFileUses, 5);
  EXPECT_EQ(StoredOption(row), L"False");
  EXPECT_EQ(OptionKeys(), keys);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(TrayCommandsTest, MessagesArrivingDuringShutdownBringNothingBack) {
  // Help is made on its first use, and goes with the others.
  EXPECT_EQ(FindWindowW(core::kHelpWindowClass, nullptr), nullptr);
  Choose(app::kHelpCommand);
  ASSERT_NE(app::helpWindow, nullptr);
  EXPECT_TRUE(IsWindowVisible(app::helpWindow->Handle()));
  const std::function<void(ui::Form&)> forget = application.onFormDestroying;
  HWND main = app::mainWindow->Handle();
  std::vector<HWND> trays;
  for (HWND tray = FindWindowW(core::kTrayIconClass, nullptr); tray;
       tray = FindWindowExW(nullptr, tray, core::kTrayIconClass, nullptr))
    trays.push_back(tray);
  int shownDuringShutdown = 0;
  int formsGone = 0;
  // As each window goes, the user double-clicks the tray icon, picks "Show
  // Kestrel" and another program copies a text.
  application.onFormDestroying = [&](ui::Form& form) {
    forget(form);
    ++formsGone;
    for (HWND tray : trays)
      if (IsWindow(tray)) SendMessageW(tray, kTrayCallback, 0, WM_LBUTTONDBLCLK);
    if (app::startupWindow) Choose(app::kShowKestrelCommand);
    {
      test::ClipboardWrite write(writer->Handle());
      write.Text(L"copied during shutdown " + std::to_wstring(formsGone));
    }
    test::PumpFor(20);
    if (IsWindow(main) && IsWindowVisible(main)) ++shownDuringShutdown;
  };
  application.DestroyForms();
  EXPECT_EQ(formsGone, 10);
  EXPECT_EQ(shownDuringShutdown, 0) << "a late message brought the main window back";
  EXPECT_EQ(app::mainWindow, nullptr);
  EXPECT_EQ(app::startupWindow, nullptr);
  EXPECT_TRUE(boxes.boxes.empty());
}

// Steps of a user inside the modal directory picker, one per timer tick:
// wait for the tree, pick C:\WINDOWS\SYSTEM32, then press Cancel.
int pickerSteps = 0;
void CALLBACK PickThenCancel(HWND, UINT, UINT_PTR id, DWORD) {
  if (!app::directoryPicker->IsVisible() || app::directoryPicker->Tree().IsBusy()) return;
  if (pickerSteps++ == 0) {
    app::directoryPicker->SelectDirectory(L"c:\\windows\\system32");
    return;
  }
  if (app::directoryPicker->SelectedDirectory() != L"C:\\WINDOWS\\SYSTEM32\\") return;
  KillTimer(nullptr, id);
  PostMessageW(app::directoryPicker->Handle(), WM_COMMAND, MAKEWPARAM(tools::DirectoryPicker::kCancelId, BN_CLICKED), 0);
}

TEST_F(TrayCommandsTest, BrowseTakesTheTreesSelectionEvenWhenThePickerIsCancelled) {
  pickerSteps = 0;
  SetTimer(nullptr, 0, 20, PickThenCancel);
  Choose(app::kBrowseCommand);
  EXPECT_EQ(settings.WallpaperDirectory(), L"C:\\WINDOWS\\SYSTEM32\\");
  EXPECT_FALSE(IsWindowVisible(app::optionsDialog->Handle())) << "Browse closes the options again";
  EXPECT_FALSE(IsWindowVisible(app::directoryPicker->Handle()));
}

TEST_F(TrayCommandsTest, ExitLeavesADriveThatNeverAnswersBehind) {
  // Every drive answers only when the test lets it, or when its patience ends.
  struct Gate {
    ui::unique_handle open{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::atomic<int> waiting{0};
    std::atomic<bool> outwaited{false};
  };
  const auto gate = std::make_shared<Gate>();
  tools::DirectoryTree::FileSystem unreachable = tools::DirectoryTree::SystemFileSystem();
  unreachable.describeDrive = [gate](wchar_t) {
    ++gate->waiting;
    if (WaitForSingleObject(gate->open.get(), 30000) != WAIT_OBJECT_0) gate->outwaited = true;
    --gate->waiting;
    return tools::DirectoryTree::DriveInfo{};
  };
  app::directoryPicker->Tree().SetFileSystem(unreachable);
  app::directoryPicker->Show();
  ASSERT_TRUE(test::PumpUntil([&] { return gate->waiting > 0; }));
  application.DestroyForms();
  SetEvent(gate->open.get());
  while (gate->waiting > 0) Sleep(1);
  EXPECT_FALSE(gate->outwaited) << "the program's end waited for a drive";
}

}  // namespace
