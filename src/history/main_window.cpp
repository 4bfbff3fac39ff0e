#include "history/main_window.h"

#include <commctrl.h>

#include <new>
#include <optional>

#include "history/capture_rules.h"
#include "history/cell_grid.h"
#include "history/main_window_layout.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/message_box.h"
#include "core/window_classes.h"

namespace history {

using history::CellKind;
using settings::Option;

static_assert(core::kBitmapFormat == CF_BITMAP && core::kTextFormat == CF_TEXT);

namespace {

constexpr UINT_PTR kImageAdvanceTimerId = 1;
constexpr UINT_PTR kTextAdvanceTimerId = 3;
// One-shot: looks again at a change whose clipboard another program held.
constexpr UINT_PTR kCaptureRetryTimerId = 8;
constexpr int kImagesPage = 0;
constexpr int kTextPage = 1;
constexpr wchar_t kFontFace[] = L"MS Sans Serif";
constexpr int kFontHeight = 11;
constexpr UINT kSimpleBeep = 0;
// The compressor's word that a packed picture is ready to swap in.
constexpr UINT kPicturePackedMessage = WM_APP + 0x7C;
constexpr UINT_PTR kClockTimerId = 2;
// The hide button and the clock stand out in a heavy face.
constexpr wchar_t kHeavyFontFace[] = L"Arial Black";
constexpr COLORREF kClockColour = RGB(0, 0, 0);
// Room for the locale's date or time, whatever its format.
constexpr int kDateTimeBufferLength = 128;

// The locale's short date and long time, as the clock shows them.
std::wstring CurrentDateAndTime() {
  wchar_t date[kDateTimeBufferLength] = L"";
  wchar_t time[kDateTimeBufferLength] = L"";
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, kDateTimeBufferLength, nullptr);
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, time, kDateTimeBufferLength);
  return std::wstring(date) + L" " + time;
}

}  // namespace

MainWindow::MainWindow(ui::Application& application, settings::Settings& settings)
    : Form(application), settings_(settings) {
  ui::FormParams params;
  params.className = core::kMainWindowClass;
  params.caption = history::kMainWindowDesignCaption;
  params.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  params.clientWidth = history::kMainWindowClientWidth;
  params.clientHeight = history::kMainWindowClientHeight;
  params.x = history::kMainWindowDesignLeft;
  params.y = history::kMainWindowDesignTop;
  params.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  CreateForm(params);
  compressor_ = std::make_unique<ui::PictureCompressor>(Handle(), kPicturePackedMessage);
  CreateControls();
  roller_ = std::make_unique<desktop::WindowRoller>(*this);
  // The one place that follows the store: gauges, status and frames.
  store_.SetObserver([this](const history::Change& change) { OnStoreChanged(change); });
  closeMainForm = [this] {
    if (ui::Form* main = App().MainForm()) main->Close();
  };
  // The captions the user sees from the start, and the first status, so
  // the caption and the tray are right before anything changes.
  ApplyButtonCaptions(settings_.IsOn(Option::OnlyBitmapsOnButtons));
  UpdateStatus();
}

void MainWindow::CreateControls() {
  font_ = ui::MakeFont(kFontFace, kFontHeight);
  notebook_.Create(Handle(), 0, 0, history::kNotebookWidth, history::kNotebookHeight, {L"Images", L"Text"});
  notebook_.onPageChanged = [this] {
    imageGrid_.InvalidateFrames();
    UpdateStatus();
  };
  CreatePage(kImagesPage, imageScroll_, imageGrid_);
  CreatePage(kTextPage, textScroll_, textGrid_);
  imageGrid_.paintContent = [this](HDC dc, int n, const RECT& content) {
    imageCells_[static_cast<size_t>(n - 1)].Draw(dc, content);
  };
  imageGrid_.onCellClick = [this](int n) { OnImageCellClick(n); };
  imageGrid_.onCellDoubleClick = [this](int n) { OnImageCellDoubleClick(n); };
  for (int n = 1; n <= history::kCellCount; ++n) {
    const core::Rect content = history::ContentRect(n);
    ui::Memo& memo = textCells_[static_cast<size_t>(n - 1)];
    memo.Create(textGrid_.Handle(), history::kTextCellIdBase + n, content.left, content.top, content.width,
                content.height, ui::MemoOptions{});
    memo.SetFont(font_.get());
    // Text cells sit on the button face, like the frames around them.
    memo.SetSystemColours(COLOR_WINDOWTEXT, COLOR_BTNFACE);
    SubclassTextCell(n);
  }
  imageGauge_.Create(Handle(), history::kImageGaugeId, history::kGaugeLeft, history::kImageGaugeTop,
                     history::kGaugeWidth, history::kGaugeHeight, 0, history::kMaxCount);
  textGauge_.Create(Handle(), history::kTextGaugeId, history::kGaugeLeft, history::kTextGaugeTop, history::kGaugeWidth,
                    history::kGaugeHeight, 0, history::kMaxCount);
  imageAdvanceTimer_.Attach(Handle(), kImageAdvanceTimerId, history::kAdvanceIntervalMs);
  textAdvanceTimer_.Attach(Handle(), kTextAdvanceTimerId, history::kAdvanceIntervalMs);
  captureRetryTimer_.Attach(Handle(), kCaptureRetryTimerId, history::kFirstRetryDelayMs);
  CreateButtons();
  CreateClock();
}

