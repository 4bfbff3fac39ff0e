#include "history/text_grid_panel.h"

#include <algorithm>

#include <commctrl.h>

#include <optional>
#include <utility>

#include "history/cell_grid.h"
#include "history/main_window_layout.h"
#include "history/spoken_text_rules.h"

namespace history {

namespace {

// A memo takes every key, but Tab and Esc belong to the window: Tab moves
// on to the next cell or button, and Esc would have the memo close its
// parent, the grid.
LRESULT LeftToDialog(LPARAM message) {
  const MSG* asked = reinterpret_cast<const MSG*>(message);
  if (!asked || asked->message != WM_KEYDOWN) return 0;
  const bool tab = asked->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0;
  return tab || asked->wParam == VK_ESCAPE ? DLGC_WANTALLKEYS | DLGC_WANTTAB : 0;
}

}  // namespace

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

void TextGridPanel::SetCellFont(HFONT font) {
  for (ui::Memo& memo : memos_) memo.SetFont(font);
}

std::wstring TextGridPanel::CellText(int n) const { return memos_.at(static_cast<size_t>(n - 1)).Text(); }

void TextGridPanel::ReadCellText(int n, const std::function<void(std::wstring_view)>& read) const {
  if (!ReadHeldText(CellTextBlock(n), read)) read(CellText(n));
}

TextGridPanel::HeldText TextGridPanel::CellTextBlock(int n) const {
  HWND memo = CellHandle(n);
  HeldText held;
  held.length = static_cast<std::size_t>(GetWindowTextLengthW(memo));
  // A multi-line edit control of this process keeps its text in a local
  // memory block it hands out, unlocked, on EM_GETHANDLE. The block stays
  // its own until its text is set anew.
  held.block = reinterpret_cast<HLOCAL>(SendMessageW(memo, EM_GETHANDLE, 0, 0));
  return held;
}

bool TextGridPanel::ReadHeldText(const HeldText& held, const std::function<void(std::wstring_view)>& read) {
  const auto* text = held.block ? static_cast<const wchar_t*>(LocalLock(held.block)) : nullptr;
  if (!text) return false;
  struct Unlock {
    HLOCAL block;
    ~Unlock() { LocalUnlock(block); }
  } unlock{held.block};
  // The length was taken with the block; a block grown smaller since (it
  // never is while the content stays) is not read past its end.
  const std::size_t room = LocalSize(held.block) / sizeof(wchar_t);
  read(std::wstring_view(text, std::min(held.length, room)));
  return true;
}

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

int TextGridPanel::FocusedCell() const {
  const HWND focus = GetFocus();
  for (int n = 1; n <= kCellCount; ++n) {
    if (CellHandle(n) == focus) return n;
  }
  return 0;
}

LRESULT TextGridPanel::OnCellClick(HWND window, WPARAM wParam, LPARAM lParam, int n) {
  if (onCellClick) onCellClick(n);
  clicking_ = true;
  const LRESULT result = DefSubclassProc(window, WM_LBUTTONDOWN, wParam, lParam);
  clicking_ = false;
  return result;
}

void TextGridPanel::OnCellFocus(int n) {
  if (clicking_) return;
  if (onCellClick) onCellClick(n);
  ShowCell(n);
}

LRESULT TextGridPanel::OnCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n) {
  switch (message) {
    case WM_LBUTTONDOWN: return OnCellClick(window, wParam, lParam, n);
    case WM_SETFOCUS: OnCellFocus(n); break;
    case WM_GETDLGCODE: return DefSubclassProc(window, message, wParam, lParam) & ~LeftToDialog(lParam);
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
