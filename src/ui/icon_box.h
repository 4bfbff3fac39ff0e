// A picture from the program's icon resources, shown at a fixed size by a
// standard STATIC control. Icons carry their own transparency, so the
// picture sits cleanly on any background.
#pragma once

#include "ui/control.h"
#include "ui/handles.h"

namespace ui {

class IconBox : public Control {
 public:
  // A missing resource leaves the box empty.
  void Create(HWND parent, int x, int y, int side, int resourceId);

 private:
  unique_hicon icon_;
};

}  // namespace ui