void MainWindow::CreateButtons() {
  for (const CommandButtonLayout& layout : kCommandButtons) {
    ui::FlatButton& button = Button(layout.button);
    button.Create(Handle(), layout.id, layout.bounds.left, layout.bounds.top, layout.bounds.width, layout.bounds.height,
                  layout.designCaption);
    button.SetFont(font_.get());
    // A missing picture leaves a caption-only button.
    button.LoadGlyph(layout.glyph);
  }
  // The face is heavy by design; asking for its weight keeps a stand-in
  // face heavy too.
  hideFont_ = ui::MakeFont(kHeavyFontFace, kHideButtonFontHeight, FW_BLACK);
  Button(CommandButton::Hide).SetFont(hideFont_.get());
}

ui::FlatButton& MainWindow::Button(CommandButton button) { return buttons_[static_cast<size_t>(button)]; }

void MainWindow::CreateClock() {
  clock_.Create(Handle(), kClockId, kClockLeft, kClockTop, kClockWidth, kClockHeight, ui::LabelAlignment::Centre,
                false);
  clockFont_ = ui::MakeFont(kHeavyFontFace, kClockFontHeight);
  clock_.SetFont(clockFont_.get());
  clock_.SetTransparent(true);
  clock_.SetTextColour(kClockColour);
  clockTimer_.Attach(Handle(), kClockTimerId, kClockIntervalMs);
}

void MainWindow::CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel) {
  const RECT area = notebook_.PageRect();
  box.Create(notebook_.Page(page), 0, 0, area.right - area.left, area.bottom - area.top);
  panel.Create(box.Handle());
  box.SetContent(panel.Handle(), history::kPanelHeight);
}

const ui::Picture& MainWindow::ImageCellPicture(int n) const { return imageCells_.at(static_cast<size_t>(n - 1)); }

std::wstring MainWindow::TextCellText(int n) const { return textCells_.at(static_cast<size_t>(n - 1)).Text(); }

HWND MainWindow::TextCellHandle(int n) const { return textCells_.at(static_cast<size_t>(n - 1)).Handle(); }

