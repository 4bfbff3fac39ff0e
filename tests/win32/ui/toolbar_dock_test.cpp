// The toolbar dock as its form sees it: the buttons it was given, their
// tips as the tooltip asks for them, clicks arriving as commands, and the
// toolbar floating out and docking back in.
#include "ui/toolbar_dock.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace {

constexpr int kDockHeight = 37;
constexpr int kHostWidth = 420;
constexpr int kHostHeight = 240;
constexpr int kSave = 201;
constexpr int kCopyBack = 202;
constexpr int kSetWallpaper = 203;
constexpr int kWallpaperOptions = 204;
constexpr int kNoWallpaper = 205;
constexpr wchar_t kTitle[] = L"Image Controls";
constexpr wchar_t kCopyBackTip[] = L"Copy back to\nthe windows\nclipboard";

const ui::ToolButton kButtons[] = {
    {kSave, IDB_TOOL_SAVE_IMAGE, L"Save Image"},
    {},
    {kCopyBack, IDB_TOOL_COPY_BACK, kCopyBackTip},
    {},
    {kSetWallpaper, IDB_TOOL_SET_WALLPAPER, L"Set as wallpaper"},
    {kWallpaperOptions, IDB_TOOL_WALLPAPER_OPTIONS, L"Wallpaper Options"},
    {},
    {kNoWallpaper, IDB_TOOL_NO_WALLPAPER, L"No wallpaper"},
};

// A form page holding the dock, noting every command that reaches it.
class Page : public ui::Window {
 public:
  Page() {
    ui::WindowParams params;
    params.className = L"KestrelToolbarDockTestPage";
    params.style = WS_POPUP | WS_VISIBLE;
    params.x = 200;
    params.y = 200;
    params.width = kHostWidth;
    params.height = kHostHeight;
    params.background = GetSysColorBrush(COLOR_WINDOW);
    CreateFromParams(params);
    dock.Create(Handle(), kDockHeight, kTitle, kButtons);
  }

  ui::ToolbarDock dock;
  std::vector<WPARAM> commands;
  std::vector<LPARAM> senders;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_COMMAND) return DefaultHandling(message, wParam, lParam);
    commands.push_back(wParam);
    senders.push_back(lParam);
    return 0;
  }
};

void Pump() {
  for (int round = 0; round < 5; ++round) {
    ui::Application::ProcessMessages();
    Sleep(10);
  }
}

class ToolbarDockTest : public testing::Test {
 protected:
  ui::ToolbarDock& Dock() { return page->dock; }
  HWND Toolbar() { return Dock().Toolbar(); }

