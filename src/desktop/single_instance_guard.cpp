#include "desktop/single_instance_guard.h"

#include <utility>
#include <vector>

#include "ui/application.h"

namespace desktop {

namespace {

constexpr ui::ProcedureHookNames kHookNames{L"Kestrel.SingleInstanceGuard", L"Kestrel.SingleInstanceGuard.Previous"};
// The mapping only marks that a copy runs; nothing is ever stored in it.
constexpr DWORD kMappingBytes = 32;
constexpr UINT kSecondCopyExitCode = 0;
// Longest application title read back from the application window.
constexpr size_t kMaxTitleChars = 255;

// The title as the application window carries it.
std::wstring WindowTitle(HWND window) {
  std::vector<wchar_t> text(kMaxTitleChars + 1);
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return std::wstring(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

void BroadcastToApplications(UINT message) {
  DWORD recipients = BSM_APPLICATIONS;
  BroadcastSystemMessageW(BSF_IGNORECURRENTTASK | BSF_POSTMESSAGE, &recipients, message, 0, 0);
}

void EndProcess(UINT exitCode) { ExitProcess(exitCode); }

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(ui::Application& application, std::function<HWND()> mainFormWindow,
                                         Exits exits)
    : applicationWindow_(application.Window()),
      mainFormWindow_(std::move(mainFormWindow)),
      name_(WindowTitle(applicationWindow_)) {
  if (!exits.broadcast) exits.broadcast = &BroadcastToApplications;
  if (!exits.endProcess) exits.endProcess = &EndProcess;

  application.SetShowMainForm(false);
  message_ = RegisterWindowMessageW(name_.c_str());
  mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, kMappingBytes, name_.c_str()));
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) {
    // Our handle would keep the first copy's mapping alive; let it go.
    mapping_.reset();
    application.SetShowMainForm(false);
    exits.broadcast(message_);
    exits.endProcess(kSecondCopyExitCode);
    return;  // reached only where endProcess is replaced
  }
  // Any other failure to create the mapping still lets this copy run as the
  // first: refusing to start is worse than a missed second-copy check.
  ShowWindow(applicationWindow_, SW_SHOWNORMAL);
  application.SetShowMainForm(true);
  hook_.emplace(applicationWindow_, &SingleInstanceGuard::Procedure, kHookNames, this);
}

// The hook (declared last) goes first, putting the application window's
// procedure back; then the mapping is closed, so a copy started after this
// one has ended runs normally.
SingleInstanceGuard::~SingleInstanceGuard() = default;

void SingleInstanceGuard::OnWakeUp() const {
  if (IsIconic(applicationWindow_)) ShowWindow(applicationWindow_, SW_RESTORE);
  if (HWND main = mainFormWindow_ ? mainFormWindow_() : nullptr) SetForegroundWindow(main);
}

LRESULT CALLBACK SingleInstanceGuard::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ui::ProcedureHook* hook = ui::ProcedureHook::Find(window, kHookNames);
  const auto* self = hook ? static_cast<const SingleInstanceGuard*>(hook->Owner()) : nullptr;
  // RegisterWindowMessageW gives 0 only on failure; WM_NULL is no wake-up.
  if (self && self->message_ != 0 && message == self->message_) {
    self->OnWakeUp();
    return 0;
  }
  return ui::ProcedureHook::CallPrevious(window, kHookNames, message, wParam, lParam);
}

}  // namespace desktop
