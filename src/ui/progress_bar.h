// A standard progress bar (msctls_progress32), so that screen readers and
// automation can read its position.
#pragma once

#include "ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  void Create(HWND parent, int id, int x, int y, int width, int height, int minimum, int maximum);
  void SetPosition(int position);
  int Position() const;
};

}  // namespace ui
