#include "ui/message_box.h"

namespace ui {

bool Confirm(HWND owner, const std::wstring& text) {
  return MessageBoxW(owner, text.c_str(), L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Warn(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), L"Warning", MB_OK | MB_ICONWARNING);
}

void Inform(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), L"Information", MB_OK | MB_ICONINFORMATION);
}

}  // namespace ui
