// A plain container window: button-face background, an optional raised or
// lowered bevel, and notifications of its child controls passed up to its
// parent, so the form that lays out the controls handles them.
#pragma once

#include "ui/window.h"
#include "core/window_classes.h"

namespace ui {

enum class Bevel { None, Raised, Lowered };

class Panel : public Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height, Bevel bevel = Bevel::None);
  // At a place measured at run time, in device pixels.
  void CreateAt(HWND parent, const RECT& place);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;
  // Registered class name; panels that paint more use their own.
  virtual const wchar_t* ClassName() const { return core::kPanelClass; }

 private:
  Bevel bevel_ = Bevel::None;
};

// Messages a container passes to its parent untouched. How a child looks is
// no such message: the container, like every ui::Window, asks the child.
bool IsChildNotification(UINT message);

}  // namespace ui
