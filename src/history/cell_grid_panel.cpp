#include "history/cell_grid_panel.h"

#include <windowsx.h>

#include <array>

#include "history/cell_grid.h"
#include "history/cell_grid_accessibility.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace history {

namespace {

// How far inside its frame the focus rectangle runs: within the band that
// shows the selection colour, clear of the picture.
constexpr int kFocusInset = 3;

struct MoveKey {
  WPARAM key;
  GridMove move;
};
constexpr std::array<MoveKey, 8> kMoveKeys{{
    {VK_LEFT, GridMove::Left},
    {VK_RIGHT, GridMove::Right},
    {VK_UP, GridMove::Up},
    {VK_DOWN, GridMove::Down},
    {VK_PRIOR, GridMove::PageUp},
    {VK_NEXT, GridMove::PageDown},
    {VK_HOME, GridMove::First},
    {VK_END, GridMove::Last},
}};

// Keys the dialog manager would take for itself before the grid sees them.
bool IsGridKey(const MSG* message) {
  return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

}  // namespace

RECT ToRECT(const core::Rect& rect) { return RECT{rect.left, rect.top, rect.Right(), rect.Bottom()}; }

namespace {
constexpr COLORREF kFrameLineColour = RGB(0, 0, 0);
}  // namespace

void CellGridPanel::Create(HWND parent) {
  accessible_.SetAnswers(GridAnswers(*this));
  Panel::Create(parent, 0, 0, history::kPanelWidth, history::kPanelHeight);
  announcedSelection_ = store_.SelectedCell(kind_);
  if (CellsAreWindows()) return;
  // A tab stop of its own; the dialog manager would look for tab stops
  // inside a control parent instead, and find none.
  SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_TABSTOP);
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & ~WS_EX_CONTROLPARENT);
}

// Neighbouring frames share their outline, at any scale.
RECT CellGridPanel::CellFrame(int n) const {
  return ui::Dpi::Of(Handle()).ScaleOutline(ToRECT(history::FrameRect(n)));
}

int CellGridPanel::FocusedCell() const { return GetFocus() == Handle() ? store_.SelectedCell(kind_) : 0; }

void CellGridPanel::AnnounceSelection() {
  const int selected = store_.SelectedCell(kind_);
  if (selected == announcedSelection_) return;
  announcedSelection_ = selected;
  NotifyWinEvent(EVENT_OBJECT_SELECTION, Handle(), OBJID_CLIENT, selected);
  if (FocusedCell() == selected) NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, selected);
}

void CellGridPanel::SetHighContrast(ui::HighContrast contrast) {
  if (contrast == contrast_) return;
  contrast_ = contrast;
  OnContrastChanged();
  Invalidate();
}

void CellGridPanel::ShowCell(int n) {
  const RECT frame = CellFrame(n);
  if (onShowSpan) onShowSpan(frame.top, frame.bottom);
}

void CellGridPanel::InvalidateCell(int n) {
  const RECT frame = CellFrame(n);
  InvalidateRect(Handle(), &frame, FALSE);
}

LRESULT CellGridPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: OnClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), onCellDoubleClick); return 0;
    case WM_GETDLGCODE: return OnGetDlgCode(lParam);
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_SETFOCUS: OnFocusChange(true); return 0;
    case WM_KILLFOCUS: OnFocusChange(false); return 0;
    case WM_GETOBJECT: return accessible_.OnGetObject(Handle(), wParam, lParam).value_or(0);
    default: return Panel::HandleMessage(message, wParam, lParam);
  }
}

void CellGridPanel::OnClick(int x, int y) {
  if (!CellsAreWindows()) {
    keyboardCues_ = false;
    SetFocus(Handle());
  }
  OnButtonDown(x, y, onCellClick);
}

