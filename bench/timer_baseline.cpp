// The yardstick of the idle benchmark: a hidden window with a 1 ms timer
// whose ticks do nothing. This is what a program that polls on a 1 ms timer
// costs while it has nothing to do, measured in the same run as Kestrel99.
//
// It runs until its window is closed. Sending it kTickCountQuery returns the
// number of WM_TIMER messages it has received so far, so the benchmark can
// count its wake-ups over exactly the measured period.
#include <windows.h>

#include "timer_baseline.h"
#include "ui/handles.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
// As fast as the platform delivers timer messages.
constexpr UINT kTimerIntervalMs = 1;

// What the window knows; it lives on WinMain's stack for the whole run.
struct BaselineState {
  LRESULT ticks = 0;
};

LRESULT CALLBACK BaselineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* state = reinterpret_cast<BaselineState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      if (state) ++state->ticks;
      return 0;
    case bench::kTickCountQuery: return state ? state->ticks : 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: SetWindowLongPtrW(window, GWLP_USERDATA, 0); break;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &BaselineProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = bench::kTimerBaselineClass;
  if (!RegisterClassExW(&windowClass)) return 1;

  BaselineState state;
  // A hidden top-level window, like Kestrel99's hidden main window.
  ui::unique_hwnd window(CreateWindowExW(WS_EX_TOOLWINDOW, bench::kTimerBaselineClass, L"", WS_POPUP, 0, 0, 0, 0,
                                         nullptr, nullptr, instance, &state));
  if (!window || !SetTimer(window.get(), kTimerId, kTimerIntervalMs, nullptr)) return 1;

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // WM_CLOSE destroyed the window already.
  window.release();
  return 0;
}
