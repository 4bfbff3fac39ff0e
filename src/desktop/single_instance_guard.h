// SingleInstanceGuard: lets only one copy of the program run. The first copy holds
// a small named file mapping, named with the application title, for as long
// as it lives; a later copy finds it, asks the first copy to come forward
// with a registered window message and ends at once with exit code 0.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/handles.h"
#include "ui/procedure_hook.h"

namespace ui {
class Application;
}

namespace desktop {

class SingleInstanceGuard {
 public:
  // The ways out of a second copy. Both default to the real calls; tests
  // replace them so that the copy can be observed instead of ending.
  struct Exits {
    std::function<void(UINT message)> broadcast;  // wake the first copy
    std::function<void(UINT exitCode)> endProcess;
  };

  // Runs the whole single-instance test. `mainFormWindow` gives the window
  // that the wake-up message brings to the front.
  SingleInstanceGuard(ui::Application& application, std::function<HWND()> mainFormWindow, Exits exits = {});
  ~SingleInstanceGuard();
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  const std::wstring& Name() const { return name_; }
  UINT WakeUpMessage() const { return message_; }
  // Whether this copy holds the mapping (is the first copy).
  bool IsFirstCopy() const { return static_cast<bool>(mapping_); }

 private:
  void OnWakeUp() const;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND applicationWindow_;
  std::function<HWND()> mainFormWindow_;
  std::wstring name_;
  UINT message_ = 0;
  ui::unique_handle mapping_;
  std::optional<ui::ProcedureHook> hook_;  // only in the first copy
};

}  // namespace desktop
