// The panel behind one notebook page: it draws the 55 cell frames, showing
// which cell is selected. What the cells hold, and how it is drawn, moved
// down or emptied, is the part of the grid of each kind.
#pragma once

#include <functional>

#include "core/geometry.h"
#include "history/cell_store.h"
#include "ui/dpi.h"
#include "ui/panel.h"
#include "core/window_classes.h"

namespace history {

// The model keeps the colour as 0x00BBGGRR, which is a COLORREF's layout.
inline constexpr COLORREF kSelectionFrameColour = static_cast<COLORREF>(history::kSelectionColour);
static_assert(kSelectionFrameColour == RGB(0xAA, 0xAA, 0xFF));

class CellGridPanel : public ui::Panel {
 public:
  CellGridPanel(const history::CellStore& store, history::CellKind kind) : store_(store), kind_(kind) {}
  void Create(HWND parent);
  // Told of a click and of a double click on the content of cell n.
  std::function<void(int)> onCellClick;
  std::function<void(int)> onCellDoubleClick;
  void InvalidateCell(int n);
  void InvalidateFrames() { Invalidate(); }
  // A delete: cells firstCell + 1 .. kCellCount each take the place below,
  // and the last cell is emptied.
  virtual void MoveCellsDown(int firstCell) {}
  // A delete all: every cell is emptied.
  virtual void EmptyCells() {}

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;
  const wchar_t* ClassName() const override { return core::kCellGridClass; }
  // Paints the content of cell n into its content rectangle, over the
  // frame; a cell drawn by a child window of its own leaves this alone.
  virtual void PaintCell(HDC dc, int n, const RECT& content) {}

 private:
  // Frame of cell n in this panel's pixels.
  RECT FrameAt(int n) const;
  void OnButtonDown(int x, int y, const std::function<void(int)>& handler);

  const history::CellStore& store_;
  history::CellKind kind_;
};

RECT ToRECT(const core::Rect& rect);

}  // namespace history
