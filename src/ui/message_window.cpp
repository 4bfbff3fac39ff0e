#include "ui/message_window.h"

namespace ui {

MessageWindow::MessageWindow(const wchar_t* className, Handler handler) : handler_(std::move(handler)) {
  CreateFromParams(WindowParams::Hidden(className));
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return handler_(Handle(), message, wParam, lParam);
}

}  // namespace ui
