#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace history {

/// The two kinds of clipboard history the main window keeps side by side.
enum class CellKind { Image, Text };

/// The notebook page that is showing decides which kind a command works on.
enum class NotebookPage : int { Images = 0, Text = 1 };

/// The kind of cell shown on a notebook page.
constexpr CellKind KindShownOn(NotebookPage page) {
  return page == NotebookPage::Images ? CellKind::Image : CellKind::Text;
}

/// Cells of each kind, numbered 1..kCellCount.
constexpr int kCellCount = 55;
/// Highest value a count can hold. One less than kCellCount, so once the
/// gauge is full the last cell keeps being overwritten instead of the count
/// running past the grid.
constexpr int kMaxCount = 54;
/// Count at which the user is told that only five cells are left.
constexpr int kLowCellsThreshold = 49;
/// The cell that a new store selects for both kinds.
constexpr int kInitialSelectedCell = 1;
/// Frame colour of the selected cell as 0x00BBGGRR: blue FF, green AA,
/// red AA, a light lavender.
constexpr std::uint32_t kSelectionColour = 0xFFAAAA;

/// What changed in the store; every change is announced as one of these.
enum class ChangeKind {
  Count,      // the count of a kind (a pending capture was counted)
  Content,    // cells changed content: a capture, a delete, a delete all
  Selection,  // another cell of the kind is selected
};

struct Change {
  ChangeKind what;
  CellKind kind;
};

/// What the window has to do to its cells after a delete: cells
/// firstCell + 1 .. kCellCount each move one place down, and cell kCellCount
/// is emptied. Nothing at all when `moved` is false.
struct Compaction {
  bool moved = false;
  int firstCell = 0;
  /// The deleted item was a capture still waiting for its advance: the
  /// advance is off and its timer must be stopped.
  bool advanceCancelled = false;
};

/// What a capture of one kind has to do.
struct CaptureTarget {
  /// Cell (1..kCellCount) that receives the new content: count + 1.
  int targetCell = 1;
  /// True when the capture starts a pending period, i.e. the caller must
  /// start the one-shot advance timer. False while a period is already
  /// running: the running timer must not be restarted.
  bool startTimer = false;
};

/// The rules of the clipboard history: per kind a fill count, a selected
/// cell and the pending state of a capture. The cell contents themselves live
/// in the window's controls; this class decides which cell they go into.
class CellStore {
 public:
  /// A new store: both counts 0, cell 1 of both kinds selected, idle.
  CellStore() = default;

  /// Number of filled cells of a kind (0..kMaxCount). Cells 1..count are
  /// filled; cell count + 1 receives the next capture.
  int Count(CellKind kind) const;
  /// Shorthand for Count(CellKind::Image).
  int ImageCount() const { return Count(CellKind::Image); }
  /// Shorthand for Count(CellKind::Text).
  int TextCount() const { return Count(CellKind::Text); }

  /// Cells 1..FilledCells(kind) hold content. That is the count, plus the
  /// cell of a capture whose advance is pending, or all kCellCount cells
  /// once the store is saturated (the count stays at kMaxCount).
  int FilledCells(CellKind kind) const;

  /// Declares cells 1..value filled (plus a pending capture's cell). Values
  /// above kMaxCount leave kMaxCount, negative values leave 0, so the count
  /// always names a real cell prefix.
  void SetCount(CellKind kind, int value);

  /// Told of every change after it is complete, so one place can keep the
  /// gauges, the status and the frames in step.
  void SetObserver(std::function<void(const Change&)> observer) { observer_ = std::move(observer); }

  /// Selects cell n (1..kCellCount) of a kind; the other kind's selection
  /// is untouched. Returns false, changing and announcing nothing, when n is
  /// out of range or already selected.
  bool Select(CellKind kind, int n);
  /// The selected cell of a kind (1..kCellCount). It may be an empty cell.
  int SelectedCell(CellKind kind) const;
  /// Whether cell n of a kind is the selected one (false for any n out of
  /// range), so a window can colour frame n from it.
  bool IsSelected(CellKind kind, int n) const;

  /// A clipboard change offers content of this kind: says which cell to
  /// fill and whether to start the advance timer, and enters the pending
  /// state. A second capture while pending targets the same cell again.
  CaptureTarget BeginCapture(CellKind kind);
  /// Whether a capture of this kind waits for its advance timer.
  bool IsPending(CellKind kind) const;
  /// The advance timer of a kind fired: advances the count once (saturating)
  /// and returns to idle. Returns false and changes nothing when no capture
  /// was pending, so a stray late tick cannot advance the count twice.
  bool AdvanceTimerFired(CellKind kind);

  /// Deletes the selected cell of a kind and closes the gap. A selection
  /// beyond the filled cells deletes nothing. A pending capture moves down
  /// with the others and is still counted by its advance; deleting the
  /// pending capture itself calls its advance off. `mirror` moves the
  /// window's cells before the change is announced. The selection stays.
  Compaction Delete(CellKind kind, const std::function<void(const Compaction&)>& mirror = {});

  /// The order cell n of a kind was captured in: a number that grows with
  /// every capture of either kind, so the newest capture of both kinds has
  /// the highest. 0 for an empty cell or any n out of range. A delete moves
  /// the numbers down with their cells; a capture that replaces a cell
  /// (while pending, or the last cell once saturated) gives it a new one.
  std::uint64_t CaptureOrder(CellKind kind, int n) const;
  /// The filled cell of a kind that holds its newest capture; 0 when none.
  int NewestCell(CellKind kind) const;

  /// Empties both kinds: counts 0, no cell filled, no advance pending.
  /// `mirror` empties the window's cells before the change is announced.
  /// The selections stay.
  void DeleteAll(const std::function<void()>& mirror = {});

 private:
  struct KindState {
    // Mirrors the gauge, an unsigned 16-bit position.
    std::uint16_t count = 0;
    // Length of the filled run 1..filled.
    int filled = 0;
    int selected = kInitialSelectedCell;
    bool pending = false;
    // Capture order of cell n at [n - 1]; 0 where the cell is empty.
    std::array<std::uint64_t, kCellCount> order{};
  };

  KindState& State(CellKind kind);
  const KindState& State(CellKind kind) const;
  void Announce(ChangeKind what, CellKind kind) const;

  std::array<KindState, 2> states_{};
  // The order the last capture of either kind was given.
  std::uint64_t lastOrder_ = 0;
  std::function<void(const Change&)> observer_;
};

/// The Delete command once the page is known: asks `confirm` (only when
/// `confirmWanted`) and deletes only on a yes. The store is looked at after
/// the answer, since captures go on while the question is open.
Compaction DeleteSelectedCell(CellStore& store, CellKind kind, bool confirmWanted, const std::function<bool()>& confirm,
                              const std::function<void(const Compaction&)>& mirror);

/// The Delete All command: asks `confirm` only when `confirmWanted`, and
/// empties the store only on a yes. Returns whether it did.
bool DeleteAllCells(CellStore& store, bool confirmWanted, const std::function<bool()>& confirm,
                    const std::function<void()>& mirror);

/// Whether the low-cell warning of a kind is due: its count stands at the
/// threshold and the option asks for it. Each kind is asked at the moment
/// its box would open, images first, then text: a capture may arrive while
/// the first box is open.
inline constexpr CellKind kLowCellsWarningOrder[] = {CellKind::Image, CellKind::Text};
bool LowCellsWarningDue(int count, bool warnLowCells);

/// The text of the low-cell warning box for a kind.
std::wstring_view LowCellsWarningText(CellKind kind);

}  // namespace history
