#include "ui/procedure_hook.h"

namespace ui {

namespace {

// A procedure travels through a window property, whose value is a HANDLE.
HANDLE AsProperty(WNDPROC procedure) { return reinterpret_cast<HANDLE>(procedure); }
WNDPROC AsProcedure(HANDLE property) { return reinterpret_cast<WNDPROC>(property); }

WNDPROC CurrentProcedure(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

}  // namespace

ProcedureHook::ProcedureHook(HWND window, WNDPROC replacement, ProcedureHookNames names, void* owner)
    : replacement_(replacement), names_(names), owner_(owner) {
  if (!window || !IsWindow(window)) return;
  window_ = window;
  previous_ = CurrentProcedure(window);
  // The properties come first: the new procedure may see a message as soon
  // as it is installed.
  SetPropW(window, names_.previous, AsProperty(previous_));
  SetPropW(window, names_.owner, this);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacement_));
}

ProcedureHook::~ProcedureHook() { Restore(); }

void ProcedureHook::Restore() {
  if (!window_) return;
  HWND window = window_;
  window_ = nullptr;
  if (!IsWindow(window)) return;
  RemovePropW(window, names_.owner);
  if (CurrentProcedure(window) != replacement_) return;  // someone hooked after us: keep the chain (see header)
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropW(window, names_.previous);
}

ProcedureHook* ProcedureHook::Find(HWND window, const ProcedureHookNames& names) {
  return static_cast<ProcedureHook*>(GetPropW(window, names.owner));
}

LRESULT ProcedureHook::CallPrevious(HWND window, const ProcedureHookNames& names, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  const WNDPROC previous = AsProcedure(GetPropW(window, names.previous));
  const LRESULT result = previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                                  : DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    if (ProcedureHook* hook = Find(window, names)) hook->window_ = nullptr;
    RemovePropW(window, names.owner);
    RemovePropW(window, names.previous);
  }
  return result;
}

}  // namespace ui
