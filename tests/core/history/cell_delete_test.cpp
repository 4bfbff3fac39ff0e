// Delete, delete all and selection on the store, with a stand-in for the
// window's cells that mirrors every compaction the way the window does. Each
// case also captures once more afterwards: the next item must land behind
// the survivors, never on top of one.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "history/cell_store.h"

namespace history {
namespace {

// Item numbers standing in for pictures or texts; 0 is an empty cell.
using Items = std::vector<int>;
constexpr int kNextItem = 999;

class Cells {
 public:
  explicit Cells(CellKind kind = CellKind::Image) : kind_(kind) {}

  // A capture that is counted at once.
  void Capture(int item) {
    CaptureUncounted(item);
    store.AdvanceTimerFired(kind_);
  }
  // A capture whose advance has not run yet.
  void CaptureUncounted(int item) { cells_[store.BeginCapture(kind_).targetCell] = item; }
  void Fill(int items) {
    for (int item = 1; item <= items; ++item) Capture(item);
  }

  Compaction Delete(bool answer = true) {
    return DeleteSelectedCell(
        store, kind_, true, [answer] { return answer; }, Mirror());
  }
  std::function<void(const Compaction&)> Mirror() {
    return [this](const Compaction& compaction) {
      for (int j = compaction.firstCell; j < kCellCount; ++j) cells_[j] = cells_[j + 1];
      cells_[kCellCount] = 0;
    };
  }
  void Empty() { cells_.fill(0); }

  // The items in cells 1..55 up to the last filled one.
  Items Filled() const {
    Items items(cells_.begin() + 1, cells_.end());
    while (!items.empty() && items.back() == 0) items.pop_back();
    return items;
  }
  int Count() const { return store.Count(kind_); }

  CellStore store;

