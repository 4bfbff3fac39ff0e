// Where the keyboard takes the selection of a cell grid. The cells are
// numbered along the rows, so moving left and right follows the numbers
// from one row into the next, as the cells are filled.
#pragma once

namespace history {

enum class GridMove { Left, Right, Up, Down, PageUp, PageDown, First, Last };

/// Rows a page key moves: as many as the page shows whole at once.
int GridPageRows();

/// The cell a move leads to from cell `from` (1..kCellCount). A move that
/// would leave the grid stops at its edge; a page move that would pass the
/// first or last row lands on that row, in the same column.
/// Throws std::out_of_range for any other `from`.
int CellAfterMove(int from, GridMove move);

/// The least change of a scroll position that brings the span [top, bottom)
/// of the content into a view `visible` long that now starts at `position`.
/// A span longer than the view shows its start.
int ScrollPositionShowing(int top, int bottom, int position, int visible);

}  // namespace history
