#include "history/form2.h"

#include "history/cell_grid.h"
#include "history/form2_layout.h"
#include "resource_ids.h"
#include "ui/application.h"
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

TForm2::TForm2(ui::Application& application, kestrel::Settings& settings) : Form(application), settings_(settings) {
  ui::FormSpec params;
  params.className = kestrel::kForm2ClassName;
  params.caption = kestrel::kForm2DesignCaption;
  params.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  params.clientWidth = kestrel::kForm2ClientWidth;
  params.clientHeight = kestrel::kForm2ClientHeight;
  params.x = kestrel::kForm2DesignLeft;
  params.y = kestrel::kForm2DesignTop;
  params.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  CreateForm(params);
  CreateControls();
  closeMainForm = [this] {
    if (ui::Form* main = App().MainForm()) main->Close();
  };
  // The captions the user sees from the start, and the first status, so
  // the caption and the tray are right before anything changes.
  ApplyButtonCaptions(settings_.IsOn(Option::OnlyBitmapsOnButtons));
  Timer2Timer();
}

TForm2::~TForm2() { DestroyHandle(); }

void TForm2::CreateControls() {
  font_ = ui::MakeFont(kFontFace, kFontHeight);
  TabbedNotebook1_.Create(Handle(), 0, 0, kestrel::kNotebookWidth, kestrel::kNotebookHeight, {L"Images", L"Text"});
  TabbedNotebook1_.onPageChanged = [this] {
    Panel1_.InvalidateFrames();
    Timer2Timer();
  };
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
  CreateButtons();
  CreateClock();
}

void TForm2::CreateButtons() {
  using namespace kestrel;
  const int top = kButtonRowTop;
  CreateButton(BitBtn1_, kBitBtn1Id, 0 * kButtonPitch, top, kButtonWidth, kButtonHeight, kExitCaption, IDB_GLYPH_EXIT);
  CreateButton(options_, kOptionsId, 1 * kButtonPitch, top, kButtonWidth, kButtonHeight, kOptionsCaption,
               IDB_GLYPH_OPTIONS);
  CreateButton(BitBtn4_, kBitBtn4Id, 2 * kButtonPitch, top, kButtonWidth, kButtonHeight, kFullscreenCaption,
               IDB_GLYPH_FULLSCREEN);
  CreateButton(BitBtn5_, kBitBtn5Id, 3 * kButtonPitch, top, kButtonWidth, kButtonHeight, kEditSaveDesignCaption,
               IDB_GLYPH_SAVE);
  CreateButton(BitBtn3_, kBitBtn3Id, 4 * kButtonPitch, top, kButtonWidth, kButtonHeight, kDeleteCaption,
               IDB_GLYPH_DELETE);
  CreateButton(deleteall_, kDeleteAllId, 5 * kButtonPitch, top, kButtonWidth, kButtonHeight, kDeleteAllCaption,
               IDB_GLYPH_DELETEALL);
  CreateButton(BitBtn2_, kBitBtn2Id, 6 * kButtonPitch, top, kButtonWidth, kButtonHeight, kAboutDesignCaption,
               IDB_GLYPH_ABOUT);
  CreateButton(BitBtn6_, kBitBtn6Id, kHideButtonLeft, kHideButtonTop, kHideButtonWidth, kHideButtonHeight,
               kHideDesignCaption, IDB_GLYPH_HIDE);
  // The face is heavy by design; asking for its weight keeps a stand-in
  // face heavy too.
  hideFont_ = ui::MakeFont(kHeavyFontFace, kHideButtonFontHeight, FW_BLACK);
  BitBtn6_.SetFont(hideFont_.get());
}

void TForm2::CreateButton(ui::FlatButton& button, int id, int left, int top, int width, int height,
                          const wchar_t* caption, int glyphId) {
  button.Create(Handle(), id, left, top, width, height, caption);
  button.SetFont(font_.get());
  // A missing picture leaves a caption-only button.
  button.LoadGlyph(glyphId);
}

void TForm2::CreateClock() {
  using namespace kestrel;
  Label2_.Create(Handle(), kLabel2Id, kClockLeft, kClockTop, kClockWidth, kClockHeight, ui::LabelAlignment::Centre,
                 false);
  clockFont_ = ui::MakeFont(kHeavyFontFace, kClockFontHeight);
  Label2_.SetFont(clockFont_.get());
  Label2_.SetTransparent(true);
  Label2_.SetTextColour(kClockColour);
  clockTimer_.Attach(Handle(), kClockTimerId, kClockIntervalMs);
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
  for (CellKind kind :
       kestrel::LowCellsWarnings(store_.ImageCount(), store_.TextCount(), settings_.IsOn(Option::WarnLowCells))) {
    ui::Warn(Handle(), std::wstring(kestrel::LowCellsWarningText(kind)));
  }
}

void TForm2::Timer1Timer() {
  Timer1_.SetEnabled(false);
  store_.AdvanceTimerFired(CellKind::Image);
  RefreshStatus();
}

void TForm2::Timer3Timer() {
  Timer3_.SetEnabled(false);
  store_.AdvanceTimerFired(CellKind::Text);
  RefreshStatus();
}

