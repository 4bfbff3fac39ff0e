#include "history/grid_navigation_rules.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "history/cell_grid.h"
#include "history/cell_store.h"

namespace history {
namespace {

TEST(GridNavigationRulesTest, MovesFollowTheNumbersKeepTheColumnAndStayOnTheGrid) {
  EXPECT_EQ(CellAfterMove(5, GridMove::Right), 6) << "right runs on into the next row";
  EXPECT_EQ(CellAfterMove(1, GridMove::Left), 1);
  EXPECT_EQ(CellAfterMove(kCellCount, GridMove::Right), kCellCount);
  EXPECT_EQ(CellAfterMove(3, GridMove::Up), 3) << "the top row has nothing above";
  EXPECT_EQ(CellAfterMove(kCellCount - 2, GridMove::Down), kCellCount - 2);
  EXPECT_LE(GridPageRows() * kCellPitchY, kVisibleHeight) << "a page move must not skip rows never shown";
  EXPECT_EQ(CellAfterMove(2 + GridPageRows() * kGridColumns, GridMove::PageUp), 2);
  // Past the first or last row: that row, same column.
  EXPECT_EQ(CellAfterMove(kCellCount - kGridColumns - 3, GridMove::PageDown), kCellCount - 3);
  EXPECT_EQ(CellAfterMove(kGridColumns + 4, GridMove::PageUp), 4);
  EXPECT_THROW(CellAfterMove(0, GridMove::Right), std::out_of_range);
}

TEST(GridNavigationRulesTest, ScrollingShowsASpanWithTheLeastMovement) {
  constexpr int kView = 181;
  EXPECT_EQ(ScrollPositionShowing(176, 265, 0, kView), 265 - kView) << "below: its bottom at the view's bottom";
  EXPECT_EQ(ScrollPositionShowing(88, 177, 300, kView), 88) << "above: its top at the view's top";
  EXPECT_EQ(ScrollPositionShowing(100, 400, 50, kView), 100) << "too long: its start";
}

}  // namespace
}  // namespace history
