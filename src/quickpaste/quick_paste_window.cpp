#include "quickpaste/quick_paste_window.h"

#include "settings/hot_key_rules.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "desktop/clipboard.h"
#include "tools/picture_export.h"
#include "ui/dpi.h"
#include "ui/message_box.h"

namespace quickpaste {

namespace {

using history::CellKind;

constexpr wchar_t kWindowClass[] = L"KestrelQuickPaste";
constexpr int kFilterId = 100;
constexpr int kHotKeyId = 1;
constexpr UINT_PTR kNoteTimerId = 1;
constexpr UINT kReportRefusedKeyMessage = WM_APP + 1;
// Long enough to read the note, short enough not to stand in the way.
constexpr UINT kNoteShownMs = 4000;

// Layout, in 96 DPI units.
constexpr int kWidth = 440;
constexpr int kPadding = 6;
constexpr int kFilterHeight = 24;
constexpr int kRowHeight = 42;
constexpr int kMaxVisibleRows = 9;
constexpr int kThumbnailWidth = 60;
constexpr int kThumbnailHeight = 34;
constexpr int kTextLeft = kPadding + kThumbnailWidth + 10;
constexpr int kShortcutWidth = 54;
constexpr int kFontHeight = 15;
constexpr int kSmallFontHeight = 12;
constexpr int kMessageRows = 2;
// The first line of a text is cut to this many characters before it is
// measured: no row shows more, and a text may be one line of megabytes.
constexpr std::size_t kTitleLimit = 200;
constexpr wchar_t kFontFace[] = L"Segoe UI";
constexpr wchar_t kTextBadge[] = L"Aa";
constexpr wchar_t kFilterCue[] = L"Type to narrow the list";
constexpr wchar_t kPictureHint[] = L"Picture";
constexpr wchar_t kNothingYet[] = L"Nothing has been copied yet.";
constexpr wchar_t kNothingFound[] = L"Nothing holds what you typed.";
constexpr wchar_t kTargetGone[] =
    L"The window you came from has closed. The item is on the clipboard: paste it with Ctrl+V.";
constexpr wchar_t kTargetElevated[] =
    L"The window you came from runs with higher rights, so it cannot be pasted into from here. The item is on the "
    L"clipboard: paste it there with Ctrl+V.";
constexpr wchar_t kTargetUnreachable[] =
    L"The window you came from could not be given the focus back. The item is on the clipboard: paste it with "
    L"Ctrl+V.";
constexpr wchar_t kNoTarget[] = L"The item is on the clipboard: paste it with Ctrl+V.";
constexpr wchar_t kClipboardRefused[] = L"The clipboard could not be written, so nothing was pasted.";
constexpr COLORREF kHintColour = RGB(0x70, 0x70, 0x70);
constexpr COLORREF kBadgeColour = RGB(0xE8, 0xE8, 0xEC);
constexpr COLORREF kHoverColour = RGB(0xE5, 0xF1, 0xFB);
constexpr int kWheelStepRows = 3;

RECT Shrunk(RECT rect, int by) {
  InflateRect(&rect, -by, -by);
  return rect;
}

// The part of `box` a picture of this size fills with its shape kept.
RECT Fitted(const RECT& box, int width, int height) {
  const int boxWidth = box.right - box.left;
  const int boxHeight = box.bottom - box.top;
  if (width <= 0 || height <= 0) return box;
  int w = boxWidth;
  int h = MulDiv(w, height, width);
  if (h > boxHeight) {
    h = boxHeight;
    w = MulDiv(h, width, height);
  }
  w = std::max(w, 1);
  h = std::max(h, 1);
  const int left = box.left + (boxWidth - w) / 2;
  const int top = box.top + (boxHeight - h) / 2;
  return RECT{left, top, left + w, top + h};
}

core::Rect ToCore(const RECT& rect) { return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace

QuickPasteWindow::QuickPasteWindow(ui::Application& application, settings::Settings& settings,
                                   history::MainWindow& history)
    : Form(application), settings_(settings), history_(history) {
  ui::FormParams params;
  params.className = kWindowClass;
  params.caption = kQuickPasteTitle;
  params.style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
  params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.clientWidth = kWidth;
  params.clientHeight = kPadding * 3 + kFilterHeight + kRowHeight * kMaxVisibleRows;
  CreateForm(params);
  EnablePainting();
  CreateControls();
  hotKey_.Attach(Handle(), kHotKeyId);
  noteTimer_.Attach(Handle(), kNoteTimerId, kNoteShownMs);
}

void QuickPasteWindow::CreateControls() {
  filter_.Create(Handle(), kFilterId, kPadding, kPadding, kWidth - 2 * kPadding, kFilterHeight, false);
  SetWindowSubclass(filter_.Handle(), &QuickPasteWindow::FilterProc, kFilterId, reinterpret_cast<DWORD_PTR>(this));
  // Says what the empty field is for, and stays while it has the focus.
  SendMessageW(filter_.Handle(), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(kFilterCue));
  MakeFonts();
}

void QuickPasteWindow::MakeFonts() {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  font_ = ui::MakeFont(dpi, kFontFace, kFontHeight);
  smallFont_ = ui::MakeFont(dpi, kFontFace, kSmallFontHeight);
  filter_.SetFont(font_.get());
}

std::wstring QuickPasteWindow::KeyText() const {
  return settings::FormatHotKey(settings_.QuickPasteKey());
}

bool QuickPasteWindow::ApplyKey() {
  const HotKeyRegistration wanted = ToRegistration(settings_.QuickPasteKey());
  if (hotKey_.Holds(wanted.modifiers, wanted.virtualKey)) return true;
  return hotKey_.Register(wanted.modifiers, wanted.virtualKey);
}

void QuickPasteWindow::StartKey() {
  if (ApplyKey()) {
    // Should the key be taken again one day, that is news again.
    settings_.SetRefusedQuickPasteKey(0);
    return;
  }
  // Told once the program is up, not in the middle of its start.
  PostMessageW(Handle(), kReportRefusedKeyMessage, 0, 0);
}

void QuickPasteWindow::OnReportRefusedKey() {
  const std::uint16_t key = settings_.QuickPasteKey();
  if (hotKey_.IsRegistered() || !ShouldReportRefusal(key, settings_.RefusedQuickPasteKey())) return;
  settings_.SetRefusedQuickPasteKey(key);
  ui::Warn(Handle(), KeyTakenMessage(KeyText()));
}

void QuickPasteWindow::OpenForForeground() {
  const PasteTarget target = PasteTarget::Foreground();
  RECT anchor{};
  if (const std::optional<RECT> caret = target.CaretOnScreen()) {
    anchor = *caret;
  } else {
    POINT mouse{};
    GetCursorPos(&mouse);
    anchor = RECT{mouse.x, mouse.y, mouse.x + 1, mouse.y + 1};
  }
  Open(target, anchor);
}

void QuickPasteWindow::Open(const PasteTarget& target, const RECT& anchor) {
  target_ = target;
  note_.clear();
  noteTimer_.SetEnabled(false);
  closing_ = false;
  LoadRows();
  // A new opening starts from the whole list; clearing the field filters.
  lastFilter_ = Filter();
  if (filter_.Text().empty()) {
    ApplyFilter();
  } else {
    filter_.SetText(L"");
  }
  ShowWindow(filter_.Handle(), SW_SHOW);
  Layout(anchor);
  Show();
  SetFocus(filter_.Handle());
  UpdateWindow(Handle());
}

void QuickPasteWindow::LoadRows() {
  rows_.clear();
  for (const Item& item : ItemsNewestFirst(history_.Store())) rows_.push_back(MakeRow(item));
  // Until something is typed, every row is shown.
  shown_.clear();
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) shown_.push_back(i);
}

QuickPasteWindow::Row QuickPasteWindow::MakeRow(const Item& item) const {
  Row row{item};
  if (item.kind == CellKind::Image) {
    const picture::Picture& picture = history_.ImageGrid().CellPicture(item.cell);
    row.width = picture.Width();
    row.height = picture.Height();
    row.title = PictureSizeText(row.width, row.height);
    row.hint = kPictureHint;
    return row;
  }
  row.held = history_.TextGrid().CellTextBlock(item.cell);
  const auto describe = [&row](std::wstring_view text) {
    const std::wstring_view line = FirstLine(text);
    row.title.assign(line.substr(0, kTitleLimit));
    // Tabs and other controls would draw as boxes.
    std::replace_if(row.title.begin(), row.title.end(), [](wchar_t c) { return c < L' '; }, L' ');
    row.hint = TextLengthHint(LineCount(text), text.size());
  };
  if (!history::TextGridPanel::ReadHeldText(row.held, describe)) history_.TextGrid().ReadCellText(item.cell, describe);
  return row;
}

bool QuickPasteWindow::Matches(const Row& row, const Filter& filter) const {
  if (filter.IsEmpty()) return true;
  if (row.item.kind == CellKind::Image) return filter.MatchesPicture(row.width, row.height);
  bool found = false;
  const auto search = [&](std::wstring_view text) { found = filter.MatchesText(text); };
  if (!history::TextGridPanel::ReadHeldText(row.held, search)) history_.TextGrid().ReadCellText(row.item.cell, search);
  return found;
}

bool QuickPasteWindow::RowsAreStale() const {
  const history::CellStore& store = history_.Store();
  std::size_t filled = 0;
  for (CellKind kind : {CellKind::Image, CellKind::Text}) filled += static_cast<std::size_t>(store.FilledCells(kind));
  if (filled != rows_.size()) return true;
  return std::any_of(rows_.begin(), rows_.end(), [&store](const Row& row) {
    return store.CaptureOrder(row.item.kind, row.item.cell) != row.item.order;
  });
}

void QuickPasteWindow::ApplyFilter() {
  // The rows keep where each text is held; new content asks anew.
  if (RowsAreStale()) LoadRows();
  Filter filter(filter_.Text());
  // Typing on only narrows: the rows dropped already need no new look.
  std::vector<int> candidates;
  if (filter.Narrows(lastFilter_)) {
    candidates = shown_;
  } else {
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) candidates.push_back(i);
  }
  shown_.clear();
  for (int i : candidates) {
    if (Matches(rows_[static_cast<std::size_t>(i)], filter)) shown_.push_back(i);
  }
  lastFilter_ = std::move(filter);
  selected_ = shown_.empty() ? -1 : 0;
  top_ = 0;
  hover_ = -1;
  Invalidate();
}

int QuickPasteWindow::VisibleRows() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  const int listHeight = client.bottom - dpi.Scale(kPadding * 3 + kFilterHeight);
  return std::max(listHeight / dpi.Scale(kRowHeight), 1);
}

