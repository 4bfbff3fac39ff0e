#include "history/cell_grid_panel.h"

#include <windowsx.h>

#include "history/cell_grid.h"
#include "history/cell_grid_accessibility.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace history {

RECT ToRECT(const core::Rect& rect) { return RECT{rect.left, rect.top, rect.Right(), rect.Bottom()}; }

namespace {
constexpr COLORREF kFrameLineColour = RGB(0, 0, 0);
}  // namespace

void CellGridPanel::Create(HWND parent) {
  accessible_.SetAnswers(GridAnswers(*this));
  Panel::Create(parent, 0, 0, history::kPanelWidth, history::kPanelHeight);
  announcedSelection_ = store_.SelectedCell(kind_);
}

RECT CellGridPanel::CellFrame(int n) const { return ui::Dpi::Of(Handle()).Scale(ToRECT(history::FrameRect(n))); }

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

void CellGridPanel::InvalidateCell(int n) {
  const RECT frame = ToRECT(history::FrameRect(n));
  InvalidateRect(Handle(), &frame, FALSE);
}

LRESULT CellGridPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), onCellClick); return 0;
    case WM_LBUTTONDBLCLK: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), onCellDoubleClick); return 0;
    case WM_GETOBJECT: return accessible_.OnGetObject(Handle(), wParam, lParam).value_or(0);
    default: return Panel::HandleMessage(message, wParam, lParam);
  }
}

void CellGridPanel::OnButtonDown(int x, int y, const std::function<void(int)>& handler) {
  const int n = history::CellAt(x, y);
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
  for (int n = 1; n <= history::kCellCount; ++n) {
    const RECT frame = ToRECT(history::FrameRect(n));
    RECT overlap{};
    if (!IntersectRect(&overlap, &frame, &clip)) continue;
    HBRUSH brush = store_.IsSelected(kind_, n) ? selected.get() : face;
    ui::SelectGuard selectBrush(buffer.get(), brush);
    Rectangle(buffer.get(), frame.left, frame.top, frame.right, frame.bottom);
    // A cell whose content cannot be drawn (short of memory while scaling
    // its picture) stays empty; the other cells are drawn all the same.
    try {
      PaintCell(buffer.get(), n, ToRECT(history::ContentRect(n)));
    } catch (...) {
    }
  }
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer.get(), clip.left, clip.top,
         SRCCOPY);
}

}  // namespace history
