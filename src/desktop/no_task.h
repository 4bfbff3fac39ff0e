// TNoTask: hides or restores the program's taskbar button. The button belongs
// to the application window, so hiding that window takes the button away.
// The owner form's procedure is hooked so that every time the form is shown
// the button is hidden again while HideForm is true.
#pragma once

#include <windows.h>

#include <string>

#include "desktop/procedure_hook.h"

namespace kestrel {

class TNoTask {
 public:
  // `owner` is the owner form's window; `applicationTitle` the caption of the
  // application window whose button is hidden.
  TNoTask(HWND owner, std::wstring applicationTitle);
  ~TNoTask() = default;  // the hook puts the owner's procedure back
  TNoTask(const TNoTask&) = delete;
  TNoTask& operator=(const TNoTask&) = delete;

  bool HideForm() const { return hideForm_; }
  // Stores and applies at once, also when the value does not change.
  void SetHideForm(bool hide);
  // After the owner form has been loaded.
  void Loaded() { Apply(); }

 private:
  void Apply() const;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::wstring title_;
  bool hideForm_ = true;
  ProcedureHook hook_;
};

}  // namespace kestrel