void QuickPasteWindow::Layout(const RECT& anchor) {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  MakeFonts();
  const int rows = std::clamp(static_cast<int>(rows_.size()), kMessageRows, kMaxVisibleRows);
  RECT frame{0, 0, dpi.Scale(kWidth), dpi.Scale(kPadding * 3 + kFilterHeight + kRowHeight * rows)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
  const core::Rect place = PlacePopup(ToCore(anchor), width, height, ToCore(monitor.rcWork));
  SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, width, height, SWP_NOACTIVATE);
  SetWindowPos(filter_.Handle(), nullptr, dpi.Scale(kPadding), dpi.Scale(kPadding), dpi.Scale(kWidth - 2 * kPadding),
               dpi.Scale(kFilterHeight), SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT QuickPasteWindow::RowRect(int visibleIndex) const {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  const int top = dpi.Scale(kPadding * 2 + kFilterHeight) + visibleIndex * dpi.Scale(kRowHeight);
  return RECT{dpi.Scale(kPadding), top, client.right - dpi.Scale(kPadding), top + dpi.Scale(kRowHeight)};
}

int QuickPasteWindow::RowAt(int y) const {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  const int listTop = dpi.Scale(kPadding * 2 + kFilterHeight);
  if (y < listTop) return -1;
  const int index = (y - listTop) / dpi.Scale(kRowHeight);
  if (index >= VisibleRows()) return -1;
  const int row = top_ + index;
  return row < static_cast<int>(shown_.size()) ? row : -1;
}

void QuickPasteWindow::Select(int row) {
  if (shown_.empty()) return;
  selected_ = std::clamp(row, 0, static_cast<int>(shown_.size()) - 1);
  top_ = ScrollToShow(top_, selected_, VisibleRows(), static_cast<int>(shown_.size()));
  Invalidate();
}

void QuickPasteWindow::MoveBy(Move move) {
  Select(MoveSelection(selected_, move, static_cast<int>(shown_.size()), VisibleRows()));
}

void QuickPasteWindow::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return;
  const Row& chosen = rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
  if (!PutOnClipboard(chosen)) {
    ShowNote(kClipboardRefused);
    return;
  }
  // Out of the way first: the target must be in front for the keys.
  closing_ = true;
  ShowWindow(Handle(), SW_HIDE);
  switch (target_.Paste()) {
    case PasteOutcome::Sent: return;
    case PasteOutcome::Gone: ShowNote(kTargetGone); return;
    case PasteOutcome::Elevated: ShowNote(kTargetElevated); return;
    case PasteOutcome::Unreachable: ShowNote(kTargetUnreachable); return;
    case PasteOutcome::NoTarget: ShowNote(kNoTarget); return;
  }
}

bool QuickPasteWindow::PutOnClipboard(const Row& row) {
  try {
    if (row.item.kind == CellKind::Image) {
      tools::CopyPictureToClipboard(Handle(), history_.ImageGrid().CellPicture(row.item.cell),
                                    [](UINT format, HANDLE data) {
                                      HANDLE put = SetClipboardData(format, data);
                                      if (put) desktop::AddQuickPasteMarker();
                                      return put;
                                    });
      return true;
    }
    const std::wstring text = history_.TextGrid().CellText(row.item.cell);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    ui::unique_hglobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) return false;
    {
      const ui::GlobalLockGuard<wchar_t> copy(block.get());
      if (!copy) return false;
      std::copy_n(text.c_str(), text.size() + 1, copy.get());
    }
    const desktop::ClipboardSession session(Handle());
    if (!session.IsOpen()) return false;
    EmptyClipboard();
    // The marker goes first: a viewer told of the change reads it at once.
    desktop::AddQuickPasteMarker();
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
    block.release();
    return true;
  } catch (const ui::UserError&) {
    return false;
  }
}

