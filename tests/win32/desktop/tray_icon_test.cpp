#include "desktop/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resource_ids.h"
#include "win32/desktop/recording_window.h"

namespace desktop {
namespace {

using test::RecordingWindow;

struct NotifyCall {
  DWORD message;
  DWORD cbSize;
  HWND window;
  UINT id;
  UINT flags;
  UINT callbackMessage;
  HICON icon;
  std::string tip;
};

class TrayIconTest : public testing::Test {
 protected:
  TrayIcon::NotifyFunction Recorder() {
    return [this](DWORD message, NOTIFYICONDATAA* data) {
      calls.push_back({message, data->cbSize, data->hWnd, data->uID, data->uFlags, data->uCallbackMessage, data->hIcon,
                       std::string(data->szTip)});
      return message == NIM_ADD ? addSucceeds : TRUE;
    };
  }
  std::vector<DWORD> Messages() const {
    std::vector<DWORD> messages;
    for (const NotifyCall& call : calls) messages.push_back(call.message);
    return messages;
  }
  static HICON SomeIcon() { return LoadIconW(nullptr, IDI_APPLICATION); }

  std::vector<NotifyCall> calls;
  BOOL addSucceeds = TRUE;
};

TEST_F(TrayIconTest, AddModifyRemoveSequenceSkipsUnchangedValues) {
  TrayIcon tray(Recorder());
  tray.SetHint(L"Kestrel 99");  // active but no picture: add stops after its remove
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_FALSE(tray.Added());

  tray.SetIcon(SomeIcon());
  ASSERT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_DELETE, NIM_ADD}));
  EXPECT_TRUE(tray.Added());
  const NotifyCall& add = calls.back();
  EXPECT_EQ(add.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(add.window, tray.Handle());
  EXPECT_EQ(add.id, 0u);
  EXPECT_EQ(add.flags, 7u);
  EXPECT_EQ(add.callbackMessage, 0xB03Fu);
  EXPECT_EQ(add.icon, tray.Icon());
  EXPECT_NE(add.icon, SomeIcon()) << "the icon is a copy";
  EXPECT_EQ(add.tip, "Kestrel 99");

  calls.clear();
  tray.SetHint(L"Kestrel 99 is ACTIVE");
  ASSERT_EQ(Messages(), (std::vector<DWORD>{NIM_MODIFY}));
  EXPECT_EQ(calls.back().tip, "Kestrel 99 is ACTIVE");

  calls.clear();
  tray.SetHint(L"Kestrel 99 is ACTIVE");
  tray.SetActive(true);
  EXPECT_TRUE(calls.empty());

  tray.SetActive(false);
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_FALSE(tray.Added());
  calls.clear();
  tray.SetActive(false);
  tray.SetHint(L"Kestrel 99 is DISABLED");  // inactive and out: nothing to refresh
  EXPECT_TRUE(calls.empty());

  tray.SetActive(true);
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
  EXPECT_EQ(calls.back().tip, "Kestrel 99 is DISABLED");
}

TEST_F(TrayIconTest, TipIsTheHintBeforeTheBarCutTo63Characters) {
  TrayIcon tray(Recorder());
  tray.SetIcon(SomeIcon());
  tray.SetHint(L"Kestrel 99|Clipboard history");
  EXPECT_EQ(calls.back().tip, "Kestrel 99");

  const std::wstring seventy = L"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ01234567";
  ASSERT_EQ(seventy.size(), 70u);
  tray.SetHint(seventy);
  EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(calls.back().tip, std::string(seventy.begin(), seventy.begin() + 63));
}

TEST_F(TrayIconTest, FailedAddLeavesIconOutUntilTheNextHintChange) {
  addSucceeds = FALSE;
  TrayIcon tray(Recorder());
  tray.SetIcon(SomeIcon());
  EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_ADD));
  EXPECT_FALSE(tray.Added());

  addSucceeds = TRUE;
  calls.clear();
  tray.SetHint(L"again");
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
  EXPECT_TRUE(tray.Added());
}

TEST_F(TrayIconTest, IconWithoutPictureIsNeverAdded) {
  TrayIcon tray(Recorder());
  tray.AddIfActive();
  tray.SetHint(L"tip");
  for (const NotifyCall& call : calls) EXPECT_NE(call.message, static_cast<DWORD>(NIM_ADD));
  EXPECT_FALSE(tray.Added());

  tray.SetIcon(SomeIcon());
  ASSERT_TRUE(tray.Added());
  calls.clear();
  tray.SetIcon(nullptr);  // a refresh with an empty picture removes the icon
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_FALSE(tray.Added());
}

