// The grid of the Text page: a memo in each of its 55 cells. The memos stay
// edit controls (the user may type into them); a click still selects its
// cell and a double click opens it.
#pragma once

#include <array>
#include <string>

#include "history/cell_grid_panel.h"
#include "ui/memo.h"

namespace history {

class TextGridPanel : public CellGridPanel {
 public:
  explicit TextGridPanel(const CellStore& store) : CellGridPanel(store, CellKind::Text) {}

  // Puts a memo in every cell, once the panel has its window.
  void CreateCells(HFONT font);
  void SetCellFont(HFONT font);
  std::wstring CellText(int n) const;
  HWND CellHandle(int n) const;
  // False when the memo could not hold the whole text (short of memory);
  // the cell then shows its old text or none.
  [[nodiscard]] bool SetCellText(int n, const std::wstring& text);
  void MoveCellsDown(int firstCell) override;
  void EmptyCells() override;

 private:
  static LRESULT CALLBACK CellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR n,
                                   DWORD_PTR self);
  LRESULT OnCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n);
  ui::Memo& Cell(int n) { return memos_.at(static_cast<size_t>(n - 1)); }

  std::array<ui::Memo, kCellCount> memos_;
};

}  // namespace history
