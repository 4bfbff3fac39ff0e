#include "picture/pixel_pack.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using picture::PackOptions;
using picture::RowFilterChoice;

// Pixels that exercise every row filter: flat runs, gradients, noise and
// edges, with the alpha byte made by `alpha`.
template <typename AlphaOf>
std::vector<std::uint8_t> MixedPixels(int width, int height, AlphaOf alpha) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  std::mt19937 random(static_cast<unsigned>(width * 7919 + height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 4];
      switch ((y / 3) % 4) {
        case 0:
          p[0] = 200;
          p[1] = 10;
          p[2] = 250;
          break;
        case 1:
          p[0] = static_cast<std::uint8_t>(x * 3);
          p[1] = static_cast<std::uint8_t>(y);
          p[2] = 7;
          break;
        case 2:
          p[0] = static_cast<std::uint8_t>(random());
          p[1] = static_cast<std::uint8_t>(random());
          p[2] = static_cast<std::uint8_t>(random());
          break;
        default: p[0] = p[1] = p[2] = (x % 5 == 0) ? 0 : 255; break;
      }
      p[3] = alpha(x, y, random);
    }
  }
  return pixels;
}

void ExpectRoundTrip(int width, int height, const std::vector<std::uint8_t>& pixels, bool expectAlpha,
                     const PackOptions& options) {
  const auto packed = picture::PackPixels(width, height, pixels.data(), pixels.size(), options);
  ASSERT_TRUE(packed) << width << "x" << height;
  EXPECT_EQ(packed->hasAlpha, expectAlpha) << width << "x" << height;
  EXPECT_EQ(picture::UnpackPixels(*packed), pixels) << width << "x" << height << " level " << options.level;
}

TEST(PixelPack, EveryShapeAlphaAndFilterComesBackExactly) {
  const auto opaque = [](int, int, std::mt19937&) -> std::uint8_t { return 255; };
  const auto clear = [](int, int, std::mt19937&) -> std::uint8_t { return 0; };
  // 0 and 255 mixed is a real mask and must be kept, as must any other value.
  const auto mask = [](int x, int y, std::mt19937&) -> std::uint8_t { return (x + y) % 2 ? 255 : 0; };
  const auto soft = [](int, int, std::mt19937& r) -> std::uint8_t { return static_cast<std::uint8_t>(r()); };
  const int sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {3, 5}, {7, 13}, {101, 37}};
  for (const auto& size : sizes) {
    const int w = size[0];
    const int h = size[1];
    for (const PackOptions options : {PackOptions{1, RowFilterChoice::Adaptive}, PackOptions{6, RowFilterChoice::Sub},
                                      PackOptions{9, RowFilterChoice::Up}}) {
      ExpectRoundTrip(w, h, MixedPixels(w, h, opaque), false, options);
      ExpectRoundTrip(w, h, MixedPixels(w, h, clear), false, options);
      if (w * h > 1) ExpectRoundTrip(w, h, MixedPixels(w, h, mask), true, options);
      ExpectRoundTrip(w, h, MixedPixels(w, h, soft), w * h > 1 || MixedPixels(w, h, soft)[3] % 255 != 0, options);
    }
  }
}

TEST(PixelPack, ScreenContentShrinksAndStopOrBadInputGivesNothing) {
  const int w = 640;
  const int h = 480;
  const auto pixels = MixedPixels(w, h, [](int, int, std::mt19937&) -> std::uint8_t { return 255; });
  const auto packed = picture::PackPixels(w, h, pixels.data(), pixels.size());
  ASSERT_TRUE(packed);
  EXPECT_LT(packed->data.size(), pixels.size() / 3) << "three quarters of the rows are plain or smooth";

  std::atomic<bool> stop{true};
  EXPECT_FALSE(picture::PackPixels(w, h, pixels.data(), pixels.size(), {}, &stop));
  EXPECT_FALSE(picture::PackPixels(w, h + 1, pixels.data(), pixels.size())) << "size does not match the pixels";

  picture::PackedPixels cut = *packed;
  cut.data.resize(cut.data.size() / 2);
  EXPECT_TRUE(picture::UnpackPixels(cut).empty()) << "a cut stream is no picture, not half of one";
  picture::PackedPixels taller = *packed;
  taller.height += 1;
  EXPECT_TRUE(picture::UnpackPixels(taller).empty());
}

}  // namespace