TEST_F(TrayIconTest, TaskbarCreatedPutsBackOnlyAnActiveIcon) {
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  TrayIcon active(Recorder());
  active.SetIcon(SomeIcon());
  TrayIcon inactive(Recorder());
  inactive.SetActive(false);
  inactive.SetIcon(SomeIcon());
  ASSERT_TRUE(active.Added());
  calls.clear();

  // Broadcast as the shell does, to every top-level window.
  SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  ASSERT_FALSE(calls.empty()) << "the hidden window must receive the broadcast";
  EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_ADD));
  for (const NotifyCall& call : calls) EXPECT_EQ(call.window, active.Handle());
  EXPECT_TRUE(active.Added());
}

TEST_F(TrayIconTest, DestructionRemovesIconAndHiddenWindow) {
  HWND hidden = nullptr;
  {
    TrayIcon tray(Recorder());
    tray.SetIcon(SomeIcon());
    hidden = tray.Handle();
    ASSERT_TRUE(IsWindow(hidden));
    calls.clear();
  }
  EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_EQ(calls.back().window, hidden);
  EXPECT_FALSE(IsWindow(hidden));
}

// --- callback routing ----------------------------------------------------

constexpr UINT kShowId = 101;
constexpr UINT kHideId = 102;
constexpr UINT kExitId = 103;
constexpr UINT kEndMenuDelayMs = 150;

// Closes whatever menu is being tracked, so the test does not wait for a user.
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EndMenu();
}

class TrayCallbackTest : public TrayIconTest {
 protected:
  TrayCallbackTest() : menu(CreatePopupMenu()) {
    AppendMenuW(menu.get(), MF_STRING, kShowId, L"Show Kestrel");
    AppendMenuW(menu.get(), MF_STRING, kHideId, L"Hide Kestrel");
    AppendMenuW(menu.get(), MF_STRING, kExitId, L"Exit Kestrel 99");
    tray.SetIcon(SomeIcon());
    tray.SetPopupMenu(menu.get(), target->Handle());
    tray.OnClick = [this](TrayIcon& sender, TrayIcon::MouseButton button, TrayIcon::ShiftState shift, int x, int y) {
      EXPECT_EQ(&sender, &tray);
      EXPECT_EQ(shift, 0u);
      clicks.push_back(button);
      clickAt = POINT{x, y};
    };
    tray.OnDoubleClick = [this](TrayIcon& sender) { ++doubleClicks; };
  }
  void Callback(UINT mouseMessage) {
    SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, 0, static_cast<LPARAM>(mouseMessage));
  }
  std::vector<UINT> Commands() const {
    std::vector<UINT> ids;
    for (const test::Received& r : target->received)
      if (r.message == WM_COMMAND) ids.push_back(LOWORD(r.wParam));
    return ids;
  }
  void SetState(UINT id, UINT state) {
    MENUITEMINFOW item{sizeof(item)};
    item.fMask = MIIM_STATE;
    item.fState = state;
    SetMenuItemInfoW(menu.get(), id, FALSE, &item);
  }

  ui::unique_hmenu menu;
  ui::WindowPtr<RecordingWindow> target = ui::MakeWindow<RecordingWindow>();
  TrayIcon tray{Recorder()};
  std::vector<TrayIcon::MouseButton> clicks;
  POINT clickAt{-1, -1};
  int doubleClicks = 0;
};

