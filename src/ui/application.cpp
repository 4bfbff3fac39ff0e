#include "ui/application.h"

#include <utility>

#include "core/window_classes.h"

namespace ui {

void ApplicationWindow::Create(const std::wstring& title, HICON icon) {
  // A zero-sized, captioned top-level window: it is what the taskbar shows as
  // the program's button, while the forms it owns stay off the taskbar.
  WindowParams params;
  params.className = core::kApplicationClass;
  params.caption = title;
  params.style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  params.x = GetSystemMetrics(SM_CXSCREEN) / 2;
  params.y = GetSystemMetrics(SM_CYSCREEN) / 2;
  params.icon = icon;
  CreateFromParams(params);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return 0;
    default: return Window::HandleMessage(message, wParam, lParam);
  }
}

// This window is top-level too, and may be the first the system tells.
void ApplicationWindow::OnEndSession(bool ending) {
  if (ending && onSessionEnd) onSessionEnd();
}

Application::Application(std::wstring title) : window_(MakeWindow<ApplicationWindow>()), title_(std::move(title)) {
  window_->Create(title_, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
  window_->onSessionEnd = [this] { EndSession(); };
}

Application::~Application() { DestroyForms(); }

void DispatchOne(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  // Esc puts a window away from any control in it; the controls themselves
  // (a memo wants every key) would otherwise keep it.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
    Form* form = Form::FromHandle(root);
    if (form && IsWindowEnabled(root) && form->OnEscape()) return;
  }
  // Ctrl+Tab turns the pages, as in any window with tabs; a memo would
  // otherwise take it as a tab character.
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    Form* form = Form::FromHandle(root);
    if (form && IsWindowEnabled(root) && form->OnPageKey(GetKeyState(VK_SHIFT) >= 0)) return;
  }
  if (root && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool Application::RunUntil(const std::function<bool()>& done) {
  MSG message{};
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) return false;
    DispatchOne(message);
  }
  return true;
}

void Application::ProcessMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchOne(message);
  }
}

int Application::Run() {
  if (showMainForm_ && mainForm_) mainForm_->Show();
  if (!terminated_) RunUntil([] { return false; });
  terminated_ = true;
  DestroyForms();
  return 0;
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::EndSession() {
  if (sessionEnding_) return;
  sessionEnding_ = true;
  Terminate();
  // The message that brought the end may belong to one of the forms, so
  // their objects must outlive its handling.
  DestroyFormWindows();
}

void Application::DestroyFormWindows() {
  for (auto form = forms_.rbegin(); form != forms_.rend(); ++form) {
    if (onFormDestroying) onFormDestroying(**form);
    static_cast<ui::Window&>(**form).DestroyHandle();
  }
}

void Application::DestroyForms() {
  DestroyFormWindows();
  while (!forms_.empty()) forms_.pop_back();
  mainForm_ = nullptr;
}

}  // namespace ui
