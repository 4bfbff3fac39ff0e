// A standard progress bar (msctls_progress32), so that screen readers and
// automation can read its position.
#pragma once

#include <functional>
#include <string>

#include "ui/accessible_object.h"
#include "ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  ~ProgressBar() override;

  void Create(HWND parent, int id, int x, int y, int width, int height, int minimum, int maximum);
  void SetPosition(int position);
  int Position() const;

  // A bar has no label of its own on screen, and the system reads out its
  // position only as a percentage; a screen reader hears this name and the
  // value `describe` makes of the position instead.
  void SetAccessibleText(std::wstring name, std::function<std::wstring(int position)> describe);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  AccessibleServer accessible_;
  bool subclassed_ = false;
};

}  // namespace ui
