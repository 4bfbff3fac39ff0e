// The small tool window a toolbar floats in: captioned with the toolbar's
// title, without a close button (a toolbar is put away by docking it), and
// not taking the focus from the form when its buttons are clicked.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window.h"

namespace ui {

// Posted to the dock when a drag of the floating window ends over it. It is
// posted rather than acted on at once because docking destroys the window
// whose move is just finishing.
inline constexpr UINT kToolbarDockRequest = WM_APP + 0x7B;

class ToolbarFrame : public Window {
 public:
  // A frame owned by `owner` whose client area is `clientSize`, placed with
  // its caption under `grabAt`. `dock` is the window it docks onto.
  void Create(HWND owner, HWND dock, const std::wstring& title, SIZE clientSize, POINT grabAt);
  void MoveCaptionTo(POINT grabAt);
  // Lets the user go on dragging the frame with the mouse button that is
  // already down.
  void ContinueDrag();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnExitSizeMove();

  HWND dock_ = nullptr;
};

}  // namespace ui
