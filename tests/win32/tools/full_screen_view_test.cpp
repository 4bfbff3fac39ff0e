// The full-screen view as the user meets it: how it covers the screen, where
// the picture sits, when it scrolls, and which clicks and keys put it away.
#include "tools/full_screen_view.h"

#include <gtest/gtest.h>

#include "app/program_title.h"
#include "ui/application.h"
#include "win32/clipboard_support.h"

namespace tools {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class FullScreenViewTest : public testing::Test {
 protected:
  static picture::Picture Solid(int width, int height, COLORREF colour) {
    return picture::Picture::FromBitmap(test::SolidBitmap(width, height, colour).get(), nullptr);
  }
  bool HasStyle(DWORD style) const { return (GetWindowLongW(view->Handle(), GWL_STYLE) & style) != 0; }
  // The colour the view paints at a client point.
  COLORREF PixelAt(int x, int y) const {
    RECT client{};
    GetClientRect(view->Handle(), &client);
    ui::WindowDC screen(nullptr);
    ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
    ui::unique_hbitmap canvas(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    ui::SelectGuard select(dc.get(), canvas.get());
    SendMessageW(view->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    return GetPixel(dc.get(), x, y);
  }
  void Click(int x, int y, bool twice) {
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(view->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(view->Handle(), WM_LBUTTONUP, 0, at);
    if (twice) {
      SendMessageW(view->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageW(view->Handle(), WM_LBUTTONUP, 0, at);
    }
    ui::Application::ProcessMessages();
  }

  ui::Application application{app::ProgramTitle()};
  FullScreenView* view = application.CreateForm<FullScreenView>();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(FullScreenViewTest, SmallPictureSitsTopLeftOnBlackAcrossTheWholeScreen) {
  view->ShowPicture(Solid(40, 30, kRed));
  ui::Application::ProcessMessages();
  ASSERT_TRUE(view->IsVisible());
  RECT window{};
  GetWindowRect(view->Handle(), &window);
  EXPECT_EQ(window.left, 0);
  EXPECT_EQ(window.top, 0);
  EXPECT_EQ(window.right, screenWidth) << "the taskbar must be covered too";
  EXPECT_EQ(window.bottom, screenHeight);
  EXPECT_TRUE(GetWindowLongW(view->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(HasStyle(WS_HSCROLL | WS_VSCROLL)) << "nothing to scroll";
  EXPECT_EQ(PixelAt(0, 0), kRed);
  EXPECT_EQ(PixelAt(39, 29), kRed) << "the picture is not at its own size";
  EXPECT_EQ(PixelAt(40, 10), kBlack);
  EXPECT_EQ(PixelAt(10, 30), kBlack);
  EXPECT_EQ(PixelAt(screenWidth - 1, screenHeight - 1), kBlack);
}

TEST_F(FullScreenViewTest, ScrollBarsAppearOnlyWhereThePictureIsLarger) {
  view->ShowPicture(Solid(screenWidth + 100, 50, kRed));
  ui::Application::ProcessMessages();
  EXPECT_TRUE(HasStyle(WS_HSCROLL));
  EXPECT_FALSE(HasStyle(WS_VSCROLL)) << "the picture fits the height";
  SendMessageW(view->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(view->ScrollPosition().x, 100) << "the end of the picture must be reachable, no further";
  EXPECT_EQ(PixelAt(0, 60), kBlack);

  view->ShowPicture(Solid(screenWidth + 100, screenHeight + 100, kRed));
  ui::Application::ProcessMessages();
  EXPECT_TRUE(HasStyle(WS_HSCROLL) && HasStyle(WS_VSCROLL));
  EXPECT_EQ(view->ScrollPosition().x, 0) << "a new picture starts at its top-left corner";

  view->ShowPicture(picture::Picture());
  ui::Application::ProcessMessages();
  EXPECT_FALSE(HasStyle(WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(PixelAt(0, 0), kBlack) << "an empty cell shows a black screen";
}

TEST_F(FullScreenViewTest, OnlyADoubleClickOrEscPutsTheViewAway) {
  view->ShowPicture(Solid(40, 30, kRed));
  ui::Application::ProcessMessages();
  Click(10, 10, false);
  Click(400, 300, false);
  EXPECT_TRUE(view->IsVisible()) << "a single click closed the view";
  // Keys come through the message loop, as the keyboard's do.
  PostMessageW(view->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  ui::Application::ProcessMessages();
  EXPECT_TRUE(view->IsVisible()) << "a key other than Esc closed the view";
  PostMessageW(view->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  ui::Application::ProcessMessages();
  EXPECT_FALSE(view->IsVisible()) << "Esc must close the view: a keyboard user has no double click";

  view->ShowPicture(Solid(40, 30, kRed));
  ui::Application::ProcessMessages();
  Click(10, 10, true);
  EXPECT_FALSE(view->IsVisible()) << "a double click on the picture must close the view";

  view->ShowPicture(Solid(40, 30, kRed));
  ui::Application::ProcessMessages();
  Click(400, 300, true);
  EXPECT_FALSE(view->IsVisible()) << "a double click on the black area must close the view";
}

}  // namespace
}  // namespace tools
