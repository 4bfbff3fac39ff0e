#pragma once

#include "core/geometry.h"

namespace history {

// Layout of the cells on each notebook page. Both pages use the same grid:
// cell 1 at the top left, numbered along the rows.

constexpr int kGridColumns = 5;
constexpr int kGridRows = 11;

/// Distance from one cell's frame to the next. One less than the frame size,
/// so neighbouring frames share their one-pixel outline.
constexpr int kCellPitchX = 104;
constexpr int kCellPitchY = 88;

constexpr int kFrameWidth = 105;
constexpr int kFrameHeight = 89;

/// The picture or memo sits this far inside its frame on every side, leaving
/// a band wide enough to show the selection colour.
constexpr int kContentInset = 8;
constexpr int kContentWidth = 89;
constexpr int kContentHeight = 73;

/// The panel that carries all 55 cells of a page, scrolled inside its page.
constexpr int kPanelWidth = 530;
constexpr int kPanelHeight = 981;

/// The part of the panel visible at once: about two rows.
constexpr int kVisibleWidth = 552;
constexpr int kVisibleHeight = 181;

/// The two-page notebook at the top of the main window's client area.
constexpr int kNotebookWidth = 560;
constexpr int kNotebookHeight = 209;

/// Frame of cell n (1..55) in panel coordinates.
/// Throws std::out_of_range for any other n.
core::Rect FrameRect(int n);

/// Picture control or memo of cell n (1..55) in panel coordinates.
/// Throws std::out_of_range for any other n.
core::Rect ContentRect(int n);

/// The cell whose picture or memo holds the panel point (x, y), or 0 for a
/// point on a frame's band or off the grid.
int CellAt(int x, int y);

}  // namespace history