TEST_F(TrayCallbackTest, LeftButtonUpIsAClickAtTheCursor) {
  SetCursorPos(40, 50);
  POINT cursor{};
  GetCursorPos(&cursor);
  Callback(WM_LBUTTONUP);
  ASSERT_EQ(clicks, (std::vector<TrayIcon::MouseButton>{TrayIcon::MouseButton::Left}));
  EXPECT_EQ(clickAt.x, cursor.x);
  EXPECT_EQ(clickAt.y, cursor.y);
  EXPECT_EQ(doubleClicks, 0);

  Callback(WM_MOUSEMOVE);  // any other mouse message does nothing
  Callback(WM_RBUTTONDOWN);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(TrayCallbackTest, RightButtonUpOpensTheMenuWhenItCanBeShown) {
  int popups = 0;
  UINT_PTR timer = 0;
  tray.OnPopup = [&] {
    ++popups;
    timer = SetTimer(nullptr, 0, kEndMenuDelayMs, &EndMenuSoon);
  };
  const DWORD start = GetTickCount();
  Callback(WM_RBUTTONUP);
  const DWORD tracked = GetTickCount() - start;
  KillTimer(nullptr, timer);
  EXPECT_EQ(popups, 1);
  EXPECT_GE(tracked, kEndMenuDelayMs) << "the menu was tracked until it was ended";
  EXPECT_TRUE(clicks.empty());

  // Without the menu's own consent, or while inactive, the click is a click.
  tray.SetAutoPopup(false);
  Callback(WM_RBUTTONUP);
  tray.SetAutoPopup(true);
  tray.SetActive(false);
  Callback(WM_RBUTTONUP);
  tray.SetActive(true);
  tray.SetPopupMenu(nullptr, target->Handle());
  Callback(WM_RBUTTONUP);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(clicks, std::vector<TrayIcon::MouseButton>(3, TrayIcon::MouseButton::Right));
}

TEST_F(TrayCallbackTest, ChosenMenuCommandReachesTheCommandTarget) {
  // TrackPopupMenu posts the chosen item's command to the hidden window.
  SendMessageW(tray.Handle(), WM_COMMAND, MAKEWPARAM(kExitId, 0), 0);
  EXPECT_EQ(Commands(), (std::vector<UINT>{kExitId}));
}

TEST_F(TrayCallbackTest, DoubleClickWithoutDefaultItemRaisesOnDoubleClick) {
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_TRUE(Commands().empty());
  EXPECT_TRUE(clicks.empty());
}

TEST_F(TrayCallbackTest, DoubleClickClicksTheFirstDefaultItemOnly) {
  SetState(kHideId, MFS_DEFAULT);
  SetState(kExitId, MFS_DEFAULT);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(Commands(), (std::vector<UINT>{kHideId}));
  EXPECT_EQ(doubleClicks, 0);

  // A disabled default item cannot be clicked, and it still is the default.
  SetState(kHideId, MFS_DEFAULT | MFS_DISABLED);
  Callback(WM_LBUTTONDBLCLK);
  EXPECT_EQ(Commands(), (std::vector<UINT>{kHideId}));
  EXPECT_EQ(doubleClicks, 0);
}

// The notification area shows small icons, and stretches one of another
// size. The icon follows the small-icon size of the scale it is given, also
// when that scale changes while it is shown.
TEST_F(TrayIconTest, IconResourceIsLoadedAtTheSmallIconSizeOfTheScaleAndAgainWhenTheScaleChanges) {
  int dpi = 144;
  std::vector<std::pair<DWORD, int>> shown;  // each call's message and its icon's width
  TrayIcon tray(
      [&](DWORD message, NOTIFYICONDATAA* data) {
        ICONINFO info{};
        BITMAP colour{};
        if (data->hIcon && GetIconInfo(data->hIcon, &info)) {
          GetObjectW(info.hbmColor, sizeof(colour), &colour);
          DeleteObject(info.hbmColor);
          DeleteObject(info.hbmMask);
        }
        shown.emplace_back(message, colour.bmWidth);
        return TRUE;
      },
      [&] { return ui::Dpi(dpi); });
  const int side150 = ui::Dpi(144).Metric(SM_CXSMICON);
  const int side200 = ui::Dpi(192).Metric(SM_CXSMICON);
  ASSERT_LT(side150, side200) << "the two scales must ask for different sizes";

  tray.SetIconResource(IDI_TRAY_ACTIVE);
  ASSERT_TRUE(tray.Added());
  EXPECT_EQ(shown.back(), std::make_pair(static_cast<DWORD>(NIM_ADD), side150));

  const size_t calls = shown.size();
  SendMessageW(tray.Handle(), WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(shown.size(), calls) << "a setting that leaves the size alone leaves the icon alone";

  dpi = 192;
  SendMessageW(tray.Handle(), WM_SETTINGCHANGE, 0, 0);
  ASSERT_EQ(shown.size(), calls + 1);
  EXPECT_EQ(shown.back(), std::make_pair(static_cast<DWORD>(NIM_MODIFY), side200));
}

}  // namespace
}  // namespace desktop