void MainWindow::OnShowWindow(bool shown) {
  // The viewer gets its window at the first showing, which is when the
  // program starts to watch the clipboard. It lies under the notebook.
  if (!shown || clipboardViewer_.HasHandle()) return;
  clipboardViewer_.OnChange = [this] { OnClipboardChange(); };
  clipboardViewer_.Create(Handle(), history::kClipboardViewerId, history::kViewerLeft, history::kViewerTop,
                          history::kViewerWidth, history::kViewerHeight);
  SetWindowPos(clipboardViewer_.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::OnClipboardChange() {
  if (!settings_.IsOn(Option::DisableCapture)) CaptureClipboard();
  ShowLowCellWarnings();
}

namespace {

ClipboardOffer CurrentOffer() {
  return {IsClipboardFormatAvailable(kPictureOfferFormat) != FALSE,
          IsClipboardFormatAvailable(kTextOfferFormat) != FALSE, IsClipboardFormatAvailable(ui::PngFormat()) != FALSE};
}

}  // namespace

void MainWindow::CaptureClipboard() {
  // Notifications of a burst arrive late and in heaps; once the newest
  // content is read, the older notices have nothing left to read.
  const DWORD sequence = GetClipboardSequenceNumber();
  if (!captureTracker_.IsNew(sequence)) return;
  if (!WorthOpening(CurrentOffer())) {
    captureTracker_.Handled(sequence);
    return;
  }
  // One attempt only: sleeping here would stop the window answering, and a
  // held clipboard is looked at again on the retry timer.
  ui::ClipboardSession clipboard(Handle(), ui::ClipboardSession::kOneAttempt);
  if (!clipboard.IsOpen()) {
    ScheduleCaptureRetry(sequence);
    return;
  }
  captureTracker_.Handled(GetClipboardSequenceNumber());
  // Rendering a delayed format may move the number while we read; what we
  // read is the content up to the close, so that is what counts as read,
  // also when loading the picture fails.
  struct ReadUpToHere {
    CaptureTracker& tracker;
    ~ReadUpToHere() { tracker.Handled(GetClipboardSequenceNumber()); }
  } readUpToHere{captureTracker_};
  // The offer is asked again now that nobody can change the content.
  const ClipboardOffer offer = CurrentOffer();
  // The markers can only be read from the open clipboard.
  const CapturePlan plan = PlanCapture(offer, ui::CarriesPrivacyMarker());
  if (plan.image) CaptureImage();
  if (plan.text) CaptureText();
}

void MainWindow::ScheduleCaptureRetry(DWORD sequence) {
  const std::optional<unsigned> wait = captureTracker_.Busy(sequence);
  captureRetryTimer_.SetEnabled(false);
  if (!wait) return;
  captureRetryTimer_.SetInterval(*wait);
  captureRetryTimer_.SetEnabled(true);
}

void MainWindow::OnCaptureRetryTimer() {
  captureRetryTimer_.SetEnabled(false);
  if (!settings_.IsOn(Option::DisableCapture)) CaptureClipboard();
}

void MainWindow::CatchUpWithClipboard() {
  // Notifications can be folded away (the X11 bridge does): when the
  // clipboard moved on without telling us, read it now.
  if (!settings_.IsOn(Option::DisableCapture) && captureTracker_.MissedChange(GetClipboardSequenceNumber())) {
    CaptureClipboard();
  }
}

void MainWindow::CountIfDue(CellKind kind) {
  // WM_TIMER comes only when nothing else waits in the queue, so in a burst
  // the advance can be seconds late and the whole burst would fall into one
  // cell. A capture after the period first counts the capture before it.
  const auto k = static_cast<size_t>(kind);
  if (store_.IsPending(kind) && GetTickCount64() - pendingSince_[k] >= history::kAdvanceIntervalMs) CountCapture(kind);
}

void MainWindow::PendingStarted(CellKind kind) {
  pendingSince_[static_cast<size_t>(kind)] = GetTickCount64();
  // Without its timer the count would wait forever, and every later capture
  // would overwrite the same cell; the count then advances at once instead.
  if (!AdvanceTimer(kind).SetEnabled(true)) store_.AdvanceTimerFired(kind);
}

void MainWindow::CountCapture(CellKind kind) {
  AdvanceTimer(kind).SetEnabled(false);
  store_.AdvanceTimerFired(kind);
}

void MainWindow::CaptureImage() {
  CountIfDue(CellKind::Image);
  const int cell = store_.Count(CellKind::Image) + 1;
  // Throws when the picture cannot be loaded; the cell then keeps its picture
  // and the rest of this change is not handled.
  ui::Picture& target = imageCells_[static_cast<size_t>(cell - 1)];
  try {
    target = ui::Picture::FromOpenClipboard();
  } catch (const std::bad_alloc&) {
    throw ui::UserError(ui::kNotEnoughMemoryForPicture);
  }
  compressor_->Add(target);
  if (store_.BeginCapture(CellKind::Image).startTimer) PendingStarted(CellKind::Image);
  Beep();
  CellFilled(CellKind::Image, cell);
}

void MainWindow::CaptureText() {
  CountIfDue(CellKind::Text);
  const int cell = store_.Count(CellKind::Text) + 1;
  textCells_[static_cast<size_t>(cell - 1)].SetText(ui::ReadClipboardText());
  if (store_.BeginCapture(CellKind::Text).startTimer) PendingStarted(CellKind::Text);
  Beep();
  CellFilled(CellKind::Text, cell);
}

void MainWindow::CellFilled(CellKind kind, int cell) {
  if (onCellFilled) onCellFilled(kind, cell);
}

void MainWindow::Beep() {
  if (settings_.IsOn(Option::BeepOnAdd)) MessageBeep(kSimpleBeep);
}

void MainWindow::ShowLowCellWarnings() {
  // Modal boxes run a nested loop: timers and further clipboard changes are
  // handled meanwhile, and may change the count the next warning tests; so
  // each one is tested as its box would open.
  for (CellKind kind : history::kLowCellsWarningOrder) {
    if (history::LowCellsWarningDue(store_.Count(kind), settings_.IsOn(Option::WarnLowCells)))
      ui::Warn(Handle(), std::wstring(history::LowCellsWarningText(kind)));
  }
}

void MainWindow::OnImageAdvanceTimer() {
  CountCapture(CellKind::Image);
  CatchUpWithClipboard();
}

void MainWindow::OnTextAdvanceTimer() {
  CountCapture(CellKind::Text);
  CatchUpWithClipboard();
}

ui::Timer& MainWindow::AdvanceTimer(CellKind kind) {
  return kind == CellKind::Image ? imageAdvanceTimer_ : textAdvanceTimer_;
}

void MainWindow::OnStoreChanged(const history::Change& change) {
  RefreshStatus();
  // Text cells repaint themselves when their text changes; the frames and
  // the pictures are the panels' to paint.
  (change.kind == CellKind::Image ? imageGrid_ : textGrid_).InvalidateFrames();
}

void MainWindow::SyncGauges() {
  imageGauge_.SetPosition(store_.ImageCount());
  textGauge_.SetPosition(store_.TextCount());
}

void MainWindow::RefreshStatus() {
  SyncGauges();
  UpdateStatus();
}

void MainWindow::UpdateStatus() {
  history::StatusInput input;
  input.page = static_cast<history::NotebookPage>(PageIndex());
  input.imageCount = store_.ImageCount();
  input.textCount = store_.TextCount();
  input.onlyBitmapsOnButtons = settings_.IsOn(Option::OnlyBitmapsOnButtons);
  input.disableCapture = settings_.IsOn(Option::DisableCapture);
  const history::StatusDecision status = history::DecideStatus(input);

  SetButtonEnabled(Button(CommandButton::Delete), status.deleteEnabled);
  ui::FlatButton& saveEdit = Button(CommandButton::SaveEdit);
  if (status.editSaveCaption && saveEdit.Text() != *status.editSaveCaption) saveEdit.SetText(*status.editSaveCaption);
  SetCaption(status.windowCaption);
  if (applyTrayStatus) applyTrayStatus(status);
  SetButtonEnabled(Button(CommandButton::FullScreen), status.fullscreenEnabled);
}

void MainWindow::SetButtonEnabled(ui::FlatButton& button, bool enabled) {
  // A disabled window cannot keep the focus; hand it on so the keyboard
  // still reaches the buttons.
  if (!enabled && GetFocus() == button.Handle()) {
    if (HWND next = GetNextDlgTabItem(Handle(), button.Handle(), FALSE)) SetFocus(next);
  }
  button.SetEnabled(enabled);
}

void MainWindow::ApplyButtonCaptions(bool onlyBitmaps) {
  for (const CommandButtonLayout& layout : kCommandButtons) {
    if (onlyBitmaps) {
      Button(layout.button).SetText(L"");
    } else if (layout.caption) {
      Button(layout.button).SetText(layout.caption);
    }
  }
  // Edit/Save gets its caption back from the status, for the page shown.
  if (!onlyBitmaps) UpdateStatus();
}

void MainWindow::OnExitClick() {
  if (settings_.IsOn(Option::ConfirmExit) && !ui::Confirm(Handle(), history::kConfirmExitQuestion)) return;
  if (closeMainForm) closeMainForm();
}

void MainWindow::OnOptionsClick() {
  if (showOptions) showOptions();
}

CellKind MainWindow::KindShown() const { return KindShownOn(static_cast<NotebookPage>(PageIndex())); }

void MainWindow::OnFullScreenClick() {
  if (showFullScreen) showFullScreen(ImageCellPicture(store_.SelectedCell(CellKind::Image)));
}

void MainWindow::OnSaveEditClick() {
  if (KindShown() == CellKind::Image) {
    if (openPicture) openPicture(ImageCellPicture(store_.SelectedCell(CellKind::Image)));
  } else if (openText) {
    openText(TextCellText(store_.SelectedCell(CellKind::Text)));
  }
}

void MainWindow::OnDeleteClick() {
  const CellKind kind = KindShown();
  const Compaction compaction = DeleteSelectedCell(
      store_, kind, settings_.IsOn(Option::ConfirmDelete),
      [this] { return ui::Confirm(Handle(), history::kConfirmDeleteQuestion); },
      [this, kind](const Compaction& moved) { MoveCellsDown(kind, moved.firstCell); });
  if (compaction.advanceCancelled) AdvanceTimer(kind).SetEnabled(false);
}

void MainWindow::MoveCellsDown(CellKind kind, int firstCell) {
  for (int j = firstCell; j < history::kCellCount; ++j) {
    const auto to = static_cast<size_t>(j - 1);
    if (kind == CellKind::Image) {
      // Moved, not copied: a picture can be large.
      imageCells_[to] = std::move(imageCells_[to + 1]);
    } else {
      textCells_[to].SetText(textCells_[to + 1].Text());
    }
  }
  if (kind == CellKind::Image) {
    imageCells_.back() = ui::Picture();
  } else {
    textCells_.back().Clear();
  }
}

void MainWindow::OnDeleteAllClick() {
  const bool emptied = DeleteAllCells(
      store_, settings_.IsOn(Option::ConfirmDeleteAll),
      [this] { return ui::Confirm(Handle(), history::kConfirmDeleteAllQuestion); }, [this] { EmptyAllCells(); });
  if (!emptied) return;
  imageAdvanceTimer_.SetEnabled(false);
  textAdvanceTimer_.SetEnabled(false);
}

void MainWindow::EmptyAllCells() {
  for (ui::Picture& picture : imageCells_) picture = ui::Picture();
  for (ui::Memo& memo : textCells_) memo.Clear();
}

void MainWindow::OnImageCellClick(int n) { store_.Select(CellKind::Image, n); }

void MainWindow::OnImageCellDoubleClick(int n) { OnSaveEditClick(); }

void MainWindow::OnTextCellClick(int n) { store_.Select(CellKind::Text, n); }

void MainWindow::OnTextCellDoubleClick(int n) { OnSaveEditClick(); }

void MainWindow::SubclassTextCell(int n) {
  SetWindowSubclass(TextCellHandle(n), &MainWindow::TextCellProc, static_cast<UINT_PTR>(n),
                    reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MainWindow::TextCellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR n,
                                          DWORD_PTR self) {
  try {
    return reinterpret_cast<MainWindow*>(self)->OnTextCellMessage(window, message, wParam, lParam, static_cast<int>(n));
  } catch (...) {
    ui::ShowErrorBox(window, ui::CurrentExceptionText());
  }
  return 0;
}

LRESULT MainWindow::OnTextCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n) {
  switch (message) {
    case WM_LBUTTONDOWN: OnTextCellClick(n); break;
    case WM_LBUTTONDBLCLK: {
      // The memo marks the word first, as an edit control does.
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      OnTextCellDoubleClick(n);
      return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(window, &MainWindow::TextCellProc, static_cast<UINT_PTR>(n)); break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void MainWindow::OnAboutClick() {
  if (showAbout) showAbout();
}

void MainWindow::OnHideClick() { Hide(); }

void MainWindow::UpdateClock() { clock_.SetText(CurrentDateAndTime()); }

void MainWindow::OnWindowPosChanged() {
  // Shown, hidden, minimized or restored, by ShowWindow or SetWindowPos:
  // the clock runs exactly while it can be seen.
  const bool seen = IsWindowVisible(Handle()) && !IsIconic(Handle());
  if (seen && !clockTimer_.Enabled()) UpdateClock();
  clockTimer_.SetEnabled(seen);
}

void MainWindow::OnCommand(int id, int code) {
  const CommandButtonLayout* layout = FindCommandButton(id);
  if (code != BN_CLICKED || !layout) return;
  switch (layout->button) {
    case CommandButton::Exit: OnExitClick(); break;
    case CommandButton::Options: OnOptionsClick(); break;
    case CommandButton::FullScreen: OnFullScreenClick(); break;
    case CommandButton::SaveEdit: OnSaveEditClick(); break;
    case CommandButton::Delete: OnDeleteClick(); break;
    case CommandButton::DeleteAll: OnDeleteAllClick(); break;
    case CommandButton::About: OnAboutClick(); break;
    case CommandButton::Hide: OnHideClick(); break;
    default: break;
  }
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kImageAdvanceTimerId) OnImageAdvanceTimer();
  if (id == kTextAdvanceTimerId) OnTextAdvanceTimer();
  if (id == kCaptureRetryTimerId) OnCaptureRetryTimer();
  if (id == kClockTimerId) UpdateClock();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return DefaultHandling(message, wParam, lParam);
    case WM_TIMER: OnTimer(wParam); return 0;
    case kPicturePackedMessage: compressor_->DeliverFinished(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(); return DefaultHandling(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace history
