// TaskbarButtonHider: hides or restores the program's taskbar button. The button belongs
// to the application window, so hiding that window takes the button away.
// The owner form's procedure is hooked so that every time the form is shown
// the button is hidden again while Hidden is true.
#pragma once

#include <windows.h>

#include <string>

#include "ui/procedure_hook.h"

namespace desktop {

class TaskbarButtonHider {
 public:
  // `owner` is the owner form's window; `applicationTitle` the caption of the
  // application window whose button is hidden.
  TaskbarButtonHider(HWND owner, std::wstring applicationTitle);
  ~TaskbarButtonHider() = default;  // the hook puts the owner's procedure back
  TaskbarButtonHider(const TaskbarButtonHider&) = delete;
  TaskbarButtonHider& operator=(const TaskbarButtonHider&) = delete;

  bool Hidden() const { return hidden_; }
  // Stores and applies at once, also when the value does not change.
  void SetHidden(bool hide);
  // Hides or restores the button as Hidden says, for instance once the
  // owner form is made.
  void ApplyHidden() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::wstring title_;
  bool hidden_ = true;
  ui::ProcedureHook hook_;
};

}  // namespace desktop
