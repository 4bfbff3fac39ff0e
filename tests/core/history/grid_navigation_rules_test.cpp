#include "history/grid_navigation_rules.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "history/cell_grid.h"
#include "history/cell_store.h"

namespace history {
namespace {

TEST(GridNavigationRulesTest, ArrowsFollowTheNumbersAndStopAtTheEdges) {
  EXPECT_EQ(CellAfterMove(7, GridMove::Left), 6);
  EXPECT_EQ(CellAfterMove(5, GridMove::Right), 6) << "right runs on into the next row";
  EXPECT_EQ(CellAfterMove(6, GridMove::Left), 5);
  EXPECT_EQ(CellAfterMove(1, GridMove::Left), 1);
  EXPECT_EQ(CellAfterMove(kCellCount, GridMove::Right), kCellCount);
  EXPECT_EQ(CellAfterMove(8, GridMove::Up), 3);
  EXPECT_EQ(CellAfterMove(3, GridMove::Up), 3) << "the top row has nothing above";
  EXPECT_EQ(CellAfterMove(3, GridMove::Down), 8);
  EXPECT_EQ(CellAfterMove(kCellCount - 2, GridMove::Down), kCellCount - 2);
  EXPECT_EQ(CellAfterMove(23, GridMove::First), 1);
  EXPECT_EQ(CellAfterMove(23, GridMove::Last), kCellCount);
  EXPECT_THROW(CellAfterMove(0, GridMove::Right), std::out_of_range);
  EXPECT_THROW(CellAfterMove(kCellCount + 1, GridMove::Left), std::out_of_range);
}

TEST(GridNavigationRulesTest, PagesMoveByTheRowsInViewAndKeepTheColumn) {
  const int rows = GridPageRows();
  ASSERT_GE(rows, 1);
  EXPECT_LE(rows * kCellPitchY, kVisibleHeight) << "a page move must not skip rows never shown";
  EXPECT_EQ(CellAfterMove(2, GridMove::PageDown), 2 + rows * kGridColumns);
  EXPECT_EQ(CellAfterMove(2 + rows * kGridColumns, GridMove::PageUp), 2);
  // Past the first or last row: that row, same column.
  EXPECT_EQ(CellAfterMove(kCellCount - 1, GridMove::PageDown), kCellCount - 1);
  EXPECT_EQ(CellAfterMove(kCellCount - kGridColumns - 3, GridMove::PageDown), kCellCount - 3);
  EXPECT_EQ(CellAfterMove(kGridColumns + 4, GridMove::PageUp), 4);
  // Every move keeps to the grid, from every cell.
  for (int n = 1; n <= kCellCount; ++n) {
    for (GridMove move : {GridMove::Left, GridMove::Right, GridMove::Up, GridMove::Down, GridMove::PageUp,
                          GridMove::PageDown, GridMove::First, GridMove::Last}) {
      const int to = CellAfterMove(n, move);
      EXPECT_TRUE(to >= 1 && to <= kCellCount) << n << " moved to " << to;
    }
  }
}

TEST(GridNavigationRulesTest, ScrollingShowsASpanWithTheLeastMovement) {
  constexpr int kView = 181;
  EXPECT_EQ(ScrollPositionShowing(88, 177, 0, kView), 0) << "already shown";
  EXPECT_EQ(ScrollPositionShowing(176, 265, 0, kView), 265 - kView) << "below: its bottom at the view's bottom";
  EXPECT_EQ(ScrollPositionShowing(88, 177, 300, kView), 88) << "above: its top at the view's top";
  EXPECT_EQ(ScrollPositionShowing(100, 400, 50, kView), 100) << "too long: its start";
  EXPECT_EQ(ScrollPositionShowing(50, 231, 50, kView), 50) << "exactly the view";
}

}  // namespace
}  // namespace history