void QuickPasteWindow::ShowNote(std::wstring note) {
  note_ = std::move(note);
  closing_ = false;
  ShowWindow(filter_.Handle(), SW_HIDE);
  // In place of the list, where the user was looking; without taking the
  // focus from the window it went back to.
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  Invalidate();
  noteTimer_.SetEnabled(true);
}

void QuickPasteWindow::Dismiss(bool giveFocusBack) {
  closing_ = true;
  noteTimer_.SetEnabled(false);
  note_.clear();
  ShowWindow(Handle(), SW_HIDE);
  if (giveFocusBack) target_.GiveFocusBack();
  closing_ = false;
}

bool QuickPasteWindow::OnEscape() {
  Dismiss(true);
  return true;
}

void QuickPasteWindow::OnHotKey() {
  if (IsVisible() && note_.empty()) {
    // The key again puts the popup away, as Esc does.
    Dismiss(true);
    return;
  }
  OpenForForeground();
}

void QuickPasteWindow::OnActivate(bool active) {
  // A click elsewhere: away with nothing pasted, the focus where the click
  // put it.
  if (!active && !closing_ && IsVisible() && note_.empty()) Dismiss(false);
}

void QuickPasteWindow::OnCommand(int id, int code) {
  if (id == kFilterId && code == EN_CHANGE) ApplyFilter();
}

