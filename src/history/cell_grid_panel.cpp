#include "history/cell_grid_panel.h"

#include <windowsx.h>

#include "history/cell_grid.h"
#include "ui/handles.h"

namespace history {

RECT ToRECT(const core::Rect& rect) { return RECT{rect.left, rect.top, rect.Right(), rect.Bottom()}; }

// Neighbouring frames share their outline, at any scale.
RECT CellGridPanel::FrameAt(int n) const { return ui::Dpi::Of(Handle()).ScaleOutline(ToRECT(history::FrameRect(n))); }

void CellGridPanel::Create(HWND parent) { Panel::Create(parent, 0, 0, history::kPanelWidth, history::kPanelHeight); }

void CellGridPanel::InvalidateCell(int n) {
  const RECT frame = FrameAt(n);
  InvalidateRect(Handle(), &frame, FALSE);
}

LRESULT CellGridPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), onCellClick); return 0;
    case WM_LBUTTONDBLCLK: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), onCellDoubleClick); return 0;
    default: return Panel::HandleMessage(message, wParam, lParam);
  }
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
  FillRect(buffer.get(), &clientRect, GetSysColorBrush(COLOR_BTNFACE));

  ui::unique_hbrush selected(CreateSolidBrush(kSelectionFrameColour));
  ui::SelectGuard selectPen(buffer.get(), GetStockObject(BLACK_PEN));
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  for (int n = 1; n <= history::kCellCount; ++n) {
    const RECT frame = FrameAt(n);
    RECT overlap{};
    if (!IntersectRect(&overlap, &frame, &clip)) continue;
    HBRUSH brush = store_.IsSelected(kind_, n) ? selected.get() : GetSysColorBrush(COLOR_BTNFACE);
    ui::SelectGuard selectBrush(buffer.get(), brush);
    Rectangle(buffer.get(), frame.left, frame.top, frame.right, frame.bottom);
    // A cell whose content cannot be drawn (short of memory while scaling
    // its picture) stays empty; the other cells are drawn all the same.
    try {
      PaintCell(buffer.get(), n, dpi.Scale(ToRECT(history::ContentRect(n))));
    } catch (...) {
    }
  }
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, buffer.get(), clip.left, clip.top,
         SRCCOPY);
}

}  // namespace history
