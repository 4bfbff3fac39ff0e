#include "history/text_grid_panel.h"

#include <commctrl.h>

#include <optional>
#include <utility>

#include "history/cell_grid.h"
#include "history/main_window_layout.h"
#include "history/spoken_text_rules.h"

namespace history {

void TextGridPanel::CreateCells(HFONT font) {
  for (int n = 1; n <= kCellCount; ++n) {
    const core::Rect content = ContentRect(n);
    ui::Memo& memo = Cell(n);
    memo.Create(Handle(), kTextCellIdBase + n, content.left, content.top, content.width, content.height,
                ui::MemoOptions{});
    memo.SetFont(font);
    ApplyCellColours(memo);
    ui::AccessibleAnswers answers;
    answers.name = [this, n](long child) {
      return child == CHILDID_SELF ? std::optional<std::wstring>(CellName(n)) : std::nullopt;
    };
    cellObjects_[static_cast<size_t>(n - 1)].SetAnswers(std::move(answers));
    SetWindowSubclass(memo.Handle(), &TextGridPanel::CellProc, static_cast<UINT_PTR>(n),
                      reinterpret_cast<DWORD_PTR>(this));
  }
}

void TextGridPanel::ApplyCellColours(ui::Memo& memo) {
  // Text cells sit on the button face, like the frames around them; under
  // high contrast on the window colour, as the frames do.
  memo.SetSystemColours(COLOR_WINDOWTEXT, Contrast().SystemIndex(COLOR_BTNFACE, COLOR_WINDOW));
}

void TextGridPanel::OnContrastChanged() {
  for (ui::Memo& memo : memos_) {
    ApplyCellColours(memo);
    InvalidateRect(memo.Handle(), nullptr, TRUE);
  }
}

std::wstring TextGridPanel::CellName(int n) const { return TextCellName(n, CellText(n)); }

int TextGridPanel::FocusedCell() const {
  HWND focus = GetFocus();
  if (focus && GetParent(focus) == Handle()) {
    const int n = GetDlgCtrlID(focus) - kTextCellIdBase;
    if (n >= 1 && n <= kCellCount) return n;
  }
  return CellGridPanel::FocusedCell();
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
    case WM_GETOBJECT:
      if (std::optional<LRESULT> reply = cellObjects_[static_cast<size_t>(n - 1)].OnGetObject(window, wParam, lParam)) {
        return *reply;
      }
      break;
    case WM_NCDESTROY:
      cellObjects_[static_cast<size_t>(n - 1)].Disconnect();
      RemoveWindowSubclass(window, &TextGridPanel::CellProc, static_cast<UINT_PTR>(n));
      break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace history