void QuickPasteWindow::OnMouseMove(int x, int y) {
  if (!trackingMouse_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    trackingMouse_ = TrackMouseEvent(&track) != FALSE;
  }
  const int row = RowAt(y);
  if (row == hover_) return;
  hover_ = row;
  Invalidate();
}

void QuickPasteWindow::OnMouseLeave() {
  trackingMouse_ = false;
  hover_ = -1;
  Invalidate();
}

void QuickPasteWindow::OnMouseWheel(int delta) {
  const int rows = static_cast<int>(shown_.size());
  const int step = delta > 0 ? -kWheelStepRows : kWheelStepRows;
  top_ = std::clamp(top_ + step, 0, std::max(rows - VisibleRows(), 0));
  Invalidate();
}

void QuickPasteWindow::OnButtonDown(int x, int y) {
  if (!note_.empty()) {
    Dismiss(false);
    return;
  }
  Choose(RowAt(y));
}

void QuickPasteWindow::OnKeyDown() {
  // Only the note takes the focus from the filter field; any key ends it.
  if (!note_.empty()) Dismiss(false);
}

void QuickPasteWindow::OnTimer(UINT_PTR id) {
  if (id == kNoteTimerId) Dismiss(false);
}

void QuickPasteWindow::OnDpiChanged() {
  MakeFonts();
  Invalidate();
}

