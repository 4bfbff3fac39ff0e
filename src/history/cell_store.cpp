#include "history/cell_store.h"

#include <algorithm>
#include <cstddef>

namespace history {

namespace {

constexpr bool IsCellNumber(int n) { return n >= 1 && n <= kCellCount; }

constexpr std::wstring_view kLowImageCellsText = L"You are getting low on free imagecells. You only have 5 free.";
constexpr std::wstring_view kLowTextCellsText = L"You are getting low on free textcells. You only have 5 free.";

}  // namespace

CellStore::KindState& CellStore::State(CellKind kind) { return states_[static_cast<std::size_t>(kind)]; }

const CellStore::KindState& CellStore::State(CellKind kind) const { return states_[static_cast<std::size_t>(kind)]; }

int CellStore::Count(CellKind kind) const { return State(kind).count; }

int CellStore::FilledCells(CellKind kind) const { return State(kind).filled; }

void CellStore::Announce(ChangeKind what, CellKind kind) const {
  if (observer_) observer_(Change{what, kind});
}

void CellStore::SetCount(CellKind kind, int value) {
  KindState& state = State(kind);
  state.count = static_cast<std::uint16_t>(std::clamp(value, 0, kMaxCount));
  state.filled = std::min(state.count + (state.pending ? 1 : 0), kCellCount);
  // Cells declared filled without a capture are taken as captured in cell
  // order; cells beyond the run are empty.
  for (int n = 1; n <= kCellCount; ++n) {
    std::uint64_t& order = state.order[static_cast<std::size_t>(n - 1)];
    if (n > state.filled) {
      order = 0;
    } else if (order == 0) {
      order = ++lastOrder_;
    }
  }
  Announce(ChangeKind::Count, kind);
}

bool CellStore::Select(CellKind kind, int n) {
  if (!IsCellNumber(n) || State(kind).selected == n) return false;
  State(kind).selected = n;
  Announce(ChangeKind::Selection, kind);
  return true;
}

int CellStore::SelectedCell(CellKind kind) const { return State(kind).selected; }

bool CellStore::IsSelected(CellKind kind, int n) const { return IsCellNumber(n) && State(kind).selected == n; }

CaptureTarget CellStore::BeginCapture(CellKind kind) {
  KindState& state = State(kind);
  // The count is read afresh on every capture: at kMaxCount this is cell
  // kCellCount, which each later capture replaces.
  const CaptureTarget target{state.count + 1, !state.pending};
  state.pending = true;
  state.filled = std::max(state.filled, target.targetCell);
  state.order[static_cast<std::size_t>(target.targetCell - 1)] = ++lastOrder_;
  Announce(ChangeKind::Content, kind);
  return target;
}

std::uint64_t CellStore::CaptureOrder(CellKind kind, int n) const {
  return IsCellNumber(n) ? State(kind).order[static_cast<std::size_t>(n - 1)] : 0;
}

int CellStore::NewestCell(CellKind kind) const {
  const KindState& state = State(kind);
  int newest = 0;
  for (int n = 1; n <= state.filled; ++n) {
    if (newest == 0 || state.order[static_cast<std::size_t>(n - 1)] > state.order[static_cast<std::size_t>(newest - 1)])
      newest = n;
  }
  return newest;
}

bool CellStore::IsPending(CellKind kind) const { return State(kind).pending; }

bool CellStore::AdvanceTimerFired(CellKind kind) {
  KindState& state = State(kind);
  if (!state.pending) return false;
  state.pending = false;
  // The captured cell is already in the filled run; only the count moves,
  // and at kMaxCount not even that: the last cell stays filled uncounted.
  state.count = static_cast<std::uint16_t>(std::min(state.count + 1, kMaxCount));
  Announce(ChangeKind::Count, kind);
  return true;
}

Compaction CellStore::Delete(CellKind kind, const std::function<void(const Compaction&)>& mirror) {
  KindState& state = State(kind);
  const int k = state.selected;
  // An empty cell beyond the run holds nothing to delete; lowering the
  // count here would hand the last item to the next capture.
  if (k > state.filled) return Compaction{};
  Compaction compaction{true, k, false};
  const bool deletesPendingItem = state.pending && k == state.filled;
  state.filled -= 1;
  if (deletesPendingItem) {
    state.pending = false;
    compaction.advanceCancelled = true;
  }
  // Every filled cell is counted, except a pending capture, which now sits
  // at the end of the shorter run and is counted by its advance. From the
  // saturated state this brings the count and the run together again.
  state.count = static_cast<std::uint16_t>(std::min(state.filled - (state.pending ? 1 : 0), kMaxCount));
  std::copy(state.order.begin() + k, state.order.end(), state.order.begin() + (k - 1));
  state.order.back() = 0;
  if (mirror) mirror(compaction);
  Announce(ChangeKind::Content, kind);
  return compaction;
}

void CellStore::DeleteAll(const std::function<void()>& mirror) {
  for (KindState& state : states_) {
    state.count = 0;
    state.filled = 0;
    state.pending = false;
    state.order.fill(0);
  }
  if (mirror) mirror();
  Announce(ChangeKind::Content, CellKind::Image);
  Announce(ChangeKind::Content, CellKind::Text);
}

Compaction DeleteSelectedCell(CellStore& store, CellKind kind, bool confirmWanted, const std::function<bool()>& confirm,
                              const std::function<void(const Compaction&)>& mirror) {
  if (confirmWanted && !confirm()) return Compaction{};
  return store.Delete(kind, mirror);
}

bool DeleteAllCells(CellStore& store, bool confirmWanted, const std::function<bool()>& confirm,
                    const std::function<void()>& mirror) {
  if (confirmWanted && !confirm()) return false;
  store.DeleteAll(mirror);
  return true;
}

bool LowCellsWarningDue(int count, bool warnLowCells) { return warnLowCells && count == kLowCellsThreshold; }

std::wstring_view LowCellsWarningText(CellKind kind) {
  return kind == CellKind::Image ? kLowImageCellsText : kLowTextCellsText;
}

}  // namespace history
