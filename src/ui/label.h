// A text label: a standard STATIC control, so screen readers read it. It
// colours itself when its parent is asked for its colours. A transparent
// label shows its parent's background around the text.
#pragma once

#include <windows.h>

#include "ui/control.h"

namespace ui {

enum class LabelAlignment { Left, Centre };

class Label : public Control {
 public:
  // A label without word wrap keeps its text on one line, vertically
  // centred, so text wider than the label is cut at the sides instead of
  // losing whole words to a second line that does not fit.
  void Create(HWND parent, int id, int x, int y, int width, int height, LabelAlignment alignment, bool wordWrap = true);
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  void SetTextColour(COLORREF colour) { textColour_ = colour; }

 protected:
  HBRUSH OnReflectedCtlColor(UINT message, HDC dc) override;

 private:
  bool transparent_ = false;
  COLORREF textColour_ = GetSysColor(COLOR_BTNTEXT);
};

}  // namespace ui
