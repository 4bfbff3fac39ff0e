// Replaces another window's procedure the old way: the previous procedure is
// read with GetWindowLongPtrW, ours is set with SetWindowLongPtrW, every
// message we pass on goes to the saved one through CallWindowProcW, and the
// saved one is put back when the hook ends. The taskbar hiding and the
// single-instance guard need exactly this save-and-restore, so they cannot
// use SetWindowSubclass.
//
// Each kind of hook has its own replacement procedure and its own two window
// properties: one leads the procedure to the hook object, the other keeps the
// previous procedure, so messages still flow on if the hook object is gone
// while our procedure has to stay in the chain (see Restore).
#pragma once

#include <windows.h>

namespace ui {

struct ProcedureHookNames {
  const wchar_t* owner = nullptr;     // property holding the ProcedureHook*
  const wchar_t* previous = nullptr;  // property holding the saved WNDPROC
};

class ProcedureHook {
 public:
  // Installs `replacement` on `window`; `owner` is what the replacement gets
  // back from Owner(). A null window installs nothing.
  ProcedureHook(HWND window, WNDPROC replacement, ProcedureHookNames names, void* owner);
  ~ProcedureHook();
  ProcedureHook(const ProcedureHook&) = delete;
  ProcedureHook& operator=(const ProcedureHook&) = delete;

  bool Installed() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  WNDPROC Previous() const { return previous_; }
  void* Owner() const { return owner_; }

  // Puts the saved procedure back if ours is still the window's procedure.
  // If something has hooked the window after us, putting ours aside would cut
  // that hook out of the chain too, so ours stays and keeps passing every
  // message on to the saved procedure by itself.
  void Restore();

  // For the replacement procedure: the hook installed on `window` under
  // `names`, or null when its object is gone.
  static ProcedureHook* Find(HWND window, const ProcedureHookNames& names);
  // Passes a message to the saved procedure. At WM_NCDESTROY the window is
  // going away with our procedure in it, so the hook is dropped afterwards.
  static LRESULT CallPrevious(HWND window, const ProcedureHookNames& names, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND window_ = nullptr;
  WNDPROC replacement_ = nullptr;
  WNDPROC previous_ = nullptr;
  ProcedureHookNames names_;
  void* owner_ = nullptr;
};

}  // namespace ui
