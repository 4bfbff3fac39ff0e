// A window's client area as it paints itself through WM_PRINTCLIENT, read
// back pixel by pixel into a fresh (black) bitmap: whatever the window
// leaves unpainted stays black.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/handles.h"

namespace test {

struct Rendering {
  std::vector<COLORREF> pixels;
  int width = 0;
  int height = 0;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  int Count(COLORREF colour) const {
    int count = 0;
    for (COLORREF pixel : pixels) count += pixel == colour ? 1 : 0;
    return count;
  }
  // Leftmost and rightmost column holding the colour (-1 when absent).
  std::pair<int, int> Columns(COLORREF colour) const {
    int left = -1;
    int right = -1;
    for (int x = 0; x < width; ++x) {
      for (int y = 0; y < height; ++y) {
        if (At(x, y) != colour) continue;
        if (left < 0) left = x;
        right = x;
      }
    }
    return {left, right};
  }
};

inline Rendering Render(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  Rendering result;
  result.width = client.right;
  result.height = client.bottom;
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap canvas(CreateCompatibleBitmap(screen.get(), result.width, result.height));
  ui::SelectGuard select(dc.get(), canvas.get());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) result.pixels.push_back(GetPixel(dc.get(), x, y));
  }
  return result;
}

}  // namespace test