bool QuickPasteWindow::OnFilterKey(WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (control && key >= '1' && key <= '9') {
    if (const std::optional<int> row = ShortcutRow(static_cast<int>(key - '0'), static_cast<int>(shown_.size())))
      Choose(top_ + *row);
    return true;
  }
  switch (key) {
    case VK_UP: MoveBy(Move::Up); return true;
    case VK_DOWN: MoveBy(Move::Down); return true;
    case VK_PRIOR: MoveBy(Move::PageUp); return true;
    case VK_NEXT: MoveBy(Move::PageDown); return true;
    case VK_HOME: MoveBy(Move::Home); return true;
    case VK_END: MoveBy(Move::End); return true;
    case VK_RETURN: Choose(selected_); return true;
    case VK_ESCAPE: Dismiss(true); return true;
    default: return false;
  }
}

LRESULT CALLBACK QuickPasteWindow::FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR self) {
  try {
    auto* popup = reinterpret_cast<QuickPasteWindow*>(self);
    switch (message) {
      case WM_KEYDOWN:
        if (popup->OnFilterKey(wParam)) return 0;
        break;
      // Enter and Esc were handled as keys; as characters they would beep.
      case WM_CHAR:
        if (wParam == L'\r' || wParam == 0x1B) return 0;
        break;
      case WM_NCDESTROY: RemoveWindowSubclass(window, &QuickPasteWindow::FilterProc, id); break;
      default: break;
    }
  } catch (...) {
    ui::ShowErrorBox(window, ui::CurrentExceptionText());
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void QuickPasteWindow::PaintContent(HDC dc, const RECT& clientRect) {
  // Into a buffer: the list repaints at every key and mouse move.
  ui::unique_hdc buffer(CreateCompatibleDC(dc));
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(dc, clientRect.right, clientRect.bottom));
  ui::SelectGuard selectBitmap(buffer.get(), bitmap.get());
  FillRect(buffer.get(), &clientRect, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(buffer.get(), TRANSPARENT);

  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  RECT list = clientRect;
  list.top = dpi.Scale(kPadding * 2 + kFilterHeight);
  if (!note_.empty()) {
    list.top = 0;
    PaintMessage(buffer.get(), list, note_);
  } else if (shown_.empty()) {
    PaintMessage(buffer.get(), list, rows_.empty() ? kNothingYet : kNothingFound);
  } else {
    const int visible = std::min(VisibleRows(), static_cast<int>(shown_.size()) - top_);
    for (int i = 0; i < visible; ++i) {
      const int row = top_ + i;
      PaintRow(buffer.get(), rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])], RowRect(i), row,
               row == selected_);
    }
  }
  BitBlt(dc, 0, 0, clientRect.right, clientRect.bottom, buffer.get(), 0, 0, SRCCOPY);
}

