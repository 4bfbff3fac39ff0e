// A container with scroll bars that scrolls one content window (larger than
// itself) by moving it. Content as wide as the box scrolls only vertically.
#pragma once

#include <functional>

#include "ui/window.h"

namespace ui {

class ScrollBox : public Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height);
  // Fills the parent's client area.
  void CreateFilling(HWND parent);
  // The window scrolled; it must be a child of this box.
  void SetContent(HWND content, int contentHeight);
  // The content's width, for content wider than the box (0: as wide as the box).
  void SetContentWidth(int contentWidth);
  int ScrollPosition() const { return position_; }
  int HorizontalPosition() const { return horizontal_; }
  void ScrollTo(int position);
  void ScrollHorizontallyTo(int position);
  // The height of the part of the content in view.
  int VisibleHeight() const;
  // A double click on the box's own area, outside the content.
  std::function<void()> onDoubleClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static WindowParams BoxParams(HWND parent, int x, int y, int width, int height);
  void OnScroll(int bar, int request);
  void OnMouseWheel(int delta);
  void OnDoubleClick();
  void OnSize();
  void UpdateScrollBars();
  void MoveContent();
  // One line's scroll at the box's scale.
  int LineStep() const;
  int VisibleWidth() const;

  HWND content_ = nullptr;
  int contentHeight_ = 0;
  int contentWidth_ = 0;
  int position_ = 0;
  int horizontal_ = 0;
  int wheelRemainder_ = 0;
};

}  // namespace ui
