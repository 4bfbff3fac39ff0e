// Pictures drawn into cells: shrinking goes through a cached scaled copy,
// which must show the same picture as drawing the original, at every size.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "ui/handles.h"
#include "ui/picture.h"

namespace {

constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 220);

// A picture whose left half is red and right half blue.
ui::Picture TwoColourPicture(int width, int height) {
  ui::WindowDC screen(nullptr);
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  {
    ui::SelectGuard select(dc.get(), bitmap.get());
    ui::unique_hbrush red(CreateSolidBrush(kRed));
    ui::unique_hbrush blue(CreateSolidBrush(kBlue));
    RECT left{0, 0, width / 2, height};
    RECT right{width / 2, 0, width, height};
    FillRect(dc.get(), &left, red.get());
    FillRect(dc.get(), &right, blue.get());
  }
  return ui::Picture::FromBitmap(bitmap.get(), nullptr);
}

// Draws the picture into a white canvas and reads back one pixel.
class Canvas {
 public:
  Canvas() {
    RECT all{0, 0, kSize, kSize};
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  HDC dc() const { return dc_.get(); }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  static constexpr int kSize = 200;

 private:
  ui::WindowDC screen_{nullptr};
  ui::unique_hbitmap bitmap_{CreateCompatibleBitmap(screen_.get(), kSize, kSize)};
  ui::unique_hdc dc_{CreateCompatibleDC(screen_.get())};
  ui::SelectGuard selected_{dc_.get(), bitmap_.get()};
};

bool Near(COLORREF actual, COLORREF expected) {
  const int tolerance = 40;
  return std::abs(GetRValue(actual) - GetRValue(expected)) < tolerance &&
         std::abs(GetGValue(actual) - GetGValue(expected)) < tolerance &&
         std::abs(GetBValue(actual) - GetBValue(expected)) < tolerance;
}

TEST(PictureTest, ShrunkPictureKeepsItsLayoutAtEverySizeItIsDrawnAt) {
  const ui::Picture picture = TwoColourPicture(800, 600);
  ASSERT_EQ(picture.GetKind(), ui::Picture::Kind::Bitmap);
  for (const RECT target : {RECT{8, 8, 97, 81}, RECT{0, 0, 40, 30}, RECT{8, 8, 97, 81}}) {
    Canvas canvas;
    picture.Draw(canvas.dc(), target);
    const int middle = (target.top + target.bottom) / 2;
    EXPECT_TRUE(Near(canvas.At(target.left + 2, middle), kRed));
    EXPECT_TRUE(Near(canvas.At(target.right - 3, middle), kBlue));
    // Nothing is drawn outside the target.
    EXPECT_EQ(canvas.At(target.right + 1, middle), RGB(255, 255, 255));
  }
}

TEST(PictureTest, SmallPictureIsStretchedUpFromItself) {
  const ui::Picture picture = TwoColourPicture(20, 10);
  Canvas canvas;
  picture.Draw(canvas.dc(), RECT{0, 0, 180, 90});
  EXPECT_TRUE(Near(canvas.At(5, 45), kRed));
  EXPECT_TRUE(Near(canvas.At(175, 45), kBlue));
}

TEST(PictureTest, EmptyPictureDrawsNothing) {
  const ui::Picture picture;
  Canvas canvas;
  picture.Draw(canvas.dc(), RECT{0, 0, 89, 73});
  EXPECT_EQ(canvas.At(40, 40), RGB(255, 255, 255));
}

}  // namespace
