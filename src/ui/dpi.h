// The scale a window is drawn at. Every layout number in the program is the
// 96 DPI value; a window's lengths go through its Dpi, so that on a screen at
// 125 %, 150 % or 200 % each window is laid out, lettered and drawn for its
// own monitor instead of being stretched as a bitmap by the system.
//
// The per-monitor functions are newer than Windows 7 and are looked up at run
// time; without them every window has the system's DPI.
#pragma once

#include <windows.h>

namespace ui {

inline constexpr int kBaseDpi = 96;

class Dpi {
 public:
  constexpr Dpi() = default;
  constexpr explicit Dpi(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  // The DPI the window is drawn at: its monitor's for a per-monitor aware
  // window, the system's otherwise.
  static Dpi Of(HWND window);
  // The DPI of the primary screen, which every window has where the system
  // knows no other.
  static Dpi System();
  // The DPI of a monitor, for a window about to be made on it.
  static Dpi OfMonitor(HMONITOR monitor);

  constexpr int Value() const { return dpi_; }
  constexpr bool IsBase() const { return dpi_ == kBaseDpi; }

  // A 96 DPI length at this scale, rounded to the nearest pixel.
  int Scale(int length) const { return MulDiv(length, dpi_, kBaseDpi); }
  RECT Scale(const RECT& rect) const { return {Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom)}; }
  SIZE Scale(SIZE size) const { return {Scale(size.cx), Scale(size.cy)}; }
  // A length at this scale back in 96 DPI units.
  int Unscale(int length) const { return MulDiv(length, kBaseDpi, dpi_); }
  SIZE Unscale(SIZE size) const { return {Unscale(size.cx), Unscale(size.cy)}; }
  // A 96 DPI outline that shares its last row and column with the next one
  // (a grid's frames): the shared line stays one pixel at any scale.
  RECT ScaleOutline(const RECT& rect) const {
    return {Scale(rect.left), Scale(rect.top), Scale(rect.right - 1) + 1, Scale(rect.bottom - 1) + 1};
  }

  // GetSystemMetrics for this scale (GetSystemMetricsForDpi where there is
  // one; the system's own value scaled otherwise).
  int Metric(int index) const;
  // The window rectangle around a client rectangle at this scale
  // (AdjustWindowRectExForDpi where there is one).
  RECT FrameAround(RECT client, DWORD style, DWORD exStyle) const;

  friend constexpr bool operator==(Dpi, Dpi) = default;

 private:
  int dpi_ = kBaseDpi;
};

// Draws a bitmap made for 96 DPI at its 96 DPI place (the bitmap's top-left
// part that fills it): pixel for pixel at 96 DPI, smoothly stretched at any
// other scale.
void DrawDesignBitmap(HDC dc, HBITMAP bitmap, Dpi dpi, const RECT& place);

// A child window made at a 96 DPI place keeps that place, so that it can
// be put at the same place again when its form moves to a monitor of
// another scale.
void KeepDesignBounds(HWND child, int x, int y, int width, int height);
// Removes what KeepDesignBounds set; done before the child is destroyed.
void ForgetDesignBounds(HWND child);
// Puts every descendant of `parent` that kept its design bounds back at
// them, at the scale `dpi`.
void ScaleDescendants(HWND parent, Dpi dpi);

}  // namespace ui
