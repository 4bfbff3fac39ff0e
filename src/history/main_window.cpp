#include "history/main_window.h"

#include "core/window_classes.h"
#include "history/cell_grid.h"
#include "history/grid_navigation_rules.h"
#include "history/main_window_layout.h"
#include "history/spoken_text_rules.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/message_box.h"

namespace history {

using history::CellKind;
using settings::Option;

namespace {

constexpr int kImagesPage = 0;
constexpr int kTextPage = 1;
constexpr wchar_t kFontFace[] = L"MS Sans Serif";
constexpr int kFontHeight = 11;
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
  MakeFonts(ui::Dpi::Of(Handle()));
  notebook_.Create(Handle(), 0, 0, history::kNotebookWidth, history::kNotebookHeight, {L"Images", L"Text"});
  notebook_.onPageChanged = [this] {
    imageGrid_.InvalidateFrames();
    UpdateStatus();
  };
  CreatePage(kImagesPage, imageScroll_, imageGrid_);
  CreatePage(kTextPage, textScroll_, textGrid_);
  imageGrid_.onCellClick = [this](int n) { OnImageCellClick(n); };
  imageGrid_.onCellDoubleClick = [this](int n) { OnImageCellDoubleClick(n); };
  imageGrid_.onDeleteKey = [this] { OnDeleteKey(); };
  textGrid_.onCellClick = [this](int n) { OnTextCellClick(n); };
  textGrid_.onCellDoubleClick = [this](int n) { OnTextCellDoubleClick(n); };
  textGrid_.CreateCells(font_.get());
  imageGauge_.Create(Handle(), history::kImageGaugeId, history::kGaugeLeft, history::kImageGaugeTop,
                     history::kGaugeWidth, history::kGaugeHeight, 0, history::kMaxCount);
  textGauge_.Create(Handle(), history::kTextGaugeId, history::kGaugeLeft, history::kTextGaugeTop, history::kGaugeWidth,
                    history::kGaugeHeight, 0, history::kMaxCount);
  // Read out against the cells the user sees, not the gauge's own range,
  // which stops one short of them.
  const auto ofCells = [](int count) { return GaugeValue(count, kCellCount); };
  imageGauge_.SetAccessibleText(std::wstring(kImageGaugeName), ofCells);
  textGauge_.SetAccessibleText(std::wstring(kTextGaugeName), ofCells);
  capture_ = std::make_unique<ClipboardCapture>(Handle(), store_, settings_, imageGrid_, textGrid_);
  CreateButtons();
  CreateClock();
}

void MainWindow::CreateButtons() {
  for (const CommandButtonLayout& layout : kCommandButtons) {
    ui::FlatButton& button = Button(layout.button);
    button.Create(Handle(), layout.id, layout.bounds.left, layout.bounds.top, layout.bounds.width, layout.bounds.height,
                  layout.designCaption);
    // A missing picture leaves a caption-only button.
    button.LoadGlyph(layout.glyph);
  }
  ApplyButtonFonts();
}

void MainWindow::MakeFonts(ui::Dpi dpi) {
  font_ = ui::MakeFont(dpi, kFontFace, kFontHeight);
  // The face is heavy by design; asking for its weight keeps a stand-in
  // face heavy too.
  hideFont_ = ui::MakeFont(dpi, kHeavyFontFace, kHideButtonFontHeight, FW_BLACK);
  clockFont_ = ui::MakeFont(dpi, kHeavyFontFace, kClockFontHeight);
}

void MainWindow::ApplyButtonFonts() {
  for (ui::FlatButton& button : buttons_) button.SetFont(font_.get());
  Button(CommandButton::Hide).SetFont(hideFont_.get());
}

void MainWindow::OnDpiChanged(ui::Dpi dpi) {
  MakeFonts(dpi);
  ApplyButtonFonts();
  textGrid_.SetCellFont(font_.get());
  clock_.SetFont(clockFont_.get());
  // The pages are measured, not laid out: their scroll boxes fill them again.
  FitPage(kImagesPage, imageScroll_, imageGrid_, dpi);
  FitPage(kTextPage, textScroll_, textGrid_, dpi);
}

ui::FlatButton& MainWindow::Button(CommandButton button) { return buttons_[static_cast<size_t>(button)]; }

void MainWindow::CreateClock() {
  clock_.Create(Handle(), kClockId, kClockLeft, kClockTop, kClockWidth, kClockHeight, ui::LabelAlignment::Centre,
                false);
  clock_.SetFont(clockFont_.get());
  clock_.SetTransparent(true);
  clock_.SetTextColour(ui::HighContrast::FromSystem().Colour(kClockColour, COLOR_BTNTEXT));
  clockTimer_.Attach(Handle(), kClockTimerId, kClockIntervalMs);
}

void MainWindow::CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel) {
  box.CreateFilling(notebook_.Page(page));
  panel.Create(box.Handle());
  box.SetContent(panel.Handle(), ui::Dpi::Of(Handle()).Scale(history::kPanelHeight));
  panel.onShowSpan = [&box](int top, int bottom) {
    box.ScrollTo(ScrollPositionShowing(top, bottom, box.ScrollPosition(), box.VisibleHeight()));
  };
}

