#include "history/cell_grid_accessibility.h"

#include <optional>
#include <string>

#include "history/cell_grid.h"
#include "history/cell_grid_panel.h"
#include "history/spoken_text_rules.h"

namespace history {

namespace {

bool IsCell(long child) { return child >= 1 && child <= kCellCount; }

std::optional<std::wstring> GridName(CellKind kind) {
  return std::wstring(kind == CellKind::Image ? kImageGridName : kTextGridName);
}

// The grid scrolls inside its parent; a cell outside the parent's client
// area cannot be seen until the user scrolls to it.
bool IsScrolledAway(const CellGridPanel& grid, int n) {
  HWND view = GetParent(grid.Handle());
  RECT frame = grid.CellFrame(n);
  MapWindowPoints(grid.Handle(), view, reinterpret_cast<POINT*>(&frame), 2);
  RECT visible{};
  GetClientRect(view, &visible);
  RECT seen{};
  return !IntersectRect(&seen, &frame, &visible);
}

long CellState(const CellGridPanel& grid, int n) {
  long state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (grid.Store().IsSelected(grid.Kind(), n)) state |= STATE_SYSTEM_SELECTED;
  if (grid.FocusedCell() == n) state |= STATE_SYSTEM_FOCUSED;
  if (!IsWindowVisible(grid.Handle())) {
    state |= STATE_SYSTEM_INVISIBLE;
  } else if (IsScrolledAway(grid, n)) {
    state |= STATE_SYSTEM_OFFSCREEN;
  }
  return state;
}

}  // namespace

ui::AccessibleAnswers GridAnswers(const CellGridPanel& grid) {
  ui::AccessibleAnswers answers;
  answers.childCount = [] { return static_cast<long>(kCellCount); };
  answers.name = [&grid](long child) -> std::optional<std::wstring> {
    if (child == CHILDID_SELF) return GridName(grid.Kind());
    return grid.CellName(static_cast<int>(child));
  };
  answers.role = [](long child) { return std::optional<long>(IsCell(child) ? ROLE_SYSTEM_LISTITEM : ROLE_SYSTEM_LIST); };
  answers.state = [&grid](long child) -> std::optional<long> {
    if (!IsCell(child)) return std::nullopt;
    return CellState(grid, static_cast<int>(child));
  };
  answers.childBounds = [&grid](long child) { return grid.CellFrame(static_cast<int>(child)); };
  // A cell's frame band is part of it here, unlike for clicks.
  answers.childAt = [&grid](POINT client) {
    for (int n = 1; n <= kCellCount; ++n) {
      const RECT frame = grid.CellFrame(n);
      if (PtInRect(&frame, client)) return static_cast<long>(n);
    }
    return static_cast<long>(CHILDID_SELF);
  };
  answers.focusedChild = [&grid] { return static_cast<long>(grid.FocusedCell()); };
  answers.selectedChild = [&grid] { return static_cast<long>(grid.Store().SelectedCell(grid.Kind())); };
  // Selecting a cell is what a click on it does; one cell is selected at a
  // time, so there is nothing to add to or take from a selection.
  answers.select = [&grid](long child, long flags) {
    if (!(flags & SELFLAG_TAKESELECTION) || !grid.onCellClick) return false;
    grid.onCellClick(static_cast<int>(child));
    return true;
  };
  return answers;
}

}  // namespace history
