#include "desktop/taskbar_button_hider.h"

#include <utility>

namespace desktop {

namespace {

constexpr ui::ProcedureHookNames kHookNames{L"Kestrel.TaskbarButtonHider", L"Kestrel.TaskbarButtonHider.Previous"};

// The top-level window of this process that carries the title. Any program
// may have a window with the same caption (a folder window opened on a
// directory of that name, say); hiding that one would take it away from the
// user for good, so only our own windows are considered.
HWND FindOwnWindow(const std::wstring& title) {
  const DWORD self = GetCurrentProcessId();
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, title.c_str())) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == self) return window;
  }
  return nullptr;
}

}  // namespace

TaskbarButtonHider::TaskbarButtonHider(HWND owner, std::wstring applicationTitle)
    : title_(std::move(applicationTitle)), hook_(owner, &TaskbarButtonHider::Procedure, kHookNames, this) {}

void TaskbarButtonHider::SetHidden(bool hide) {
  hidden_ = hide;
  ApplyHidden();
}

void TaskbarButtonHider::ApplyHidden() const {
  HWND application = FindOwnWindow(title_);
  if (!application) return;
  ShowWindow(application, hidden_ ? SW_HIDE : SW_RESTORE);
}

LRESULT CALLBACK TaskbarButtonHider::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ui::ProcedureHook* hook = ui::ProcedureHook::Find(window, kHookNames);
  // The form is being shown: hide the button again before the form appears.
  if (hook && message == WM_SHOWWINDOW && wParam != 0)
    static_cast<const TaskbarButtonHider*>(hook->Owner())->ApplyHidden();
  return ui::ProcedureHook::CallPrevious(window, kHookNames, message, wParam, lParam);
}

}  // namespace desktop
