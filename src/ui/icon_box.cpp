#include "ui/icon_box.h"

namespace ui {

void IconBox::Create(HWND parent, int x, int y, int side, int resourceId) {
  CreateControl(WindowParams::Child(L"STATIC", parent, x, y, side, side, SS_ICON | SS_REALSIZEIMAGE));
  // Loaded at the box's size rather than shared, so the system does not
  // scale a larger image of the icon down; the box owns its copy.
  icon_.reset(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_ICON, side, side, 0)));
  if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  // STM_SETICON may resize the control to the icon; keep the given box.
  SetWindowPos(Handle(), nullptr, x, y, side, side, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
