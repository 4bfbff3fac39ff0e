#include "ui/form.h"

#include <algorithm>
#include <vector>

#include "ui/application.h"

namespace ui {

namespace {

// Leads from a form's window to its object; our forms' own property, where
// GWLP_USERDATA of a foreign top-level window could hold anything.
constexpr wchar_t kFormProperty[] = L"Kestrel.Form";

// What a WM_SETFONT pass over a form's children swaps: the dialog font of
// the scale left behind for that of the new one.
struct FontSwap {
  HFONT from;
  HFONT to;
};

BOOL CALLBACK SwapFont(HWND child, LPARAM swap) {
  const auto& fonts = *reinterpret_cast<const FontSwap*>(swap);
  if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == fonts.from) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.to), FALSE);
  }
  return TRUE;
}

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void Form::CreateForm(const FormParams& params) {
  // Centred forms appear on the primary monitor.
  const POINT corner = params.x == CW_USEDEFAULT ? POINT{0, 0} : POINT{params.x, params.y};
  HMONITOR monitor = MonitorFromPoint(corner, MONITOR_DEFAULTTOPRIMARY);
  const Dpi dpi = Dpi::OfMonitor(monitor);
  const RECT frame = dpi.FrameAround(dpi.Scale(RECT{0, 0, params.clientWidth, params.clientHeight}), params.style,
                                     params.exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = params.x;
  int y = params.y;
  if (x == CW_USEDEFAULT) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  } else {
    // A design position is in screen pixels; grown for a larger scale, the
    // form moves back as far as it must to stay whole on its monitor.
    MONITORINFO info{sizeof(info)};
    if (GetMonitorInfoW(monitor, &info)) {
      x = std::max<int>(info.rcWork.left, std::min<int>(x, info.rcWork.right - width));
      y = std::max<int>(info.rcWork.top, std::min<int>(y, info.rcWork.bottom - height));
    }
  }
  WindowParams window;
  window.className = params.className;
  window.caption = params.caption;
  window.style = params.style & ~WS_VISIBLE;
  window.exStyle = params.exStyle;
  window.x = x;
  window.y = y;
  window.width = width;
  window.height = height;
  window.parent = application_.Window();
  window.background = GetSysColorBrush(COLOR_BTNFACE);
  window.icon = params.icon;
  CreateFromParams(window);
  SetPropW(Handle(), kFormProperty, this);
  dpi_ = Dpi::Of(Handle());
}

Form* Form::FromHandle(HWND window) {
  return window ? static_cast<Form*>(GetPropW(window, kFormProperty)) : nullptr;
}

template <typename Step>
void Form::RunReported(Step step) {
  try {
    step();
  } catch (...) {
    // A box at the session's end would hold up the logoff, and what could
    // not be stored is lost all the same.
    if (!application_.SessionEnding()) ShowErrorBox(Handle(), CurrentExceptionText());
  }
}

void Form::Show() {
  // A minimized form comes back to its place: without a taskbar button
  // there would be no other way to reach it.
  int showCommand = IsVisible() && IsIconic(Handle()) ? SW_RESTORE : SW_SHOW;
  // A form already on screen is not shown again, so it reloads nothing.
  if (persistence_ && !IsVisible()) RunReported([&] { showCommand = persistence_->Load(); });
  ShowWindow(Handle(), showCommand);
  SetForegroundWindow(Handle());
  BringWindowToTop(Handle());
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

int Form::ShowModal() {
  if (modal_) return kModalNone;
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);
  modal_ = true;
  modalResult_ = kModalNone;
  Show();
  const bool quit = !application_.RunUntil([this] { return modalResult_ != kModalNone || !IsVisible(); });
  for (HWND window : disabled) EnableWindow(window, TRUE);
  modal_ = false;
  if (HasHandle()) Hide();
  if (quit) PostQuitMessage(0);
  return modalResult_ == kModalNone ? kModalCancel : modalResult_;
}

void Form::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void Form::OnCloseRequest() {
  if (!OnCloseQuery()) return;
  // Stored before the form hides, while its placement is still the shown one.
  if (persistence_) RunReported([this] { persistence_->StoreOnClose(); });
  OnClose();
}

void Form::OnDestroy() {
  RemovePropW(Handle(), kFormProperty);
  if (persistence_) RunReported([this] { persistence_->StoreOnDestroy(); });
}

// The program ends with the session as it ends through Exit, only without
// a question: the message reaches every top-level window, and whichever
// form gets it first ends them all.
void Form::OnEndSession(bool ending) {
  if (ending) application_.EndSession();
}

void Form::OnDpiChangedMessage(int dpi, const RECT& suggested) {
  const Dpi before = dpi_;
  dpi_ = Dpi(dpi);
  if (dpi_ == before) return;
  ScaleDescendants(Handle(), dpi_);
  FontSwap swap{fonts_.GuiFont(before), fonts_.GuiFont(dpi_)};
  EnumChildWindows(Handle(), &SwapFont, reinterpret_cast<LPARAM>(&swap));
  OnDpiChanged(dpi_);
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::OnClose() {
  if (application_.MainForm() == this) {
    application_.Terminate();
    return;
  }
  if (modal_ && modalResult_ == kModalNone) modalResult_ = kModalCancel;
  Hide();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE: OnCloseRequest(); return 0;
    case WM_DESTROY: OnDestroy(); return DefaultHandling(message, wParam, lParam);
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    // The dialog manager asks this when Enter reaches it.
    case DM_GETDEFID: return defaultButton_ ? MAKELRESULT(defaultButton_, DC_HASDEFID) : 0;
    case WM_DPICHANGED: OnDpiChangedMessage(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace ui
