// A container with a vertical scroll bar that scrolls one content window
// (taller than itself) by moving it.
#pragma once

#include "ui/window.h"

namespace ui {

class ScrollBox : public Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height);
  // The window scrolled; it must be a child of this box.
  void SetContent(HWND content, int contentHeight);
  int ScrollPosition() const { return position_; }
  void ScrollTo(int position);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnVScroll(int request);
  void OnMouseWheel(int delta);
  void UpdateScrollBar();
  int VisibleHeight() const;

  HWND content_ = nullptr;
  int contentHeight_ = 0;
  int position_ = 0;
  int wheelRemainder_ = 0;
};

}  // namespace ui
