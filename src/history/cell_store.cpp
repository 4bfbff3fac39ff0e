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

void CellStore::SetCount(CellKind kind, int value) {
  State(kind).count = static_cast<std::uint16_t>(std::clamp(value, 0, kMaxCount));
}

void CellStore::Advance(CellKind kind) { SetCount(kind, Count(kind) + 1); }

bool CellStore::Select(CellKind kind, int n) {
  if (!IsCellNumber(n)) return false;
  State(kind).selected = n;
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
  return target;
}

bool CellStore::IsPending(CellKind kind) const { return State(kind).pending; }

bool CellStore::AdvanceTimerFired(CellKind kind) {
  KindState& state = State(kind);
  if (!state.pending) return false;
  state.pending = false;
  Advance(kind);
  return true;
}

std::vector<CellKind> LowCellsWarnings(int imageCount, int textCount, bool warnLowCells) {
  std::vector<CellKind> warnings;
  if (!warnLowCells) return warnings;
  if (imageCount == kLowCellsThreshold) warnings.push_back(CellKind::Image);
  if (textCount == kLowCellsThreshold) warnings.push_back(CellKind::Text);
  return warnings;
}

std::wstring_view LowCellsWarningText(CellKind kind) {
  return kind == CellKind::Image ? kLowImageCellsText : kLowTextCellsText;
}

}  // namespace history
