// A check box or radio button: a standard BUTTON control that shows a state
// it is given. It does not change itself when clicked, nor its radio
// partners; its owner decides the new state (usually from a model) and sets
// every button from it, so a button can never drift from the value it
// stands for. Clicks reach the owner as WM_COMMAND / BN_CLICKED.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

enum class ToggleKind { CheckBox, RadioButton };

class ToggleButton : public Control {
 public:
  void Create(HWND parent, ToggleKind kind, int id, int x, int y, int width, int height, const std::wstring& caption);
  bool IsChecked() const;
  void SetChecked(bool checked);
};

}  // namespace ui