void QuickPasteWindow::PaintRow(HDC dc, const Row& row, const RECT& rect, int listIndex, bool selected) const {
  const ui::Dpi dpi = ui::Dpi::Of(Handle());
  if (selected) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
  } else if (listIndex == hover_) {
    ui::unique_hbrush hover(CreateSolidBrush(kHoverColour));
    FillRect(dc, &rect, hover.get());
  }
  const int thumbnailTop = rect.top + (rect.bottom - rect.top - dpi.Scale(kThumbnailHeight)) / 2;
  const RECT box{rect.left + dpi.Scale(kPadding) / 2, thumbnailTop,
                 rect.left + dpi.Scale(kPadding) / 2 + dpi.Scale(kThumbnailWidth),
                 thumbnailTop + dpi.Scale(kThumbnailHeight)};
  PaintThumbnail(dc, row, box);

  const COLORREF text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  const COLORREF hint = selected ? text : kHintColour;
  const int middle = (rect.top + rect.bottom) / 2;
  RECT title{rect.left + dpi.Scale(kTextLeft - kPadding), rect.top, rect.right - dpi.Scale(kShortcutWidth), middle};
  RECT detail{title.left, middle, title.right, rect.bottom};
  {
    ui::SelectGuard font(dc, font_.get());
    SetTextColor(dc, text);
    DrawTextW(dc, row.title.c_str(), static_cast<int>(row.title.size()), &title,
              DT_SINGLELINE | DT_BOTTOM | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  ui::SelectGuard font(dc, smallFont_.get());
  SetTextColor(dc, hint);
  DrawTextW(dc, row.hint.c_str(), static_cast<int>(row.hint.size()), &detail,
            DT_SINGLELINE | DT_TOP | DT_END_ELLIPSIS | DT_NOPREFIX);
  // The first nine rows shown can be chosen with Ctrl and their number.
  if (const std::optional<int> shortcut = ShortcutRow(listIndex - top_ + 1, static_cast<int>(shown_.size()))) {
    const std::wstring label = L"Ctrl+" + std::to_wstring(*shortcut + 1);
    RECT right{title.right, rect.top, rect.right - dpi.Scale(kPadding), rect.bottom};
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &right, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

void QuickPasteWindow::PaintThumbnail(HDC dc, const Row& row, const RECT& box) const {
  if (row.item.kind == CellKind::Image) {
    const RECT fitted = Fitted(box, row.width, row.height);
    history_.ImageGrid().DrawThumbnail(row.item.cell, dc, fitted);
    FrameRect(dc, &fitted, GetSysColorBrush(COLOR_BTNSHADOW));
    return;
  }
  // A text gets a quiet badge in the same column, so the titles line up.
  const RECT badge = Shrunk(box, ui::Dpi::Of(Handle()).Scale(kPadding) / 2);
  ui::unique_hbrush fill(CreateSolidBrush(kBadgeColour));
  FillRect(dc, &badge, fill.get());
  ui::SelectGuard font(dc, smallFont_.get());
  SetTextColor(dc, kHintColour);
  RECT label = badge;
  DrawTextW(dc, kTextBadge, -1, &label, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void QuickPasteWindow::PaintMessage(HDC dc, const RECT& area, const std::wstring& text) const {
  RECT box = Shrunk(area, ui::Dpi::Of(Handle()).Scale(kPadding * 2));
  ui::SelectGuard font(dc, font_.get());
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT measured = box;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  box.top += std::max<LONG>((box.bottom - box.top - (measured.bottom - measured.top)) / 2, 0);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
}

LRESULT QuickPasteWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HOTKEY: OnHotKey(); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return Form::HandleMessage(message, wParam, lParam);
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(); return 0;
    case kReportRefusedKeyMessage: OnReportRefusedKey(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_DPICHANGED: OnDpiChanged(); return DefaultHandling(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace quickpaste
