#include "history/cell_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace history {
namespace {

using core::CentreOffset;
using core::Rect;

TEST(CellGridTest, CellsRunAlongTheRows) {
  EXPECT_EQ(FrameRect(1), (Rect{0, 0, 105, 89}));
  EXPECT_EQ(ContentRect(1), (Rect{8, 8, 89, 73}));
  // Right end of the top row.
  EXPECT_EQ(FrameRect(5), (Rect{416, 0, 105, 89}));
  // Left end of the second row.
  EXPECT_EQ(FrameRect(6), (Rect{0, 88, 105, 89}));
  EXPECT_EQ(ContentRect(6), (Rect{8, 96, 89, 73}));
  // Right end of the eleventh row.
  EXPECT_EQ(FrameRect(55), (Rect{416, 880, 105, 89}));
  EXPECT_EQ(ContentRect(55), (Rect{424, 888, 89, 73}));
}

TEST(CellGridTest, NeighbouringFramesShareTheirOutline) {
  EXPECT_EQ(FrameRect(1).Right() - 1, FrameRect(2).left);
  EXPECT_EQ(FrameRect(1).Bottom() - 1, FrameRect(6).top);
}

TEST(CellGridTest, EveryCellLiesOnThePanel) {
  for (int n = 1; n <= 55; ++n) {
    const Rect frame = FrameRect(n);
    EXPECT_GE(frame.left, 0) << n;
    EXPECT_GE(frame.top, 0) << n;
    EXPECT_LE(frame.Right(), kPanelWidth) << n;
    EXPECT_LE(frame.Bottom(), kPanelHeight) << n;
  }
}

TEST(CellGridTest, ClicksHitTheContentOnly) {
  for (int n : {1, 5, 6, 55}) {
    const Rect content = ContentRect(n);
    EXPECT_EQ(CellAt(content.left, content.top), n);
    EXPECT_EQ(CellAt(content.Right() - 1, content.Bottom() - 1), n);
    // The selection band around the content belongs to no cell.
    EXPECT_EQ(CellAt(content.left - 1, content.top), 0) << n;
    EXPECT_EQ(CellAt(content.Right(), content.Bottom()), 0) << n;
  }
  EXPECT_EQ(CellAt(-1, 10), 0);
  EXPECT_EQ(CellAt(kPanelWidth - 1, 10), 0) << "right of the last column";
  EXPECT_EQ(CellAt(10, kPanelHeight - 1), 0) << "below the last row";
}

TEST(CellGridTest, NumbersOutsideTheGridAreRejected) {
  for (int n : {0, -1, 56, INT_MIN}) {
    EXPECT_THROW(FrameRect(n), std::out_of_range) << n;
    EXPECT_THROW(ContentRect(n), std::out_of_range) << n;
  }
}

TEST(CentreOffsetTest, CentresAndPinsOversizedChildren) {
  EXPECT_EQ(CentreOffset(1024, 406), 309);
  EXPECT_EQ(CentreOffset(101, 50), 25);
  EXPECT_EQ(CentreOffset(100, 100), 0);
  EXPECT_EQ(CentreOffset(100, 300), 0);
  // Extreme extents must neither overflow nor go negative.
  EXPECT_EQ(CentreOffset(INT_MAX, INT_MIN), INT_MAX);
  EXPECT_EQ(CentreOffset(INT_MIN, INT_MAX), 0);
}

}  // namespace
}  // namespace history
