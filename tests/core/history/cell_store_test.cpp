#include "history/cell_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace history {
namespace {

constexpr CellKind kKinds[] = {CellKind::Image, CellKind::Text};

TEST(CellStoreTest, NewStoreIsEmptyIdleWithCellOneSelected) {
  const CellStore store;
  EXPECT_EQ(store.ImageCount(), 0);
  EXPECT_EQ(store.TextCount(), 0);
  for (CellKind kind : kKinds) {
    EXPECT_EQ(store.SelectedCell(kind), 1);
    EXPECT_FALSE(store.IsPending(kind));
  }
}

TEST(CellStoreTest, SetCountKeepsTheCountWithinTheGauge) {
  CellStore store;
  store.SetCount(CellKind::Image, 30);
  EXPECT_EQ(store.ImageCount(), 30);
  store.SetCount(CellKind::Image, 55);
  EXPECT_EQ(store.ImageCount(), 54);
  // Past the 16-bit range: must not wrap round to a small count.
  store.SetCount(CellKind::Image, 65536 + 3);
  EXPECT_EQ(store.ImageCount(), 54);
  // Negative: must not wrap round to a large count.
  store.SetCount(CellKind::Image, -1);
  EXPECT_EQ(store.ImageCount(), 0);
  EXPECT_EQ(store.TextCount(), 0) << "setting one kind changed the other";
}

TEST(CellStoreTest, SelectionOfOneKindLeavesTheOtherAlone) {
  CellStore store;
  ASSERT_TRUE(store.Select(CellKind::Text, 7));
  EXPECT_EQ(store.SelectedCell(CellKind::Text), 7);
  EXPECT_EQ(store.SelectedCell(CellKind::Image), 1);

  ASSERT_TRUE(store.Select(CellKind::Image, 55));
  EXPECT_EQ(store.SelectedCell(CellKind::Image), 55);
  EXPECT_EQ(store.SelectedCell(CellKind::Text), 7);
}

TEST(CellStoreTest, ExactlyOneFramePerKindIsSelected) {
  CellStore store;
  store.Select(CellKind::Image, 12);
  store.Select(CellKind::Image, 40);
  for (CellKind kind : kKinds) {
    int selectedFrames = 0;
    for (int n = 1; n <= kCellCount; ++n) selectedFrames += store.IsSelected(kind, n) ? 1 : 0;
    EXPECT_EQ(selectedFrames, 1);
  }
  EXPECT_TRUE(store.IsSelected(CellKind::Image, 40));
  EXPECT_FALSE(store.IsSelected(CellKind::Image, 12));
}

TEST(CellStoreTest, OutOfRangeSelectionIsRejected) {
  CellStore store;
  store.Select(CellKind::Image, 9);
  for (int n : {0, -1, 56, 1000}) {
    EXPECT_FALSE(store.Select(CellKind::Image, n)) << n;
    EXPECT_FALSE(store.IsSelected(CellKind::Image, n)) << n;
  }
  EXPECT_EQ(store.SelectedCell(CellKind::Image), 9);
}

TEST(CellStoreTest, CapturesWithinOnePendingPeriodFillOneCell) {
  CellStore store;
  const CaptureTarget first = store.BeginCapture(CellKind::Text);
  EXPECT_EQ(first.targetCell, 1);
  EXPECT_TRUE(first.startTimer);
  EXPECT_TRUE(store.IsPending(CellKind::Text));

  const CaptureTarget second = store.BeginCapture(CellKind::Text);
  EXPECT_EQ(second.targetCell, 1) << "a burst must overwrite the same cell";
  EXPECT_FALSE(second.startTimer) << "the running timer must not be restarted";

  EXPECT_TRUE(store.AdvanceTimerFired(CellKind::Text));
  EXPECT_EQ(store.TextCount(), 1) << "the burst advances the count once";
  EXPECT_FALSE(store.IsPending(CellKind::Text));

  const CaptureTarget later = store.BeginCapture(CellKind::Text);
  EXPECT_EQ(later.targetCell, 2);
  EXPECT_TRUE(later.startTimer);
}

TEST(CellStoreTest, PendingStateIsKeptPerKind) {
  CellStore store;
  store.BeginCapture(CellKind::Image);
  EXPECT_FALSE(store.IsPending(CellKind::Text));
  const CaptureTarget text = store.BeginCapture(CellKind::Text);
  EXPECT_TRUE(text.startTimer) << "an image capture must not swallow the text timer";

  store.AdvanceTimerFired(CellKind::Image);
  EXPECT_EQ(store.ImageCount(), 1);
  EXPECT_EQ(store.TextCount(), 0);
  EXPECT_TRUE(store.IsPending(CellKind::Text));
}

TEST(CellStoreTest, StrayTimerTickDoesNotAdvance) {
  CellStore store;
  EXPECT_FALSE(store.AdvanceTimerFired(CellKind::Image));
  store.BeginCapture(CellKind::Image);
  store.AdvanceTimerFired(CellKind::Image);
  EXPECT_FALSE(store.AdvanceTimerFired(CellKind::Image));
  EXPECT_EQ(store.ImageCount(), 1);
}

TEST(CellStoreTest, FullStoreKeepsReplacingTheLastCell) {
  CellStore store;
  std::vector<int> targets;
  for (int capture = 0; capture < 60; ++capture) {
    targets.push_back(store.BeginCapture(CellKind::Image).targetCell);
    store.AdvanceTimerFired(CellKind::Image);
  }
  EXPECT_EQ(store.ImageCount(), 54);
  EXPECT_EQ(targets[53], 54);
  for (std::size_t i = 54; i < targets.size(); ++i) EXPECT_EQ(targets[i], 55) << i;

  const CaptureTarget again = store.BeginCapture(CellKind::Image);
  EXPECT_EQ(again.targetCell, 55);
  EXPECT_TRUE(again.startTimer);
}

TEST(CellStoreTest, PageDecidesTheKind) {
  EXPECT_EQ(KindShownOn(NotebookPage::Images), CellKind::Image);
  EXPECT_EQ(KindShownOn(NotebookPage::Text), CellKind::Text);
}

// Captures one item of a kind and lets its advance run, as a capture after
// the pending period does.
void CaptureAndCount(CellStore& store, CellKind kind) {
  store.BeginCapture(kind);
  store.AdvanceTimerFired(kind);
}

// The cells of a kind, newest capture first, by their order numbers.
std::vector<int> CellsNewestFirst(const CellStore& store, CellKind kind) {
  std::vector<int> cells;
  for (int n = 1; n <= store.FilledCells(kind); ++n) cells.push_back(n);
  std::sort(cells.begin(), cells.end(),
            [&](int a, int b) { return store.CaptureOrder(kind, a) > store.CaptureOrder(kind, b); });
  return cells;
}

TEST(CaptureOrderTest, OrderFollowsCapturesOfBothKindsThroughDeletesAndReplacements) {
  CellStore store;
  CaptureAndCount(store, CellKind::Text);   // text 1
  CaptureAndCount(store, CellKind::Image);  // image 1
  CaptureAndCount(store, CellKind::Text);   // text 2
  EXPECT_LT(store.CaptureOrder(CellKind::Text, 1), store.CaptureOrder(CellKind::Image, 1));
  EXPECT_LT(store.CaptureOrder(CellKind::Image, 1), store.CaptureOrder(CellKind::Text, 2));
  EXPECT_EQ(store.CaptureOrder(CellKind::Text, 3), 0u) << "an empty cell has no order";

  // A second capture while pending replaces the cell: it is the newest now.
  store.BeginCapture(CellKind::Text);  // text 3, pending
  store.BeginCapture(CellKind::Image);  // image 2, pending
  store.BeginCapture(CellKind::Text);  // replaces text 3
  EXPECT_GT(store.CaptureOrder(CellKind::Text, 3), store.CaptureOrder(CellKind::Image, 2));
  store.AdvanceTimerFired(CellKind::Text);
  store.AdvanceTimerFired(CellKind::Image);

  // Deleting text 1 moves the later cells up with their orders.
  const std::uint64_t second = store.CaptureOrder(CellKind::Text, 2);
  const std::uint64_t third = store.CaptureOrder(CellKind::Text, 3);
  store.Delete(CellKind::Text);
  EXPECT_EQ(store.CaptureOrder(CellKind::Text, 1), second);
  EXPECT_EQ(store.CaptureOrder(CellKind::Text, 2), third);
  EXPECT_EQ(store.CaptureOrder(CellKind::Text, 3), 0u);
  EXPECT_EQ(CellsNewestFirst(store, CellKind::Text), (std::vector<int>{2, 1}));

  // Deleting a pending capture moves its order too.
  store.BeginCapture(CellKind::Text);  // text 3, pending
  const std::uint64_t pending = store.CaptureOrder(CellKind::Text, 3);
  store.Select(CellKind::Text, 2);
  store.Delete(CellKind::Text);
  EXPECT_EQ(store.CaptureOrder(CellKind::Text, 2), pending);
  EXPECT_TRUE(store.IsPending(CellKind::Text));
  store.AdvanceTimerFired(CellKind::Text);

  // Saturated, each capture replaces cell 55, which is then the newest.
  store.DeleteAll();
  for (CellKind kind : kKinds) EXPECT_EQ(store.CaptureOrder(kind, 1), 0u) << "delete all left an order";
  for (int i = 0; i < kCellCount + 3; ++i) CaptureAndCount(store, CellKind::Image);
  std::vector<int> expected;
  expected.push_back(kCellCount);
  for (int n = kCellCount - 1; n >= 1; --n) expected.push_back(n);
  EXPECT_EQ(CellsNewestFirst(store, CellKind::Image), expected);
  EXPECT_EQ(store.NewestCell(CellKind::Image), kCellCount);
  EXPECT_EQ(store.NewestCell(CellKind::Text), 0);
  CaptureAndCount(store, CellKind::Text);
  EXPECT_GT(store.CaptureOrder(CellKind::Text, 1), store.CaptureOrder(CellKind::Image, kCellCount));
}

TEST(LowCellsWarningsTest, DueOnlyAtFortyNineAndWhenWanted) {
  EXPECT_TRUE(LowCellsWarningDue(49, true));
  EXPECT_FALSE(LowCellsWarningDue(48, true));
  EXPECT_FALSE(LowCellsWarningDue(50, true));
  EXPECT_FALSE(LowCellsWarningDue(54, true)) << "only the count 49 warns";
  EXPECT_FALSE(LowCellsWarningDue(49, false));
  EXPECT_EQ(kLowCellsWarningOrder[0], CellKind::Image) << "images are warned of first";
}

TEST(LowCellsWarningsTest, TextsNameTheKind) {
  EXPECT_EQ(LowCellsWarningText(CellKind::Image), L"You are getting low on free imagecells. You only have 5 free.");
  EXPECT_EQ(LowCellsWarningText(CellKind::Text), L"You are getting low on free textcells. You only have 5 free.");
}

}  // namespace
}  // namespace history
