#include "about/about_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/window_classes.h"
#include "resource_ids.h"

namespace about {

namespace {

constexpr int kClientWidth = 507;
constexpr int kClientHeight = 226;
constexpr int kNotebookWidth = 409;
constexpr int kNotebookHeight = 225;

constexpr int kButtonLeft = 416;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;
constexpr int kOkButtonTop = 24;
constexpr int kHelpButtonTop = 64;

// The credit lines: nine rows, the fourth holding two half-width lines.
constexpr int kCreditWidth = 381;
constexpr int kCreditRowHeight = 20;
constexpr int kCreditRows = 9;
constexpr int kHalfCreditGap = 5;
constexpr int kHalfCreditWidth = (kCreditWidth - kHalfCreditGap) / 2;
constexpr wchar_t kCreditFontFace[] = L"Arial";
constexpr int kCreditFontHeight = 14;
constexpr COLORREF kCreditColour = RGB(0, 0, 128);

enum class CreditPlace { Full, LeftHalf, RightHalf };

struct CreditEntry {
  int row;
  CreditPlace place;
  ScrollDirection direction;
  const wchar_t* text;
  const wchar_t* tooltip;
};

constexpr std::array<CreditEntry, kCreditLineCount> kCreditLines{{
    {0, CreditPlace::Full, ScrollDirection::RightToLeft, L"Written in C++20 on its standard library",
     L"The language and library every line of Kestrel 99 is written in"},
    {1, CreditPlace::Full, ScrollDirection::LeftToRight, L"Compiled by the mingw-w64 toolchain",
     L"Turns the sources into one self-contained Windows program"},
    {2, CreditPlace::Full, ScrollDirection::RightToLeft, L"Build planned by CMake",
     L"Describes how the program and its tests are built"},
    {3, CreditPlace::LeftHalf, ScrollDirection::RightToLeft, L"Run by Ninja",
     L"Runs the build steps, quickly and in order"},
    {3, CreditPlace::RightHalf, ScrollDirection::LeftToRight, L"Packed by zlib",
     L"Compresses the pictures Kestrel 99 keeps"},
    {4, CreditPlace::Full, ScrollDirection::RightToLeft, L"Checked by GoogleTest, case by case",
     L"Runs the tests of the program's rules and windows"},
    {5, CreditPlace::Full, ScrollDirection::LeftToRight, L"Tried out under Wine",
     L"Runs the program and its tests on Linux"},
    {6, CreditPlace::Full, ScrollDirection::RightToLeft, L"Drawn by user32, gdi32 and comctl32",
     L"The parts of Windows that show every window"},
    {7, CreditPlace::Full, ScrollDirection::LeftToRight, L"Built and tested on Debian",
     L"The system the program is built and tested on"},
    {8, CreditPlace::Full, ScrollDirection::RightToLeft, L"Thank you for using Kestrel 99!",
     L"And for every fault you tell us about"},
}};

// The "More" page: the note, then the address to write to below it.
constexpr wchar_t kFeedbackText[] =
    L"If you have any comments or found bugs or you have some ideas to improve Kestrel - A Clipboard "
    L"Enhancement - , then please send a letter to :";
constexpr wchar_t kContactText[] = L"feedback@kestrel99.example";
constexpr int kContactLabelId = 713;
constexpr int kFeedbackMargin = 16;
constexpr int kFeedbackTop = 24;
constexpr int kFeedbackHeight = 60;
constexpr int kContactTop = 96;
constexpr int kContactHeight = 24;
constexpr wchar_t kFeedbackFontFace[] = L"MS Sans Serif";
constexpr int kContactFontHeight = 16;

}  // namespace

AboutWindow::AboutWindow(ui::Application& application, HBITMAP startupPicture) : Form(application) {
  ui::FormParams params;
  params.className = core::kAboutWindowClass;
  params.caption = L"About";
  params.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  notebook_.Create(Handle(), 0, 0, kNotebookWidth, kNotebookHeight, {L"About", L"Credits", L"More"});
  notebook_.onPageChanged = [this] { UpdateTicking(IsVisible()); };
  const SIZE page = notebook_.PageDesignSize();
  picture_.Create(notebook_.Page(kPicturePage), page.cx, page.cy, startupPicture);
  CreateCredits();
  CreateFeedback();
  CreateButtons();
}

void AboutWindow::MakeFonts(ui::Dpi dpi) {
  creditFont_ = ui::MakeFont(dpi, kCreditFontFace, kCreditFontHeight, FW_BOLD);
  contactFont_ = ui::MakeFont(dpi, kFeedbackFontFace, kContactFontHeight, FW_BOLD);
}

void AboutWindow::OnDpiChanged(ui::Dpi dpi) {
  MakeFonts(dpi);
  for (ScrollingText& line : creditLines_) line.SetFont(creditFont_.get());
  contact_.SetFont(contactFont_.get());
  picture_.OnDpiChanged(dpi);
}

void AboutWindow::CreateCredits() {
  MakeFonts(ui::Dpi::Of(Handle()));
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  const SIZE area = notebook_.PageDesignSize();
  const int left = (area.cx - kCreditWidth) / 2;
  const int top = (area.cy - kCreditRows * kCreditRowHeight) / 2;
  ScrollSettings settings;
  settings.textColour = kCreditColour;
  for (size_t i = 0; i < kCreditLines.size(); ++i) {
    const CreditEntry& line = kCreditLines[i];
    settings.direction = line.direction;
    const int x = line.place == CreditPlace::RightHalf ? left + kHalfCreditWidth + kHalfCreditGap : left;
    const int width = line.place == CreditPlace::Full ? kCreditWidth : kHalfCreditWidth;
    creditLines_[i].Create(notebook_.Page(kCreditsPage), x, top + line.row * kCreditRowHeight, width,
                           kCreditRowHeight, {line.text}, settings, creditFont_.get());
    AddTooltip(creditLines_[i].Handle(), line.tooltip);
  }
}

void AboutWindow::AddTooltip(HWND tool, const wchar_t* text) {
  if (!tooltips_) return;
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = Handle();
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void AboutWindow::CreateFeedback() {
  const int width = notebook_.PageDesignSize().cx - 2 * kFeedbackMargin;
  const HWND page = notebook_.Page(kMorePage);
  feedback_.Create(page, kFeedbackLabelId, kFeedbackMargin, kFeedbackTop, width, kFeedbackHeight,
                   ui::LabelAlignment::Centre);
  feedback_.SetFont(ui::DefaultGuiFont(page));
  feedback_.SetText(kFeedbackText);
  contact_.Create(page, kContactLabelId, kFeedbackMargin, kContactTop, width, kContactHeight,
                  ui::LabelAlignment::Centre, false);
  contact_.SetFont(contactFont_.get());
  contact_.SetTextColour(kCreditColour);
  contact_.SetText(kContactText);
}

void AboutWindow::CreateButtons() {
  okButton_.Create(Handle(), kAboutOkButtonId, kButtonLeft, kOkButtonTop, kButtonWidth, kButtonHeight, L"&OK");
  okButton_.LoadGlyph(IDB_GLYPH_OK);
  SetDefaultButton(kAboutOkButtonId);
  helpButton_.Create(Handle(), kAboutHelpButtonId, kButtonLeft, kHelpButtonTop, kButtonWidth, kButtonHeight,
                     L"&Help");
  helpButton_.LoadGlyph(IDB_GLYPH_HELP);
}

void AboutWindow::ShowPage(int page) { notebook_.SetPageIndex(page); }

bool AboutWindow::OnPageKey(bool forward) {
  notebook_.StepPage(forward ? 1 : -1);
  return true;
}

void AboutWindow::UpdateTicking(bool windowShown) {
  const bool ticking = windowShown && notebook_.PageIndex() == kCreditsPage;
  for (ScrollingText& line : creditLines_) line.SetTicking(ticking);
}

void AboutWindow::OnOkClick() { Close(); }

void AboutWindow::OnHelpClick() {
  if (showHelp) showHelp();
}

void AboutWindow::OnShowWindow(bool shown) { UpdateTicking(shown); }

void AboutWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kAboutOkButtonId:
    case IDOK:
    case IDCANCEL: OnOkClick(); return;
    case kAboutHelpButtonId: OnHelpClick(); return;
    default: return;
  }
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return Form::HandleMessage(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace about