 private:
  CellKind kind_;
  std::array<int, kCellCount + 1> cells_{};
};

Items ItemRange(int first, int last) {
  Items items;
  for (int item = first; item <= last; ++item) items.push_back(item);
  return items;
}

Items Concat(Items a, const Items& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct DeleteCase {
  const char* name;
  int items;    // captures before, each counted
  int select;   // selected cell
  int deletes;  // Delete clicks in a row
  bool answer;  // the answer to the confirmation
  Items after;
  int count;
};

TEST(CellDeleteTest, CompactionKeepsTheFilledRunAndItsCount) {
  const DeleteCase cases[] = {
      {"middle", 5, 2, 1, true, {1, 3, 4, 5}, 4},
      {"first", 5, 1, 1, true, {2, 3, 4, 5}, 4},
      {"last filled", 5, 5, 1, true, {1, 2, 3, 4}, 4},
      {"beyond the run", 5, 9, 1, true, {1, 2, 3, 4, 5}, 5},
      {"two in a row", 5, 2, 2, true, {1, 4, 5}, 3},
      {"declined", 5, 2, 1, false, {1, 2, 3, 4, 5}, 5},
      {"saturated, last cell", 55, 55, 1, true, ItemRange(1, 54), 54},
      {"saturated, inner cell", 55, 10, 1, true, Concat(ItemRange(1, 9), ItemRange(11, 55)), 54},
      {"saturated, two in a row", 55, 1, 2, true, ItemRange(3, 55), 53},
  };
  for (CellKind kind : {CellKind::Image, CellKind::Text}) {
    for (const DeleteCase& c : cases) {
      SCOPED_TRACE(c.name);
      Cells cells(kind);
      cells.Fill(c.items);
      cells.store.Select(kind, c.select);
      for (int i = 0; i < c.deletes; ++i) cells.Delete(c.answer);
      EXPECT_EQ(cells.Filled(), c.after);
      EXPECT_EQ(cells.Count(), c.count);
      EXPECT_EQ(cells.store.FilledCells(kind), static_cast<int>(c.after.size()));
      EXPECT_EQ(cells.store.SelectedCell(kind), c.select) << "a delete must not move the selection";

      cells.Capture(kNextItem);
      Items expected = c.after;
      if (expected.size() < static_cast<std::size_t>(kCellCount)) {
        expected.push_back(kNextItem);
      } else {
        expected.back() = kNextItem;
      }
      EXPECT_EQ(cells.Filled(), expected) << "the next capture lost or misplaced an item";
    }
  }
}

TEST(CellDeleteTest, DeleteLeavesTheOtherKindAlone) {
  Cells images(CellKind::Image);
  images.Fill(3);
  images.store.BeginCapture(CellKind::Text);
  images.store.AdvanceTimerFired(CellKind::Text);
  images.store.Select(CellKind::Text, 1);
  images.store.Select(CellKind::Image, 2);
  images.Delete();
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(images.store.TextCount(), 1);
  EXPECT_EQ(images.store.FilledCells(CellKind::Text), 1);
}

struct PendingCase {
  const char* name;
  int select;
  Items afterDelete;
  int countAfterDelete;
  bool stillPending;
  int countAfterAdvance;
};

TEST(CellDeleteTest, PendingCaptureMovesWithTheOthersOrIsCalledOff) {
  // Items 1..3 are counted, item 4 waits for its advance.
  const PendingCase cases[] = {
      {"an earlier item", 2, {1, 3, 4}, 2, true, 3},
      {"the pending item itself", 4, {1, 2, 3}, 3, false, 3},
      {"beyond the pending item", 7, {1, 2, 3, 4}, 3, true, 4},
  };
  for (const PendingCase& c : cases) {
    SCOPED_TRACE(c.name);
    Cells cells;
    cells.Fill(3);
    cells.CaptureUncounted(4);
    cells.store.Select(CellKind::Image, c.select);
    const Compaction compaction = cells.Delete();
    EXPECT_EQ(cells.Filled(), c.afterDelete);
    EXPECT_EQ(cells.Count(), c.countAfterDelete);
    EXPECT_EQ(cells.store.IsPending(CellKind::Image), c.stillPending);
    EXPECT_EQ(compaction.advanceCancelled, !c.stillPending);
    // The timer fires unless the window stopped it; a called-off advance
    // must not count anything even then.
    cells.store.AdvanceTimerFired(CellKind::Image);
    EXPECT_EQ(cells.Count(), c.countAfterAdvance);
    EXPECT_EQ(cells.Count(), cells.store.FilledCells(CellKind::Image));

    cells.Capture(kNextItem);
    EXPECT_EQ(cells.Filled(), Concat(c.afterDelete, {kNextItem}));
  }
}

TEST(CellDeleteTest, TheStoreIsReadWhenTheQuestionIsAnswered) {
  Cells cells;
  cells.Fill(3);
  cells.store.Select(CellKind::Image, 4);
  // A capture arrives while the box is open and fills the selected cell.
  DeleteSelectedCell(
      cells.store, CellKind::Image, true,
      [&] {
        cells.CaptureUncounted(4);
        return true;
      },
      cells.Mirror());
  EXPECT_EQ(cells.Filled(), (Items{1, 2, 3}));
  EXPECT_FALSE(cells.store.IsPending(CellKind::Image));

  bool asked = false;
  cells.store.Select(CellKind::Image, 1);
  DeleteSelectedCell(
      cells.store, CellKind::Image, false,
      [&] {
        asked = true;
        return false;
      },
      cells.Mirror());
  EXPECT_FALSE(asked) << "asked although confirmation is off";
  EXPECT_EQ(cells.Filled(), (Items{2, 3}));
}

TEST(CellDeleteTest, DeleteAllEmptiesBothKindsAndKeepsTheSelections) {
  for (bool pending : {false, true}) {
    SCOPED_TRACE(pending ? "captures pending" : "idle");
    Cells cells;
    cells.Fill(7);
    for (int i = 0; i < 3; ++i) {
      cells.store.BeginCapture(CellKind::Text);
      cells.store.AdvanceTimerFired(CellKind::Text);
    }
    if (pending) {
      cells.CaptureUncounted(8);
      cells.store.BeginCapture(CellKind::Text);
    }
    cells.store.Select(CellKind::Image, 4);
    cells.store.Select(CellKind::Text, 2);

    EXPECT_FALSE(DeleteAllCells(
        cells.store, true, [] { return false; }, [&] { cells.Empty(); }));
    EXPECT_EQ(cells.Count(), 7);

    EXPECT_TRUE(DeleteAllCells(
        cells.store, true, [] { return true; }, [&] { cells.Empty(); }));
    for (CellKind kind : {CellKind::Image, CellKind::Text}) {
      EXPECT_EQ(cells.store.Count(kind), 0);
      EXPECT_EQ(cells.store.FilledCells(kind), 0);
      EXPECT_FALSE(cells.store.IsPending(kind));
    }
    EXPECT_EQ(cells.store.SelectedCell(CellKind::Image), 4);
    EXPECT_EQ(cells.store.SelectedCell(CellKind::Text), 2);
    // A timer tick that was already queued must not count a deleted item.
    EXPECT_FALSE(cells.store.AdvanceTimerFired(CellKind::Image));

    const CaptureTarget next = cells.store.BeginCapture(CellKind::Image);
    EXPECT_EQ(next.targetCell, 1);
    EXPECT_TRUE(next.startTimer) << "the new capture would never be counted";
    cells.store.AdvanceTimerFired(CellKind::Image);
    EXPECT_EQ(cells.Count(), 1);
  }
}

TEST(CellStoreObserverTest, EveryChangeIsAnnouncedOnceAfterTheCellsFollowed) {
  Cells cells;
  std::vector<ChangeKind> seen;
  int textChanges = 0;
  Items cellsWhenAnnounced;
  cells.store.SetObserver([&](const Change& change) {
    if (change.kind == CellKind::Text) {
      ++textChanges;
      return;
    }
    seen.push_back(change.what);
    cellsWhenAnnounced = cells.Filled();
  });
  const auto take = [&] {
    std::vector<ChangeKind> taken;
    taken.swap(seen);
    return taken;
  };
  using Kinds = std::vector<ChangeKind>;

  cells.Capture(1);
  cells.Capture(2);
  EXPECT_EQ(take(), (Kinds{ChangeKind::Content, ChangeKind::Count, ChangeKind::Content, ChangeKind::Count}));

  EXPECT_TRUE(cells.store.Select(CellKind::Image, 2));
  EXPECT_EQ(take(), Kinds{ChangeKind::Selection});
  EXPECT_FALSE(cells.store.Select(CellKind::Image, 2)) << "clicking the selected cell again is no change";
  EXPECT_TRUE(cells.store.Select(CellKind::Image, 30)) << "an empty cell beyond the count is selected like any";
  EXPECT_FALSE(cells.store.Select(CellKind::Image, 56));
  EXPECT_EQ(take(), Kinds{ChangeKind::Selection});

  cells.Delete();
  EXPECT_TRUE(take().empty()) << "a delete of an empty cell changed something";
  cells.store.Select(CellKind::Image, 1);
  take();
  cells.Delete(false);
  EXPECT_TRUE(take().empty()) << "a declined delete changed something";
  cells.Delete();
  EXPECT_EQ(take(), Kinds{ChangeKind::Content});
  EXPECT_EQ(cellsWhenAnnounced, Items{2}) << "announced before the cells moved";

  DeleteAllCells(cells.store, false, {}, [&] { cells.Empty(); });
  EXPECT_EQ(take(), Kinds{ChangeKind::Content});
  EXPECT_EQ(textChanges, 1) << "delete all empties the texts too";
  EXPECT_TRUE(cellsWhenAnnounced.empty());

  cells.store.SetCount(CellKind::Image, 3);
  EXPECT_EQ(take(), Kinds{ChangeKind::Count});
}

}  // namespace
}  // namespace history