bool MainWindow::OnPageKey(bool forward) {
  notebook_.StepPage(forward ? 1 : -1);
  return true;
}

void MainWindow::FitPage(int page, ui::ScrollBox& box, CellGridPanel& panel, ui::Dpi dpi) {
  RECT area{};
  GetClientRect(notebook_.Page(page), &area);
  box.SetBounds(0, 0, area.right, area.bottom);
  box.SetContent(panel.Handle(), dpi.Scale(history::kPanelHeight));
}

void MainWindow::OnShowWindow(bool shown) {
  // The viewer gets its window at the first showing, which is when the
  // program starts to watch the clipboard. It lies under the notebook.
  if (!shown || clipboardViewer_.HasHandle()) return;
  clipboardViewer_.OnChange = [this] { capture_->OnClipboardChange(); };
  clipboardViewer_.Create(Handle(), history::kClipboardViewerId, history::kViewerLeft, history::kViewerTop,
                          history::kViewerWidth, history::kViewerHeight);
  SetWindowPos(clipboardViewer_.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

CellGridPanel& MainWindow::Grid(CellKind kind) {
  if (kind == CellKind::Image) return imageGrid_;
  return textGrid_;
}

void MainWindow::OnStoreChanged(const history::Change& change) {
  RefreshStatus();
  // Text cells repaint themselves when their text changes; the frames and
  // the pictures are the panels' to paint.
  Grid(change.kind).InvalidateFrames();
  Grid(change.kind).AnnounceSelection();
}

void MainWindow::OnSettingChange(UINT message, WPARAM wParam) {
  if (ui::HighContrast::MayHaveChanged(message, wParam)) ApplyContrast(ui::HighContrast::FromSystem());
}

void MainWindow::ApplyContrast(ui::HighContrast contrast) {
  imageGrid_.SetHighContrast(contrast);
  textGrid_.SetHighContrast(contrast);
  clock_.SetTextColour(contrast.Colour(kClockColour, COLOR_BTNTEXT));
  InvalidateRect(clock_.Handle(), nullptr, TRUE);
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
  saveEdit.SetAccessibleName(status.editSaveName);
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
  if (showFullScreen) showFullScreen(imageGrid_.CellPicture(store_.SelectedCell(CellKind::Image)));
}

void MainWindow::OnSaveEditClick() {
  if (KindShown() == CellKind::Image) {
    if (openPicture) openPicture(imageGrid_.CellPicture(store_.SelectedCell(CellKind::Image)));
  } else if (openText) {
    openText(textGrid_.CellText(store_.SelectedCell(CellKind::Text)));
  }
}

void MainWindow::OnDeleteClick() {
  const CellKind kind = KindShown();
  const Compaction compaction = DeleteSelectedCell(
      store_, kind, settings_.IsOn(Option::ConfirmDelete),
      [this] { return ui::Confirm(Handle(), history::kConfirmDeleteQuestion); },
      [this, kind](const Compaction& moved) { Grid(kind).MoveCellsDown(moved.firstCell); });
  if (compaction.advanceCancelled) capture_->CancelAdvance(kind);
}

void MainWindow::OnDeleteKey() {
  // The key stands for the button, so it does nothing while the button is
  // disabled.
  if (Button(CommandButton::Delete).IsEnabled()) OnDeleteClick();
}

void MainWindow::OnDeleteAllClick() {
  const bool emptied = DeleteAllCells(store_, settings_.IsOn(Option::ConfirmDeleteAll),
                                      [this] { return ui::Confirm(Handle(), history::kConfirmDeleteAllQuestion); },
                                      [this] {
                                        imageGrid_.EmptyCells();
                                        textGrid_.EmptyCells();
                                      });
  if (!emptied) return;
  capture_->CancelAdvance(CellKind::Image);
  capture_->CancelAdvance(CellKind::Text);
}

void MainWindow::OnImageCellClick(int n) { store_.Select(CellKind::Image, n); }

void MainWindow::OnImageCellDoubleClick(int n) { OnSaveEditClick(); }

void MainWindow::OnTextCellClick(int n) { store_.Select(CellKind::Text, n); }

void MainWindow::OnTextCellDoubleClick(int n) { OnSaveEditClick(); }

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
  if (capture_->OnTimer(id)) return;
  if (id == kClockTimerId) UpdateClock();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return DefaultHandling(message, wParam, lParam);
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(); return DefaultHandling(message, wParam, lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: OnSettingChange(message, wParam); return Form::HandleMessage(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace history
