// Picture packing: how small and how fast, for a screen-like and a
// photo-like 3840 x 2160 picture, at zlib levels 1 and 6 with each way of
// choosing the row filter. The picture type's default comes from here.
//
//   bench_pixel_pack
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "picture/pixel_pack.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kLevels[] = {1, 6};

using Pixels = std::vector<std::uint8_t>;

void Put(Pixels& pixels, int x, int y, std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * kWidth + x) * 4];
  p[0] = blue;
  p[1] = green;
  p[2] = red;
  p[3] = 0;
}

void Fill(Pixels& pixels, int left, int top, int right, int bottom, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) Put(pixels, x, y, b, g, r);
  }
}

// Desktop-like: a flat background, framed windows with title bars, and
// lines of text-like strokes in them.
Pixels ScreenLike() {
  Pixels pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
  Fill(pixels, 0, 0, kWidth, kHeight, 128, 96, 0);
  std::mt19937 random(7);
  for (int w = 0; w < 12; ++w) {
    const int left = static_cast<int>(random() % (kWidth - 900));
    const int top = static_cast<int>(random() % (kHeight - 700));
    const int right = left + 400 + static_cast<int>(random() % 500);
    const int bottom = top + 300 + static_cast<int>(random() % 400);
    Fill(pixels, left, top, right, bottom, 192, 192, 192);
    Fill(pixels, left + 3, top + 3, right - 3, top + 22, 128, 0, 0);
    Fill(pixels, left + 6, top + 28, right - 6, bottom - 6, 255, 255, 255);
    for (int line = top + 34; line + 12 < bottom - 8; line += 16) {
      for (int x = left + 10; x < right - 12; x += 7) {
        if (random() % 6 == 0) continue;
        const unsigned glyph = random();
        for (int dy = 0; dy < 11; ++dy) {
          for (int dx = 0; dx < 5; ++dx) {
            if ((glyph >> ((dy * 5 + dx) % 31)) & 1 && (dx == 0 || dy % 5 == 0 || dx == 4)) {
              Put(pixels, x + dx, line + dy, 0, 0, 0);
            }
          }
        }
      }
    }
  }
  return pixels;
}

// Photo-like: smooth gradients with sensor noise.
Pixels PhotoLike() {
  Pixels pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
  std::mt19937 random(11);
  std::normal_distribution<double> noise(0.0, 3.0);
  const auto clamp = [](double v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double u = static_cast<double>(x) / kWidth;
      const double v = static_cast<double>(y) / kHeight;
      Put(pixels, x, y, clamp(60 + 150 * v + noise(random)), clamp(90 + 100 * u * v + noise(random)),
          clamp(200 - 120 * u + noise(random)));
    }
  }
  return pixels;
}

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Measure(const char* name, const Pixels& pixels) {
  struct Choice {
    const char* name;
    picture::RowFilterChoice filter;
  };
  const Choice choices[] = {{"adaptive", picture::RowFilterChoice::Adaptive},
                            {"sub", picture::RowFilterChoice::Sub},
                            {"up", picture::RowFilterChoice::Up}};
  for (const int level : kLevels) {
    for (const Choice& choice : choices) {
      const auto start = std::chrono::steady_clock::now();
      const auto packed = picture::PackPixels(kWidth, kHeight, pixels.data(), pixels.size(), {level, choice.filter});
      const double packMs = MsSince(start);
      if (!packed) {
        std::printf("%-8s level %d %-9s could not pack\n", name, level, choice.name);
        continue;
      }
      const auto unpackStart = std::chrono::steady_clock::now();
      const Pixels back = picture::UnpackPixels(*packed);
      const double unpackMs = MsSince(unpackStart);
      std::printf("%-8s level %d %-9s %9.2f MB %7.1f : 1 %8.0f ms pack %6.0f ms unpack%s\n", name, level, choice.name,
                  packed->data.size() / 1e6, static_cast<double>(pixels.size()) / packed->data.size(), packMs, unpackMs,
                  back == pixels ? "" : "  MISMATCH");
    }
  }
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  std::printf("Packing a %d x %d picture (%.1f MB raw), %d-bit build.\n", kWidth, kHeight, kWidth * 4.0 * kHeight / 1e6,
              static_cast<int>(sizeof(void*) * 8));
  Measure("screen", ScreenLike());
  Measure("photo", PhotoLike());
  return EXIT_SUCCESS;
}
