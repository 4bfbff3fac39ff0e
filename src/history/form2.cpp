#include "history/form2.h"

#include "history/cell_grid.h"
#include "history/form2_layout.h"
#include "ui/clipboard.h"
#include "ui/message_box.h"

namespace history {

using kestrel::CellKind;
using kestrel::Option;

namespace {

constexpr UINT_PTR kTimer1Id = 1;
constexpr UINT_PTR kTimer3Id = 3;
constexpr int kImagesPage = 0;
constexpr int kTextPage = 1;
constexpr wchar_t kFontFace[] = L"MS Sans Serif";
constexpr int kFontHeight = 11;
constexpr UINT kSimpleBeep = 0;

}  // namespace

TForm2::TForm2(ui::Application& application, kestrel::Settings& settings) : Form(application), settings_(settings) {
  ui::FormSpec spec;
  spec.className = kestrel::kForm2ClassName;
  spec.caption = kestrel::kForm2DesignCaption;
  spec.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  spec.clientWidth = kestrel::kForm2ClientWidth;
  spec.clientHeight = kestrel::kForm2ClientHeight;
  spec.x = kestrel::kForm2DesignLeft;
  spec.y = kestrel::kForm2DesignTop;
  spec.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  CreateForm(spec);
  CreateControls();
}

TForm2::~TForm2() { DestroyHandle(); }

void TForm2::CreateControls() {
  font_ = ui::MakeFont(kFontFace, kFontHeight);
  TabbedNotebook1_.Create(Handle(), 0, 0, kestrel::kNotebookWidth, kestrel::kNotebookHeight, {L"Images", L"Text"});
  TabbedNotebook1_.onPageChanged = [this] { Panel1_.InvalidateFrames(); };
  CreatePage(kImagesPage, ScrollBox1_, Panel1_);
  CreatePage(kTextPage, ScrollBox2_, Panel2_);
  Panel1_.paintContent = [this](HDC dc, int n, const RECT& content) {
    pictures_[static_cast<size_t>(n - 1)].Draw(dc, content);
  };
  for (int n = 1; n <= kestrel::kCellCount; ++n) {
    const kestrel::Rect content = kestrel::ContentRect(n);
    ui::Memo& memo = memos_[static_cast<size_t>(n - 1)];
    memo.Create(Panel2_.Handle(), kestrel::kMemoIdBase + n, content.left, content.top, content.width, content.height,
                ui::MemoOptions{});
    memo.SetFont(font_.get());
  }
  ProgressBar1_.Create(Handle(), kestrel::kProgressBar1Id, kestrel::kGaugeLeft, kestrel::kGauge1Top,
                       kestrel::kGaugeWidth, kestrel::kGaugeHeight, 0, kestrel::kMaxCount);
  ProgressBar2_.Create(Handle(), kestrel::kProgressBar2Id, kestrel::kGaugeLeft, kestrel::kGauge2Top,
                       kestrel::kGaugeWidth, kestrel::kGaugeHeight, 0, kestrel::kMaxCount);
  Timer1_.Attach(Handle(), kTimer1Id, kestrel::kAdvanceIntervalMs);
  Timer3_.Attach(Handle(), kTimer3Id, kestrel::kAdvanceIntervalMs);
}

void TForm2::CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel) {
  const RECT area = TabbedNotebook1_.PageRect();
  box.Create(TabbedNotebook1_.Page(page), 0, 0, area.right - area.left, area.bottom - area.top);
  panel.Create(box.Handle());
  box.SetContent(panel.Handle(), kestrel::kPanelHeight);
}

const ui::Picture& TForm2::ImageCellPicture(int n) const { return pictures_.at(static_cast<size_t>(n - 1)); }

std::wstring TForm2::TextCellText(int n) const { return memos_.at(static_cast<size_t>(n - 1)).Text(); }

HWND TForm2::MemoHandle(int n) const { return memos_.at(static_cast<size_t>(n - 1)).Handle(); }

