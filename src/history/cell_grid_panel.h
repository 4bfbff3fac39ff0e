// The panel behind one notebook page: it draws the 55 cell frames, showing
// which cell is selected. What the cells hold, and how it is drawn, moved
// down or emptied, is the part of the grid of each kind.
//
// A grid whose cells are no windows of their own takes the focus itself: the
// arrow and page keys move the selection as clicks do, Enter opens the cell
// as a double click does, and Delete asks for the Delete command.
#pragma once

#include <functional>
#include <string>

#include "core/geometry.h"
#include "history/cell_store.h"
#include "history/grid_navigation_rules.h"
#include "ui/accessible_object.h"
#include "ui/high_contrast.h"
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
  // Told of the Delete key.
  std::function<void()> onDeleteKey;
  // Asked to scroll the span [top, bottom) of the panel into view, when the
  // keyboard reached a cell.
  std::function<void(int top, int bottom)> onShowSpan;
  // The cell with the keyboard focus; 0 while the focus is elsewhere.
  virtual int FocusedCell() const;
  void InvalidateCell(int n);
  void InvalidateFrames() { Invalidate(); }
  // A delete: cells firstCell + 1 .. kCellCount each take the place below,
  // and the last cell is emptied.
  virtual void MoveCellsDown(int firstCell) {}
  // A delete all: every cell is emptied.
  virtual void EmptyCells() {}

  const history::CellStore& Store() const { return store_; }
  history::CellKind Kind() const { return kind_; }
  // Cell n's frame in client pixels.
  RECT CellFrame(int n) const;
  // What a screen reader calls cell n; a grid that knows nothing of its
  // cells' content calls it by its number.
  virtual std::wstring CellName(int n) const { return std::to_wstring(n); }
  // Tells screen readers of the selected cell when it is another one than
  // they were last told of.
  void AnnounceSelection();
  // Colours for the user's contrast setting.
  void SetHighContrast(ui::HighContrast contrast);
  ui::HighContrast Contrast() const { return contrast_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;
  const wchar_t* ClassName() const override { return core::kCellGridClass; }
  // Paints the content of cell n into its content rectangle, over the
  // frame; a cell drawn by a child window of its own leaves this alone.
  virtual void PaintCell(HDC dc, int n, const RECT& content) {}
  // Whether the cells are windows that take the focus and keys themselves.
  virtual bool CellsAreWindows() const { return false; }
  // Scrolls cell n into view.
  void ShowCell(int n);
  virtual void OnContrastChanged() {}
  void OnHandleDestroyed() override { accessible_.Disconnect(); }

 private:
  void OnButtonDown(int x, int y, const std::function<void(int)>& handler);
  void OnClick(int x, int y);
  LRESULT OnGetDlgCode(LPARAM message) const;
  void OnKeyDown(WPARAM key);
  void OnMoveKey(GridMove move);
  void OnFocusChange(bool gained);
  void PaintFocus(HDC dc) const;

  const history::CellStore& store_;
  history::CellKind kind_;
  // The focus rectangle shows once the keyboard is used on the grid, and
  // never for the mouse alone.
  bool keyboardCues_ = false;
  ui::HighContrast contrast_ = ui::HighContrast::FromSystem();
  ui::AccessibleServer accessible_;
  int announcedSelection_ = 0;
};

RECT ToRECT(const core::Rect& rect);

}  // namespace history