  // What the toolbar's tooltip is told to show for a button.
  std::wstring TipOf(int command) {
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageW(Toolbar(), TB_GETTOOLTIPS, 0, 0));
    request.hdr.idFrom = static_cast<UINT_PTR>(command);
    request.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(Toolbar(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    if (request.lpszText && !IS_INTRESOURCE(request.lpszText)) return request.lpszText;
    return request.szText;
  }

  RECT ButtonRect(int command) {
    const auto index = SendMessageW(Toolbar(), TB_COMMANDTOINDEX, command, 0);
    RECT rect{};
    SendMessageW(Toolbar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  // A press and release of the left button in the middle of a button.
  void Click(int command) {
    const RECT rect = ButtonRect(command);
    const LPARAM middle = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(Toolbar(), WM_MOUSEMOVE, 0, middle);
    SendMessageW(Toolbar(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(Toolbar(), WM_LBUTTONUP, 0, middle);
    Pump();
  }

  bool Reached(int command) {
    for (size_t i = 0; i < page->commands.size(); ++i) {
      if (page->commands[i] == MAKEWPARAM(command, BN_CLICKED) && page->senders[i] == LPARAM(Toolbar())) return true;
    }
    return false;
  }

  RECT ToolbarBounds() {
    RECT bounds{};
    GetWindowRect(Toolbar(), &bounds);
    return bounds;
  }

  ui::WindowPtr<Page> page = ui::MakeWindow<Page>();
};

TEST_F(ToolbarDockTest, HoldsItsButtonsAndSeparatorsInOrderWithGlyphsAndTips) {
  RECT dock{};
  GetWindowRect(Dock().Handle(), &dock);
  EXPECT_EQ(dock.bottom - dock.top, kDockHeight);
  EXPECT_EQ(dock.right - dock.left, kHostWidth) << "the dock runs across the whole top";

  ASSERT_EQ(SendMessageW(Toolbar(), TB_BUTTONCOUNT, 0, 0), LRESULT(std::size(kButtons)));
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    TBBUTTON button{};
    SendMessageW(Toolbar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    if (kButtons[i].command == 0) {
      EXPECT_TRUE(button.fsStyle & BTNS_SEP) << "item " << i;
      continue;
    }
    EXPECT_EQ(button.idCommand, kButtons[i].command) << "item " << i;
    EXPECT_GE(button.iBitmap, 0) << "item " << i << " has no glyph";
    EXPECT_EQ(TipOf(kButtons[i].command), kButtons[i].tip);
  }
  HWND tips = reinterpret_cast<HWND>(SendMessageW(Toolbar(), TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tips, nullptr);
  EXPECT_GT(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), 0) << "without a width the tip shows on one line";
}

TEST_F(ToolbarDockTest, ClicksReachTheParentOnlyFromEnabledButtons) {
  Click(kCopyBack);
  EXPECT_TRUE(Reached(kCopyBack));

  Dock().SetButtonEnabled(kNoWallpaper, false);
  EXPECT_FALSE(Dock().IsButtonEnabled(kNoWallpaper));
  EXPECT_TRUE(Dock().IsButtonEnabled(kCopyBack));
  Click(kNoWallpaper);
  EXPECT_FALSE(Reached(kNoWallpaper));

  Dock().SetButtonEnabled(kNoWallpaper, true);
  Click(kNoWallpaper);
  EXPECT_TRUE(Reached(kNoWallpaper));
}

TEST_F(ToolbarDockTest, DisabledGlyphIsDrawnInGrey) {
  Dock().SetButtonEnabled(kSetWallpaper, false);
  const RECT enabled = ButtonRect(kWallpaperOptions);
  const RECT disabled = ButtonRect(kSetWallpaper);
  RECT client{};
  GetClientRect(Toolbar(), &client);
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  ui::SelectGuard select(dc.get(), canvas.get());
  SendMessageW(Toolbar(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
  // Both pictures show a green landscape; greyed, none of it keeps a colour.
  auto colouredPixels = [&](const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        const COLORREF pixel = GetPixel(dc.get(), x, y);
        const int spread =
            std::abs(GetGValue(pixel) - GetRValue(pixel)) + std::abs(GetGValue(pixel) - GetBValue(pixel));
        count += spread > 40 ? 1 : 0;
      }
    }
    return count;
  };
  EXPECT_GT(colouredPixels(enabled), 20);
  EXPECT_EQ(colouredPixels(disabled), 0);
}

TEST_F(ToolbarDockTest, FloatsInACaptionedToolWindowWithoutCloseBoxAndDocksBack) {
  const RECT docked = ToolbarBounds();
  Dock().Float(POINT{300, 600});
  ASSERT_TRUE(Dock().IsFloating());
  HWND frame = Dock().FloatingWindow();
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_EQ(ui::WindowText(frame), kTitle);
  EXPECT_FALSE(GetWindowLongW(frame, GWL_STYLE) & WS_SYSMENU) << "a close box would lose the toolbar";
  EXPECT_EQ(GetParent(Toolbar()), frame);
  RECT frameBounds{};
  GetWindowRect(frame, &frameBounds);
  EXPECT_TRUE(PtInRect(&frameBounds, POINT{300, 600})) << "the frame comes up under the mouse";
  Click(kSave);
  EXPECT_TRUE(Reached(kSave)) << "a floating toolbar still commands its page";

  Dock().Dock();
  EXPECT_FALSE(Dock().IsFloating());
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(GetParent(Toolbar()), Dock().Handle());
  const RECT back = ToolbarBounds();
  EXPECT_TRUE(EqualRect(&back, &docked)) << "docking restores the docked layout";
  Click(kSetWallpaper);
  EXPECT_TRUE(Reached(kSetWallpaper));
}

TEST_F(ToolbarDockTest, DraggingTheGripperOutOfTheDockFloatsTheToolbar) {
  const LPARAM gripper = MAKELPARAM(4, kDockHeight / 2);
  SendMessageW(Dock().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, gripper);
  SendMessageW(Dock().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, kDockHeight + 2));
  EXPECT_FALSE(Dock().IsFloating()) << "a wobble at the edge of the dock is no drag out";
  SendMessageW(Dock().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, kDockHeight + 120));
  ASSERT_TRUE(Dock().IsFloating());
  RECT frame{};
  GetWindowRect(Dock().FloatingWindow(), &frame);
  POINT mouse{150, kDockHeight + 120};
  ClientToScreen(Dock().Handle(), &mouse);
  EXPECT_TRUE(PtInRect(&frame, mouse));
  SendMessageW(Dock().Handle(), WM_LBUTTONUP, 0, 0);
}

TEST_F(ToolbarDockTest, AMoveEndingOverTheDockDocksItButNoneBesideThePageDoes) {
  RECT pageBounds{};
  GetWindowRect(page->Handle(), &pageBounds);
  Dock().Float(POINT{pageBounds.left + 100, pageBounds.bottom + 150});
  HWND frame = Dock().FloatingWindow();
  RECT frameBounds{};
  GetWindowRect(frame, &frameBounds);
  auto moveFrameTo = [&](int x, int y) {
    SetWindowPos(frame, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(frame, WM_EXITSIZEMOVE, 0, 0);
    Pump();
  };

  // Level with the dock but just left of the page: there is no dock at the side.
  moveFrameTo(pageBounds.left - (frameBounds.right - frameBounds.left) - 2, pageBounds.top);
  EXPECT_TRUE(Dock().IsFloating());
  moveFrameTo(pageBounds.right - 10, pageBounds.top + 50);
  EXPECT_TRUE(Dock().IsFloating()) << "over the page, below the dock";

  moveFrameTo(pageBounds.left + 40, pageBounds.top + kDockHeight - 5);
  EXPECT_FALSE(Dock().IsFloating());
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(GetParent(Toolbar()), Dock().Handle());
}

}  // namespace
