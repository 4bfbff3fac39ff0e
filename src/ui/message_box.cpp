#include "ui/message_box.h"

#include <utility>

namespace ui {

namespace {

// The one piece of process-wide state in the window library, and only ever
// set by tests: boxes have no owner object that could carry it.
MessageBoxSink& TestSink() {
  static MessageBoxSink sink;
  return sink;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  if (const MessageBoxSink& sink = TestSink()) return sink(caption, text, type);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void SetMessageBoxSinkForTesting(MessageBoxSink sink) { TestSink() = std::move(sink); }

bool Confirm(HWND owner, const std::wstring& text) {
  return ShowMessageBox(owner, text, L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Warn(HWND owner, const std::wstring& text) { ShowMessageBox(owner, text, L"Warning", MB_OK | MB_ICONWARNING); }

void Inform(HWND owner, const std::wstring& text) {
  ShowMessageBox(owner, text, L"Information", MB_OK | MB_ICONINFORMATION);
}

void ReportError(HWND owner, const std::wstring& text) {
  ShowMessageBox(owner, text, L"Error", MB_OK | MB_ICONSTOP);
}

}  // namespace ui
