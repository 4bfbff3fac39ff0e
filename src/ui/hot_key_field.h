// A hot key field: the system's hot key control, in which the user presses
// a key combination rather than typing its name. It reports the key in the
// control's own form: the virtual key in the low byte, the HOTKEYF_ flags
// in the high byte; 0 while it holds no key.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace ui {

class HotKeyField : public Control {
 public:
  // A key pressed alone or with Shift alone would be taken from every
  // program the user types into, so the field adds Ctrl to it.
  void Create(HWND parent, int id, int x, int y, int width, int height);
  WORD HotKey() const;
  void SetHotKey(WORD hotKey);
};

}  // namespace ui
