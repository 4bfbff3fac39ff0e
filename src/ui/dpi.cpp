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
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// The design place of a child: its left and top in one property, its width
// and height in another, each pair as two 16-bit halves, which any layout
// number fits and which a property holds in 32-bit builds too.
constexpr wchar_t kDesignPlaceProperty[] = L"Kestrel.DesignPlace";
constexpr wchar_t kDesignSizeProperty[] = L"Kestrel.DesignSize";

HANDLE PackPair(int low, int high) {
  return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(
      static_cast<DWORD>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)))));
}
int LowHalf(HANDLE pair) { return static_cast<short>(LOWORD(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(pair)))); }
int HighHalf(HANDLE pair) {
  return static_cast<short>(HIWORD(static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(pair))));
}

BOOL CALLBACK ScaleToDesign(HWND child, LPARAM dpiValue) {
  HANDLE place = GetPropW(child, kDesignPlaceProperty);
  HANDLE size = GetPropW(child, kDesignSizeProperty);
  if (!place && !size) return TRUE;
  const Dpi dpi(static_cast<int>(dpiValue));
  SetWindowPos(child, nullptr, dpi.Scale(LowHalf(place)), dpi.Scale(HighHalf(place)), dpi.Scale(LowHalf(size)),
               dpi.Scale(HighHalf(size)), SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

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

RECT Dpi::FrameAround(RECT client, DWORD style, DWORD exStyle) const {
  const auto adjustForDpi =
      SystemFunction<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi_))) {
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  }
  return client;
}

void DrawDesignBitmap(HDC dc, HBITMAP bitmap, Dpi dpi, const RECT& place) {
  unique_hdc source(CreateCompatibleDC(dc));
  SelectGuard select(source.get(), bitmap);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  if (dpi.IsBase()) {
    BitBlt(dc, place.left, place.top, width, height, source.get(), 0, 0, SRCCOPY);
    return;
  }
  const RECT target = dpi.Scale(place);
  StretchModeGuard halftone(dc, HALFTONE);
  StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(), 0, 0,
             width, height, SRCCOPY);
}

void KeepDesignBounds(HWND child, int x, int y, int width, int height) {
  SetPropW(child, kDesignPlaceProperty, PackPair(x, y));
  SetPropW(child, kDesignSizeProperty, PackPair(width, height));
}

void ForgetDesignBounds(HWND child) {
  RemovePropW(child, kDesignPlaceProperty);
  RemovePropW(child, kDesignSizeProperty);
}

void ScaleDescendants(HWND parent, Dpi dpi) {
  EnumChildWindows(parent, &ScaleToDesign, static_cast<LPARAM>(dpi.Value()));
}

}  // namespace ui
