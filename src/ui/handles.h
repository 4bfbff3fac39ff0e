// Move-only owners for Win32 handles, and scope guards for the paired calls
// (BeginPaint/EndPaint, GetDC/ReleaseDC, SelectObject). A plain handle type
// only refers to an object; one of these owns it.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

template <typename Traits>
class UniqueHandle {
 public:
  using pointer = typename Traits::pointer;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(pointer handle) noexcept : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  pointer get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  pointer release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
  void reset(pointer handle = Traits::Invalid()) noexcept {
    pointer old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) Traits::Close(old);
  }

 private:
  pointer handle_ = Traits::Invalid();
};

template <typename T, auto CloseFn>
struct NullInvalidTraits {
  using pointer = T;
  static constexpr T Invalid() noexcept { return nullptr; }
  static void Close(T handle) noexcept { CloseFn(handle); }
};

inline void CloseGdiObject(HGDIOBJ object) noexcept { DeleteObject(object); }

using unique_hwnd = UniqueHandle<NullInvalidTraits<HWND, &DestroyWindow>>;
using unique_hdc = UniqueHandle<NullInvalidTraits<HDC, &DeleteDC>>;  // memory DCs
using unique_hbitmap = UniqueHandle<NullInvalidTraits<HBITMAP, &CloseGdiObject>>;
using unique_hfont = UniqueHandle<NullInvalidTraits<HFONT, &CloseGdiObject>>;
using unique_hbrush = UniqueHandle<NullInvalidTraits<HBRUSH, &CloseGdiObject>>;
using unique_hpen = UniqueHandle<NullInvalidTraits<HPEN, &CloseGdiObject>>;
using unique_hpalette = UniqueHandle<NullInvalidTraits<HPALETTE, &CloseGdiObject>>;
using unique_hrgn = UniqueHandle<NullInvalidTraits<HRGN, &CloseGdiObject>>;
using unique_hicon = UniqueHandle<NullInvalidTraits<HICON, &DestroyIcon>>;
using unique_hmenu = UniqueHandle<NullInvalidTraits<HMENU, &DestroyMenu>>;
using unique_henhmetafile = UniqueHandle<NullInvalidTraits<HENHMETAFILE, &DeleteEnhMetaFile>>;
using unique_hkey = UniqueHandle<NullInvalidTraits<HKEY, &RegCloseKey>>;
using unique_handle = UniqueHandle<NullInvalidTraits<HANDLE, &CloseHandle>>;

struct FileHandleTraits {
  using pointer = HANDLE;
  static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};
using unique_hfile = UniqueHandle<FileHandleTraits>;

// BeginPaint/EndPaint for the length of a WM_PAINT.
class PaintGuard {
 public:
  explicit PaintGuard(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  ~PaintGuard() { EndPaint(window_, &paint_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC dc() const { return dc_; }
  const RECT& rect() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// GetDC/ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject, with the previous object put back at the end of the scope.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui
