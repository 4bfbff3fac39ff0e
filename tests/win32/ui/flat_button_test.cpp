// The flat button as the user sees it: rendered through the real owner-draw
// path (WM_PRINTCLIENT -> WM_DRAWITEM at the parent, handed back to the
// button) and read back pixel by pixel.
#include "ui/flat_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "resource_ids.h"
#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/window.h"
#include "win32/ui/rendering.h"

namespace {

using test::Render;
using test::Rendering;

constexpr int kButtonId = 7;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
constexpr int kGlyphSize = 16;
constexpr int kGlyphInkFrom = 4;  // the glyph's opaque square: 4..11 in both directions
constexpr int kGlyphInkTo = 12;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kInk = RGB(0, 160, 0);

// A parent that does what a form does for its flat buttons: counts their
// clicks. Their painting is theirs.
class ButtonHost : public ui::Window {
 public:
  ButtonHost() {
    ui::WindowParams params;
    params.className = L"KestrelFlatButtonTestHost";
    params.style = WS_POPUP;
    params.width = kButtonWidth * 2;
    params.height = kButtonHeight * 2;
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    CreateFromParams(params);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    button.Create(Handle(), kButtonId, 0, 0, kButtonWidth, kButtonHeight, L"");
  }

  ui::FlatButton button;
  int clicks = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) ++clicks;
        return 0;
      default: return DefaultHandling(message, wParam, lParam);
    }
  }
};

// A 16x16 glyph: a green square on the magenta transparency key.
ui::unique_hbitmap MakeGlyph() {
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap glyph(CreateCompatibleBitmap(screen.get(), kGlyphSize, kGlyphSize));
  ui::SelectGuard select(dc.get(), glyph.get());
  ui::unique_hbrush key(CreateSolidBrush(kMagenta));
  ui::unique_hbrush ink(CreateSolidBrush(kInk));
  const RECT all{0, 0, kGlyphSize, kGlyphSize};
  const RECT square{kGlyphInkFrom, kGlyphInkFrom, kGlyphInkTo, kGlyphInkTo};
  FillRect(dc.get(), &all, key.get());
  FillRect(dc.get(), &square, ink.get());
  return glyph;
}

class FlatButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::unique_hbitmap glyph = MakeGlyph();
    host->button.SetGlyph(glyph.get());
  }
  HWND Button() const { return host->button.Handle(); }

  ui::WindowPtr<ButtonHost> host = ui::MakeWindow<ButtonHost>();
};

constexpr int kInkPixels = (kGlyphInkTo - kGlyphInkFrom) * (kGlyphInkTo - kGlyphInkFrom);

TEST_F(FlatButtonTest, GlyphShowsItsInkAndTheFaceThroughTheMagentaKey) {
  ASSERT_TRUE(host->button.HasGlyph());
  const Rendering shot = Render(Button());
  EXPECT_EQ(shot.Count(kInk), kInkPixels);
  EXPECT_EQ(shot.Count(kMagenta), 0) << "the transparency key must never reach the screen";
  EXPECT_EQ(shot.At(0, 0), GetSysColor(COLOR_BTNFACE)) << "flat at rest: no border";
  EXPECT_EQ(shot.At(kButtonWidth - 1, kButtonHeight - 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(FlatButtonTest, GlyphAloneIsCentredAndStandsLeftOfACaption) {
  const auto [aloneLeft, aloneRight] = Render(Button()).Columns(kInk);
  ASSERT_GE(aloneLeft, 0);
  EXPECT_LE(std::abs(aloneLeft - (kButtonWidth - 1 - aloneRight)), 1) << "glyph without caption is centred";

  host->button.SetText(L"&Go");
  const Rendering shot = Render(Button());
  const auto [left, right] = shot.Columns(kInk);
  EXPECT_LT(left, aloneLeft) << "the caption pushes the glyph to the left";
  const auto [textLeft, textRight] = shot.Columns(GetSysColor(COLOR_BTNTEXT));
  EXPECT_GT(textLeft, right) << "the caption follows the glyph";
  EXPECT_LT(textRight, kButtonWidth - 1);
}

TEST_F(FlatButtonTest, DisabledButtonGreysItsGlyphAndCaption) {
  host->button.SetText(L"&Go");
  EnableWindow(Button(), FALSE);
  const Rendering shot = Render(Button());
  EXPECT_EQ(shot.Count(kInk), 0) << "a disabled glyph loses its colours";
  EXPECT_EQ(shot.Count(kMagenta), 0);
  EXPECT_EQ(shot.Count(GetSysColor(COLOR_BTNTEXT)), 0) << "a disabled caption is not drawn in the text colour";
  EXPECT_GT(shot.Count(GetSysColor(COLOR_3DSHADOW)), 0) << "but it is still drawn";
}

TEST_F(FlatButtonTest, EdgeRisesUnderTheMouseAndSinksWhilePressed) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  SendMessageW(Button(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(host->button.IsHot());
  Rendering shot = Render(Button());
  EXPECT_EQ(shot.At(0, 0), GetSysColor(COLOR_3DHILIGHT)) << "raised: light top-left";
  EXPECT_EQ(shot.At(kButtonWidth - 1, kButtonHeight - 1), GetSysColor(COLOR_3DSHADOW));

  SendMessageW(Button(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(host->button.IsHot());
  EXPECT_EQ(Render(Button()).At(0, 0), face) << "flat again once the mouse has left";

  SendMessageW(Button(), BM_SETSTATE, TRUE, 0);
  shot = Render(Button());
  EXPECT_EQ(shot.At(0, 0), GetSysColor(COLOR_3DSHADOW)) << "sunken: dark top-left";
  EXPECT_EQ(shot.At(kButtonWidth - 1, kButtonHeight - 1), GetSysColor(COLOR_3DHILIGHT));
  SendMessageW(Button(), BM_SETSTATE, FALSE, 0);
}

TEST_F(FlatButtonTest, EveryClickOfADoubleClickPressesTheButton) {
  const LPARAM inside = MAKELPARAM(5, 5);
  SendMessageW(Button(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(Button(), WM_LBUTTONUP, 0, inside);
  SendMessageW(Button(), WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  SendMessageW(Button(), WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(host->clicks, 2);
}

// A glyph is drawn for the button's scale, never stretched: of the sizes
// drawn, the largest that fits the scale, and at 150 % the 24 pixel image
// is on screen pixel for pixel, its magenta key showing the face.
TEST_F(FlatButtonTest, GlyphForAScaleIsTheImageDrawnForItShownPixelForPixel) {
  for (const auto& [dpi, side] : {std::pair{96, 16}, {120, 20}, {168, 24}, {192, 32}, {288, 32}}) {
    ASSERT_TRUE(host->button.LoadGlyph(IDB_GLYPH_BROWSE, ui::Dpi(dpi)));
    EXPECT_EQ(host->button.GlyphSize().cx, side) << dpi << " DPI";
    EXPECT_EQ(host->button.GlyphSize().cy, side) << dpi << " DPI";
  }

  ASSERT_TRUE(host->button.LoadGlyph(IDB_GLYPH_BROWSE, ui::Dpi(144)));
  constexpr int kSide = 24;
  ui::unique_hbitmap drawn(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                           MAKEINTRESOURCEW(SCALED_GLYPH_ID(IDB_GLYPH_BROWSE, kSide)),
                                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  ASSERT_TRUE(drawn);
  ui::WindowDC screen(nullptr);
  ui::unique_hdc drawnDc(CreateCompatibleDC(screen.get()));
  ui::SelectGuard select(drawnDc.get(), drawn.get());

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Rendering shot = Render(Button());
  int left = shot.width;
  int top = shot.height;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (shot.At(x, y) == face) continue;
      left = std::min(left, x);
      top = std::min(top, y);
    }
  }
  // The glyph's first inked row and column show where it was put.
  int inkLeft = kSide;
  int inkTop = kSide;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (GetPixel(drawnDc.get(), x, y) == kMagenta) continue;
      inkLeft = std::min(inkLeft, x);
      inkTop = std::min(inkTop, y);
    }
  }
  ASSERT_LT(left, shot.width);
  const int glyphLeft = left - inkLeft;
  const int glyphTop = top - inkTop;
  ASSERT_GE(glyphLeft, 0);
  ASSERT_GE(glyphTop, 0);
  ASSERT_LE(glyphTop + kSide, shot.height);
  int differing = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const COLORREF pixel = GetPixel(drawnDc.get(), x, y);
      differing += shot.At(glyphLeft + x, glyphTop + y) != (pixel == kMagenta ? face : pixel) ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0) << "the 24 pixel glyph must reach the screen unchanged";
}

}  // namespace
