#include "app/failure_guard.h"

#include <windows.h>

#include <exception>

#include "ui/message_box.h"
#include "ui/window.h"

namespace app {

namespace {

void ShowFailure(const std::wstring& title, const std::wstring& reason) {
  ui::ShowMessageBox(nullptr, L"Kestrel 99 could not start or had to stop.\r\n\r\n" + reason, title,
                     MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

int RunReportingFailure(const std::wstring& title, const std::function<int()>& program) {
  try {
    return program();
  } catch (...) {
    ShowFailure(title, ui::CurrentExceptionText());
  }
  return kFailedExitCode;
}

}  // namespace app
