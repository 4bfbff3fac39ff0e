// A hidden top-level window that only receives messages for an object that
// is no window itself (timers, shell callbacks, a worker's word that it is
// done). Every message goes to the owner's handler, which passes what it does
// not handle on to DefWindowProc, as a window procedure would.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "ui/window.h"

namespace ui {

class MessageWindow : public Window {
 public:
  using Handler = std::function<LRESULT(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;

  // The class name is the one outside programs may look for; the handler
  // already gets the messages of the creation.
  MessageWindow(const wchar_t* className, Handler handler);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Handler handler_;
};

}  // namespace ui