LRESULT CellGridPanel::OnGetDlgCode(LPARAM message) const {
  if (CellsAreWindows()) return 0;
  // Plain letters stay with the grid too, so that a stray key press does
  // not run a button's command through its mnemonic.
  const LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  return IsGridKey(reinterpret_cast<const MSG*>(message)) ? code | DLGC_WANTMESSAGE : code;
}

void CellGridPanel::OnKeyDown(WPARAM key) {
  if (CellsAreWindows()) return;
  keyboardCues_ = true;
  InvalidateCell(store_.SelectedCell(kind_));
  for (const MoveKey& moveKey : kMoveKeys) {
    if (moveKey.key == key) return OnMoveKey(moveKey.move);
  }
  if (key == VK_RETURN && onCellDoubleClick) onCellDoubleClick(store_.SelectedCell(kind_));
  if (key == VK_DELETE && onDeleteKey) onDeleteKey();
}

void CellGridPanel::OnMoveKey(GridMove move) {
  const int to = CellAfterMove(store_.SelectedCell(kind_), move);
  if (onCellClick) onCellClick(to);
  ShowCell(to);
  InvalidateCell(to);
}

void CellGridPanel::OnFocusChange(bool gained) {
  // Tab brought the focus: show where it is at once. A click leaves the
  // page where the user had it.
  if (gained && GetKeyState(VK_TAB) < 0) {
    keyboardCues_ = true;
    ShowCell(store_.SelectedCell(kind_));
  }
  InvalidateCell(store_.SelectedCell(kind_));
}

void CellGridPanel::PaintFocus(HDC dc) const {
  const int n = FocusedCell();
  if (n == 0 || !keyboardCues_) return;
  RECT focus = CellFrame(n);
  const int inset = ui::Dpi::Of(Handle()).Scale(kFocusInset);
  InflateRect(&focus, -inset, -inset);
  DrawFocusRect(dc, &focus);
}

void CellGridPanel::OnButtonDown(int x, int y, const std::function<void(int)>& handler) {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  const int n = history::CellAt(dpi.Unscale(x), dpi.Unscale(y));
  if (n != 0 && handler) handler(n);
}

void CellGridPanel::PaintContent(HDC dc, const RECT& clientRect) {
  // Paint into a buffer so selection changes and scrolling do not flicker.
  const int width = clientRect.right;
  const int height = clientRect.bottom;
  RECT clip{};
  GetClipBox(dc, &clip);
  ui::unique_hdc buffer(CreateCompatibleDC(dc));
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  ui::SelectGuard selectBitmap(buffer.get(), bitmap.get());
  // Under high contrast the cells take the scheme's window colours.
  HBRUSH face = GetSysColorBrush(contrast_.SystemIndex(COLOR_BTNFACE, COLOR_WINDOW));
  FillRect(buffer.get(), &clientRect, face);

  ui::unique_hbrush selected(CreateSolidBrush(contrast_.Colour(kSelectionFrameColour, COLOR_HIGHLIGHT)));
  ui::unique_hpen line(CreatePen(PS_SOLID, 1, contrast_.Colour(kFrameLineColour, COLOR_WINDOWTEXT)));
  ui::SelectGuard selectPen(buffer.get(), line.get());
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  for (int n = 1; n <= history::kCellCount; ++n) {
    const RECT frame = CellFrame(n);
    RECT overlap{};
    if (!IntersectRect(&overlap, &frame, &clip)) continue;
    HBRUSH brush = store_.IsSelected(kind_, n) ? selected.get() : face;
    ui::SelectGuard selectBrush(buffer.get(), brush);
    Rectangle(buffer.get(), frame.left, frame.top, frame.right, frame.bottom);
    // A cell whose content cannot be drawn (short of memory while scaling
    // its picture) stays empty; the other cells are drawn all the same.
    try {
      PaintCell(buffer.get(), n, dpi.Scale(ToRECT(history::ContentRect(n))));
    } catch (...) {
    }
  }
  PaintFocus(buffer.get());
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer.get(), clip.left, clip.top,
         SRCCOPY);
}

}  // namespace history
