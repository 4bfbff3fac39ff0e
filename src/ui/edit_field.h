// A one-line edit field. A read-only field keeps the grey face the system
// gives read-only edits, so it plainly cannot be typed into, but its text
// can still be selected and copied.
#pragma once

#include "ui/control.h"

namespace ui {

class EditField : public Control {
 public:
  void Create(HWND parent, int id, int x, int y, int width, int height, bool readOnly);
};

}  // namespace ui