void TForm2::OnShowWindow(bool shown) {
  // The viewer gets its window at the first showing, which is when the
  // program starts to watch the clipboard. It lies under the notebook.
  if (!shown || ClipboardViewer1_.HasHandle()) return;
  ClipboardViewer1_.OnChange = [this] { ClipboardViewer1Change(); };
  ClipboardViewer1_.Create(Handle(), kestrel::kClipboardViewerId, kestrel::kViewerLeft, kestrel::kViewerTop,
                           kestrel::kViewerWidth, kestrel::kViewerHeight);
  SetWindowPos(ClipboardViewer1_.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm2::ClipboardViewer1Change() {
  if (!settings_.IsOn(Option::DisableCapture)) CaptureClipboard();
  ShowLowCellWarnings();
}

void TForm2::CaptureClipboard() {
  const bool pictureOffered = IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
  const bool textOffered = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
  if (!pictureOffered && !textOffered) return;
  ui::ClipboardSession clipboard(Handle());
  // Another program kept the clipboard to itself: this change is lost, and
  // nothing is counted for it.
  if (!clipboard.IsOpen()) return;
  // Content marked private (passwords) is left alone, as if capture were off.
  if (ui::CarriesPrivacyMarker()) return;
  if (pictureOffered) CaptureImage();
  if (textOffered) CaptureText();
}

void TForm2::CaptureImage() {
  const int cell = store_.Count(CellKind::Image) + 1;
  // Throws when the picture cannot be loaded; the cell then keeps its picture
  // and the rest of this change is not handled.
  pictures_[static_cast<size_t>(cell - 1)] = ui::Picture::FromOpenClipboard();
  Panel1_.InvalidateCell(cell);
  if (store_.BeginCapture(CellKind::Image).startTimer) Timer1_.SetEnabled(true);
  Beep();
  CellFilled(CellKind::Image, cell);
}

void TForm2::CaptureText() {
  const int cell = store_.Count(CellKind::Text) + 1;
  memos_[static_cast<size_t>(cell - 1)].SetText(ui::ReadClipboardText());
  if (store_.BeginCapture(CellKind::Text).startTimer) Timer3_.SetEnabled(true);
  Beep();
  CellFilled(CellKind::Text, cell);
}

void TForm2::CellFilled(CellKind kind, int cell) {
  if (onCellFilled) onCellFilled(kind, cell);
}

void TForm2::Beep() {
  if (settings_.IsOn(Option::BeepOnAdd)) MessageBeep(kSimpleBeep);
}

void TForm2::ShowLowCellWarnings() {
  // Modal boxes run a nested loop: timers and further clipboard changes are
  // handled meanwhile, and may open a box of their own.
  for (CellKind kind : kestrel::LowCellsWarnings(store_.ImageCount(), store_.TextCount(),
                                                 settings_.IsOn(Option::WarnLowCells))) {
    ui::Warn(Handle(), std::wstring(kestrel::LowCellsWarningText(kind)));
  }
}

void TForm2::Timer1Timer() {
  Timer1_.SetEnabled(false);
  store_.AdvanceTimerFired(CellKind::Image);
  SyncGauges();
}

void TForm2::Timer3Timer() {
  Timer3_.SetEnabled(false);
  store_.AdvanceTimerFired(CellKind::Text);
  SyncGauges();
}

void TForm2::SyncGauges() {
  ProgressBar1_.SetPosition(store_.ImageCount());
  ProgressBar2_.SetPosition(store_.TextCount());
}

void TForm2::OnTimer(UINT_PTR id) {
  if (id == kTimer1Id) Timer1Timer();
  if (id == kTimer3Id) Timer3Timer();
}

LRESULT TForm2::OnCtlColorEdit(HDC dc) {
  // Text cells sit on the button face, like the frames around them.
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return DefaultHandling(message, wParam, lParam);
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_CTLCOLOREDIT: return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace history
