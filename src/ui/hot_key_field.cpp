#include "ui/hot_key_field.h"

#include <commctrl.h>

namespace ui {

void HotKeyField::Create(HWND parent, int id, int x, int y, int width, int height) {
  WindowParams params = WindowParams::Child(HOTKEY_CLASSW, parent, x, y, width, height, WS_TABSTOP, id);
  // Sunken like the edit fields beside it.
  params.exStyle |= WS_EX_CLIENTEDGE;
  CreateControl(params);
  SendMessageW(Handle(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL, 0));
}

WORD HotKeyField::HotKey() const { return LOWORD(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0)); }

void HotKeyField::SetHotKey(WORD hotKey) {
  // Setting the key it already shows would still move the caret and repaint.
  if (HotKey() != hotKey) SendMessageW(Handle(), HKM_SETHOTKEY, hotKey, 0);
}

}  // namespace ui