void TForm2::SyncGauges() {
  ProgressBar1_.SetPosition(store_.ImageCount());
  ProgressBar2_.SetPosition(store_.TextCount());
}

void TForm2::RefreshStatus() {
  SyncGauges();
  Timer2Timer();
}

void TForm2::Timer2Timer() {
  kestrel::StatusInput input;
  input.page = static_cast<kestrel::NotebookPage>(PageIndex());
  input.imageCount = store_.ImageCount();
  input.textCount = store_.TextCount();
  input.onlyBitmapsOnButtons = settings_.IsOn(Option::OnlyBitmapsOnButtons);
  input.disableCapture = settings_.IsOn(Option::DisableCapture);
  const kestrel::StatusDecision status = kestrel::DecideStatus(input);

  SetButtonEnabled(BitBtn3_, status.deleteEnabled);
  if (status.editSaveCaption && BitBtn5_.Text() != *status.editSaveCaption) BitBtn5_.SetText(*status.editSaveCaption);
  SetCaption(status.windowCaption);
  if (applyTrayStatus) applyTrayStatus(status);
  SetButtonEnabled(BitBtn4_, status.fullscreenEnabled);
}

void TForm2::SetButtonEnabled(ui::FlatButton& button, bool enabled) {
  // A disabled window cannot keep the focus; hand it on so the keyboard
  // still reaches the buttons.
  if (!enabled && GetFocus() == button.Handle()) {
    if (HWND next = GetNextDlgTabItem(Handle(), button.Handle(), FALSE)) SetFocus(next);
  }
  button.SetEnabled(enabled);
}

void TForm2::ApplyButtonCaptions(bool onlyBitmaps) {
  using namespace kestrel;
  if (onlyBitmaps) {
    for (ui::FlatButton* button :
         {&BitBtn1_, &BitBtn2_, &BitBtn3_, &BitBtn4_, &BitBtn5_, &BitBtn6_, &options_, &deleteall_}) {
      button->SetText(L"");
    }
    return;
  }
  BitBtn1_.SetText(kExitCaption);
  BitBtn2_.SetText(kAboutCaption);
  BitBtn3_.SetText(kDeleteCaption);
  BitBtn4_.SetText(kFullscreenCaption);
  BitBtn6_.SetText(kHideCaption);
  options_.SetText(kOptionsCaption);
  deleteall_.SetText(kDeleteAllCaption);
  // Edit/Save gets its caption back from the status, for the page shown.
  Timer2Timer();
}

void TForm2::BitBtn1Click() {
  if (settings_.IsOn(Option::ConfirmExit) && !ui::Confirm(Handle(), kestrel::kConfirmExitQuestion)) return;
  if (closeMainForm) closeMainForm();
}

void TForm2::optionsClick() {
  if (showOptions) showOptions();
}

void TForm2::BitBtn2Click() {
  if (showAbout) showAbout();
}

void TForm2::BitBtn6Click() { Hide(); }

void TForm2::UpdateClock() { Label2_.SetText(CurrentDateAndTime()); }

void TForm2::OnWindowPosChanged() {
  // Shown, hidden, minimized or restored, by ShowWindow or SetWindowPos:
  // the clock runs exactly while it can be seen.
  const bool seen = IsWindowVisible(Handle()) && !IsIconic(Handle());
  if (seen && !clockTimer_.Enabled()) UpdateClock();
  clockTimer_.SetEnabled(seen);
}

void TForm2::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kestrel::kBitBtn1Id: BitBtn1Click(); break;
    case kestrel::kOptionsId: optionsClick(); break;
    case kestrel::kBitBtn2Id: BitBtn2Click(); break;
    case kestrel::kBitBtn6Id: BitBtn6Click(); break;
    default: break;  // Fullscreen, Edit/Save, Delete and Delete All have no command yet
  }
}

ui::FlatButton* TForm2::ButtonById(int id) {
  for (ui::FlatButton* button :
       {&BitBtn1_, &options_, &BitBtn4_, &BitBtn5_, &BitBtn3_, &deleteall_, &BitBtn2_, &BitBtn6_}) {
    if (button->Handle() && button->Id() == id) return button;
  }
  return nullptr;
}

bool TForm2::OnDrawItem(const DRAWITEMSTRUCT& item) {
  ui::FlatButton* button = ButtonById(static_cast<int>(item.CtlID));
  if (button) button->Draw(item);
  return button != nullptr;
}

LRESULT TForm2::OnCtlColorStatic(UINT message, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) == Label2_.Handle())
    return Label2_.OnCtlColorStatic(reinterpret_cast<HDC>(wParam));
  return DefaultHandling(message, wParam, lParam);
}

void TForm2::OnTimer(UINT_PTR id) {
  if (id == kTimer1Id) Timer1Timer();
  if (id == kTimer3Id) Timer3Timer();
  if (id == kClockTimerId) UpdateClock();
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
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(message, wParam, lParam);
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_WINDOWPOSCHANGED: OnWindowPosChanged(); return DefaultHandling(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace history
