#include "history/grid_navigation_rules.h"

#include <algorithm>
#include <stdexcept>

#include "history/cell_grid.h"
#include "history/cell_store.h"

namespace history {

namespace {

int ClampCell(int n) { return std::clamp(n, 1, kCellCount); }

// A row step that would leave the grid stops at the first or last row.
int MoveRows(int from, int rows) {
  const int column = (from - 1) % kGridColumns;
  const int row = std::clamp((from - 1) / kGridColumns + rows, 0, kGridRows - 1);
  return row * kGridColumns + column + 1;
}

}  // namespace

int GridPageRows() { return std::max(1, kVisibleHeight / kCellPitchY); }

int CellAfterMove(int from, GridMove move) {
  if (from < 1 || from > kCellCount) throw std::out_of_range("cell number out of range");
  switch (move) {
    case GridMove::Left: return ClampCell(from - 1);
    case GridMove::Right: return ClampCell(from + 1);
    // Up and down only move within the grid: a step off its edge stays.
    case GridMove::Up: return from - kGridColumns >= 1 ? from - kGridColumns : from;
    case GridMove::Down: return from + kGridColumns <= kCellCount ? from + kGridColumns : from;
    case GridMove::PageUp: return MoveRows(from, -GridPageRows());
    case GridMove::PageDown: return MoveRows(from, GridPageRows());
    case GridMove::First: return 1;
    case GridMove::Last: return kCellCount;
  }
  return from;
}

int ScrollPositionShowing(int top, int bottom, int position, int visible) {
  if (top < position || bottom - top > visible) return top;
  if (bottom > position + visible) return bottom - visible;
  return position;
}

}  // namespace history
