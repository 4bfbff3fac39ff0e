#pragma once

// Small geometry types shared by the portable core and the windows.
// Free of Win32 headers so the core builds anywhere; the windows convert to
// RECT themselves.

namespace core {

/// An axis-aligned rectangle in pixels, given by its top-left corner and size.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  /// One past the last pixel column, as Win32 RECT.right expects.
  constexpr int Right() const { return left + width; }
  /// One past the last pixel row, as Win32 RECT.bottom expects.
  constexpr int Bottom() const { return top + height; }

  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

/// Offset that centres a child extent inside a parent extent along one axis.
/// A child larger than its parent is pinned to the parent's start (0) rather
/// than pushed off to a negative position, so its top-left stays visible.
constexpr int CentreOffset(int parentExtent, int childExtent) {
  // Widened so that extreme extents cannot overflow the subtraction; half of
  // any difference of two ints fits an int again.
  const long long offset = (static_cast<long long>(parentExtent) - childExtent) / 2;
  return offset < 0 ? 0 : static_cast<int>(offset);
}

}  // namespace core
