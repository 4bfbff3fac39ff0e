#include "ui/panel.h"

namespace ui {

bool IsChildNotification(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY: return true;
    default: return false;
  }
}

void Panel::Create(HWND parent, int x, int y, int width, int height, Bevel bevel) {
  bevel_ = bevel;
  EnablePainting();
  WindowParams params = WindowParams::Child(ClassName(), parent, x, y, width, height, WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  CreateFromParams(params);
}

void Panel::CreateAt(HWND parent, const RECT& place) {
  EnablePainting();
  WindowParams params = WindowParams::Child(ClassName(), parent, place.left, place.top, place.right - place.left,
                                            place.bottom - place.top, WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.designUnits = false;
  CreateFromParams(params);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsChildNotification(message)) return SendMessageW(GetParent(Handle()), message, wParam, lParam);
  return DefaultHandling(message, wParam, lParam);
}

void Panel::PaintContent(HDC dc, const RECT& clientRect) {
  RECT rect = clientRect;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  if (bevel_ == Bevel::Raised) DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  if (bevel_ == Bevel::Lowered) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace ui
