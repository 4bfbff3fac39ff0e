#include "history/text_grid_panel.h"

#include <commctrl.h>

#include "history/cell_grid.h"
#include "history/main_window_layout.h"

namespace history {

void TextGridPanel::CreateCells(HFONT font) {
  for (int n = 1; n <= kCellCount; ++n) {
    const core::Rect content = ContentRect(n);
    ui::Memo& memo = Cell(n);
    memo.Create(Handle(), kTextCellIdBase + n, content.left, content.top, content.width, content.height,
                ui::MemoOptions{});
    memo.SetFont(font);
    // Text cells sit on the button face, like the frames around them.
    memo.SetSystemColours(COLOR_WINDOWTEXT, COLOR_BTNFACE);
    SetWindowSubclass(memo.Handle(), &TextGridPanel::CellProc, static_cast<UINT_PTR>(n),
                      reinterpret_cast<DWORD_PTR>(this));
  }
}

void TextGridPanel::SetCellFont(HFONT font) {
  for (ui::Memo& memo : memos_) memo.SetFont(font);
}

std::wstring TextGridPanel::CellText(int n) const { return memos_.at(static_cast<size_t>(n - 1)).Text(); }

HWND TextGridPanel::CellHandle(int n) const { return memos_.at(static_cast<size_t>(n - 1)).Handle(); }

bool TextGridPanel::SetCellText(int n, const std::wstring& text) { return Cell(n).TrySetText(text); }

void TextGridPanel::MoveCellsDown(int firstCell) {
  for (int j = firstCell; j < kCellCount; ++j) Cell(j).SetText(Cell(j + 1).Text());
  memos_.back().Clear();
}

void TextGridPanel::EmptyCells() {
  for (ui::Memo& memo : memos_) memo.Clear();
}

LRESULT CALLBACK TextGridPanel::CellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR n,
                                         DWORD_PTR self) {
  try {
    return reinterpret_cast<TextGridPanel*>(self)->OnCellMessage(window, message, wParam, lParam, static_cast<int>(n));
  } catch (...) {
    ui::ShowErrorBox(window, ui::CurrentExceptionText());
  }
  return 0;
}

LRESULT TextGridPanel::OnCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (onCellClick) onCellClick(n);
      break;
    case WM_LBUTTONDBLCLK: {
      // The memo marks the word first, as an edit control does.
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (onCellDoubleClick) onCellDoubleClick(n);
      return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(window, &TextGridPanel::CellProc, static_cast<UINT_PTR>(n)); break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace history
