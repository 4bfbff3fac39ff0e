#include "ui/icon_box.h"

#include "ui/dpi.h"
#include "ui/scaled_images.h"

namespace ui {

void IconBox::Create(HWND parent, int x, int y, int side, int resourceId) {
  CreateControl(WindowParams::Child(L"STATIC", parent, x, y, side, side, SS_ICON | SS_REALSIZEIMAGE));
  // Loaded at the box's size on its screen rather than shared, so the
  // system does not stretch another image of the icon; the box owns its
  // copy.
  RECT box{};
  GetWindowRect(Handle(), &box);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
  icon_ = LoadIconSized(resourceId, Dpi::Of(Handle()).Scale(side));
  if (icon_) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  // STM_SETICON may resize the control to the icon; keep the box it had.
  SetWindowPos(Handle(), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
