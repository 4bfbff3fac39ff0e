#include "ui/dpi.h"

#include "ui/handles.h"

namespace ui {

namespace {

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
  HMODULE library = GetModuleHandleW(module);
  if (!library) library = LoadLibraryW(module);
  return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

}  // namespace

Dpi Dpi::System() {
  WindowDC screen(nullptr);
  return Dpi(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

Dpi Dpi::Of(HWND window) {
  const auto getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (window && getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(window)) return Dpi(static_cast<int>(dpi));
  }
  return System();
}

Dpi Dpi::OfMonitor(HMONITOR monitor) {
  const auto getDpiForMonitor = SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  if (monitor && getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y) {
    return Dpi(static_cast<int>(y));
  }
  return System();
}

int Dpi::Metric(int index) const {
  const auto getSystemMetricsForDpi =
      SystemFunction<GetSystemMetricsForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi) return getSystemMetricsForDpi(index, static_cast<UINT>(dpi_));
  return MulDiv(GetSystemMetrics(index), dpi_, System().Value());
}

}  // namespace ui
