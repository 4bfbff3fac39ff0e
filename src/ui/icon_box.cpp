#include "ui/icon_box.h"

#include "ui/dpi.h"
#include "ui/scaled_images.h"

namespace ui {

void IconBox::Create(HWND parent, int x, int y, int side, int resourceId) {
  const WindowParams params = WindowParams::Child(L"STATIC", parent, x, y, side, side, SS_ICON | SS_REALSIZEIMAGE);
  CreateControl(params);
  const RECT place = DevicePlacement(params);
  // Loaded at the box's size rather than shared, so the system does not
  // scale a larger image of the icon down; the box owns its copy.
  icon_ = LoadIconSized(resourceId, place.right);
  if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  // STM_SETICON may resize the control to the icon; keep the given box.
  SetWindowPos(Handle(), nullptr, place.left, place.top, place.right, place.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
