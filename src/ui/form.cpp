#include "ui/form.h"

#include <vector>

#include "ui/application.h"

namespace ui {

namespace {

// Leads from a form's window to its object; our forms' own property, where
// GWLP_USERDATA of a foreign top-level window could hold anything.
constexpr wchar_t kFormProperty[] = L"Kestrel.Form";

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void Form::CreateForm(const FormParams& params) {
  RECT frame{0, 0, params.clientWidth, params.clientHeight};
  AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = params.x;
  int y = params.y;
  if (x == CW_USEDEFAULT) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
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
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace ui
