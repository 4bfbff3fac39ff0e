// Tells its owner when the mouse moves over any of a set of windows, such
// as controls that show a hint while the mouse is over them. The windows
// are subclassed (SetWindowSubclass) and keep working as before.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace ui {

class HoverWatch {
 public:
  HoverWatch() = default;
  ~HoverWatch();
  // The subclasses point at this object, so it stays where it is.
  HoverWatch(const HoverWatch&) = delete;
  HoverWatch& operator=(const HoverWatch&) = delete;

  // Calls onMouseMove on every WM_MOUSEMOVE the window receives, before the
  // window's own handling.
  void Watch(HWND window, std::function<void()> onMouseMove);

 private:
  struct Watched {
    HWND window = nullptr;  // null once the window is gone
    std::function<void()> onMouseMove;
  };

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                       DWORD_PTR self);
  void OnMouseMove(size_t index);
  void Forget(size_t index);

  std::vector<Watched> watched_;
};

}  // namespace ui
