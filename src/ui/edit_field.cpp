#include "ui/edit_field.h"

namespace ui {

void EditField::Create(HWND parent, int id, int x, int y, int width, int height, bool readOnly) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (readOnly) style |= ES_READONLY;
  WindowParams params = WindowParams::Child(L"EDIT", parent, x, y, width, height, style, id);
  params.exStyle |= WS_EX_CLIENTEDGE;
  CreateControl(params);
}

}  // namespace ui
