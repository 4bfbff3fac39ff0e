// QuickPasteWindow: the small popup the quick paste key opens where the user
// is working. It lists every filled cell of both kinds, newest first; typing
// into its filter field narrows the list, and Enter (or a click) pastes the
// chosen item into the window that was in front. The key itself is held on
// this window, which stays hidden between uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "desktop/hot_key.h"
#include "history/main_window.h"
#include "quickpaste/paste_target.h"
#include "quickpaste/quick_paste_rules.h"
#include "settings/settings.h"
#include "ui/edit_field.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/timer.h"

namespace quickpaste {

inline constexpr wchar_t kQuickPasteTitle[] = L"Kestrel 99 Quick Paste";

class QuickPasteWindow : public ui::Form {
 public:
  QuickPasteWindow(ui::Application& application, settings::Settings& settings, history::MainWindow& history);

  // Opens the popup for the window in front now, near its caret.
  void OpenForForeground();
  // Opens it for `target`, at `anchor` (screen coordinates).
  void Open(const PasteTarget& target, const RECT& anchor);
  // Registers the key the settings name, unless it holds it already. False
  // when another program holds it.
  bool ApplyKey();
  // At start-up: registers the key, and when another program holds it says
  // so once the program is up, once for that key rather than at every start.
  void StartKey();

  // The rows shown now, for tests and the gallery.
  int ShownCount() const { return static_cast<int>(shown_.size()); }
  int SelectedRow() const { return selected_; }
  const std::wstring& Note() const { return note_; }
  // Types into the filter field as a user would (gallery, tests).
  void SetFilterText(const std::wstring& text) { filter_.SetText(text); }
  // The key's text as the user reads it, "Ctrl+`".
  std::wstring KeyText() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;
  bool OnEscape() override;

 private:
  // One listed item, with what its row shows worked out once at opening.
  struct Row {
    Item item;
    std::wstring title;  // a text's first line, or a picture's size
    std::wstring hint;   // a text's length, or "Picture"
    int width = 0;       // a picture's size
    int height = 0;
    // Where a text cell keeps its text, read in place at every keystroke.
    history::TextGridPanel::HeldText held;
  };

  void CreateControls();
  void MakeFonts();
  void LoadRows();
  Row MakeRow(const Item& item) const;
  bool Matches(const Row& row, const Filter& filter) const;
  // Whether a cell took other content since the rows were made (a capture
  // while the list is open).
  bool RowsAreStale() const;
  void ApplyFilter();
  void Layout(const RECT& anchor);
  int VisibleRows() const;
  int RowAt(int y) const;
  RECT RowRect(int visibleIndex) const;
  void Select(int row);
  void MoveBy(Move move);
  void Choose(int row);
  bool PutOnClipboard(const Row& row);
  void ShowNote(std::wstring note);
  void Dismiss(bool giveFocusBack);

  void PaintRow(HDC dc, const Row& row, const RECT& rect, int visibleIndex, bool selected) const;
  void PaintThumbnail(HDC dc, const Row& row, const RECT& box) const;
  void PaintMessage(HDC dc, const RECT& area, const std::wstring& text) const;

  void OnHotKey();
  void OnActivate(bool active);
  void OnCommand(int id, int code);
  void OnMouseMove(int x, int y);
  void OnMouseLeave();
  void OnMouseWheel(int delta);
  void OnButtonDown(int x, int y);
  void OnKeyDown();
  void OnReportRefusedKey();
  void OnTimer(UINT_PTR id);
  void OnDpiChanged();
  // The filter field's keys: the moves, Enter, Esc and Ctrl+1..9.
  bool OnFilterKey(WPARAM key);
  static LRESULT CALLBACK FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);

  settings::Settings& settings_;
  history::MainWindow& history_;
  ui::EditField filter_;
  ui::unique_hfont font_;
  ui::unique_hfont smallFont_;
  desktop::HotKey hotKey_;
  ui::Timer noteTimer_;
  PasteTarget target_;
  std::vector<Row> rows_;
  // Indexes into rows_ of the rows the filter keeps, in list order.
  std::vector<int> shown_;
  Filter lastFilter_;
  int selected_ = -1;
  int top_ = 0;
  int hover_ = -1;
  bool trackingMouse_ = false;
  // Set while the popup puts itself away, so its own deactivation is not
  // taken for a click elsewhere.
  bool closing_ = false;
  // Said in place of the list after a paste that could not be sent.
  std::wstring note_;
};

}  // namespace quickpaste
