#include "history/cell_grid.h"

#include <stdexcept>

#include "history/cell_store.h"

namespace history {

namespace {

struct GridPosition {
  int column;
  int row;
};

GridPosition PositionOf(int n) {
  if (n < 1 || n > kCellCount) throw std::out_of_range("cell number out of range");
  return {(n - 1) % kGridColumns, (n - 1) / kGridColumns};
}

}  // namespace

static_assert(kGridColumns * kGridRows == kCellCount, "the grid must hold every cell");
static_assert(kCellPitchX * (kGridColumns - 1) + kFrameWidth <= kPanelWidth, "the last column must fit on the panel");
static_assert(kCellPitchY * (kGridRows - 1) + kFrameHeight <= kPanelHeight, "the last row must fit on the panel");
static_assert(kContentInset * 2 + kContentWidth == kFrameWidth && kContentInset * 2 + kContentHeight == kFrameHeight,
              "the content must leave an even band inside its frame");

core::Rect FrameRect(int n) {
  const GridPosition p = PositionOf(n);
  return {kCellPitchX * p.column, kCellPitchY * p.row, kFrameWidth, kFrameHeight};
}

core::Rect ContentRect(int n) {
  const core::Rect frame = FrameRect(n);
  return {frame.left + kContentInset, frame.top + kContentInset, kContentWidth, kContentHeight};
}

int CellAt(int x, int y) {
  if (x < 0 || y < 0) return 0;
  const int column = x / kCellPitchX;
  const int row = y / kCellPitchY;
  if (column >= kGridColumns || row >= kGridRows) return 0;
  const int n = row * kGridColumns + column + 1;
  const core::Rect content = ContentRect(n);
  const bool inside = x >= content.left && x < content.Right() && y >= content.top && y < content.Bottom();
  return inside ? n : 0;
}

}  // namespace history
