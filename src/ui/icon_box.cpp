#include "ui/icon_box.h"

namespace ui {

void IconBox::Create(HWND parent, int x, int y, int side, int resourceId) {
  const WindowParams params = WindowParams::Child(L"STATIC", parent, x, y, side, side, SS_ICON | SS_REALSIZEIMAGE);
  CreateControl(params);
  const RECT place = DevicePlacement(params);
  // Loaded at the box's size rather than shared, so the system does not
  // scale a larger image of the icon down; the box owns its copy.
  icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                            place.right, place.bottom, 0)));
  if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  // STM_SETICON may resize the control to the icon; keep the given box.
  SetWindowPos(Handle(), nullptr, place.left, place.top, place.right, place.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
