// The grid of the Text page: a memo in each of its 55 cells. The memos stay
// edit controls (the user may type into them); a click still selects its
// cell and a double click opens it. Tab walks the memos in reading order,
// and the memo it reaches is selected and scrolled into view.
#pragma once

#include <array>
#include <functional>
#include <string_view>
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
  // Hands `read` the text of cell n where the memo keeps it, without a
  // copy: a cell may hold megabytes, and a search over every cell must not
  // copy them all. The view is valid only during the call, which must not
  // send the memo any message.
  void ReadCellText(int n, const std::function<void(std::wstring_view)>& read) const;
  // Where cell n's memo keeps its text: the memory block it hands out and
  // the text's length. Asking costs the memo a pass over its text, so a
  // search that runs at every keystroke asks once and reads the block again
  // with ReadHeldText, for as long as the cell's content stays the same
  // (the store gives new content another capture order). A null block: the
  // memo gives none, and the text is read with ReadCellText.
  struct HeldText {
    HLOCAL block = nullptr;
    std::size_t length = 0;
  };
  HeldText CellTextBlock(int n) const;
  // Hands `read` the text of a block CellTextBlock found; false, calling
  // nothing, when the block cannot be read.
  static bool ReadHeldText(const HeldText& held, const std::function<void(std::wstring_view)>& read);
  HWND CellHandle(int n) const;
  // False when the memo could not hold the whole text (short of memory);
  // the cell then shows its old text or none.
  [[nodiscard]] bool SetCellText(int n, const std::wstring& text);
  void MoveCellsDown(int firstCell) override;
  void EmptyCells() override;
  std::wstring CellName(int n) const override;
  int FocusedCell() const override;

 protected:
  bool CellsAreWindows() const override { return true; }
  void OnContrastChanged() override;

 private:
  static LRESULT CALLBACK CellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR n,
                                   DWORD_PTR self);
  LRESULT OnCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n);
  LRESULT OnCellClick(HWND window, WPARAM wParam, LPARAM lParam, int n);
  void OnCellFocus(int n);
  ui::Memo& Cell(int n) { return memos_.at(static_cast<size_t>(n - 1)); }
  void ApplyCellColours(ui::Memo& memo);

  std::array<ui::Memo, kCellCount> memos_;
  // A click is focusing a memo: it selects its cell itself, and the page
  // stays where the user scrolled it.
  bool clicking_ = false;
  // Each memo is read out by its cell's name, not only as an edit field.
  std::array<ui::AccessibleServer, kCellCount> cellObjects_;
};

}  // namespace history
