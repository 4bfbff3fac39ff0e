#include "ui/label.h"

namespace ui {

void Label::Create(HWND parent, int id, int x, int y, int width, int height, LabelAlignment alignment, bool wordWrap) {
  DWORD style = alignment == LabelAlignment::Centre ? SS_CENTER : SS_LEFT;
  if (!wordWrap) style |= SS_CENTERIMAGE;
  CreateControl(WindowParams::Child(L"STATIC", parent, x, y, width, height, style, id));
}

HBRUSH Label::OnReflectedCtlColor(UINT message, HDC dc) {
  SetTextColor(dc, textColour_);
  if (!transparent_) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  // A hollow brush alone would leave the previous text on screen when the
  // text changes (the control paints over what it drew before), so the
  // parent first paints its own background into the label's area.
  HWND parent = GetParent(Handle());
  POINT origin{0, 0};
  MapWindowPoints(Handle(), parent, &origin, 1);
  POINT previous{};
  OffsetWindowOrgEx(dc, origin.x, origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace ui
