// Move-only owners for Win32 handles, and scope guards for the paired calls
// (BeginPaint/EndPaint, GetDC or GetWindowDC/ReleaseDC, SelectObject,
// SelectPalette, GlobalLock/GlobalUnlock, wave-out buffers). A plain handle
// type only refers to an object; one of these owns it.
#pragma once

#include <windows.h>
#include <mmsystem.h>

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
using unique_hglobal = UniqueHandle<NullInvalidTraits<HGLOBAL, &GlobalFree>>;
using unique_hmodule = UniqueHandle<NullInvalidTraits<HMODULE, &FreeLibrary>>;

// A wave-out device. Closing fails while buffers are still queued, so the
// device is reset first, which hands every buffer back.
struct WaveOutTraits {
  using pointer = HWAVEOUT;
  static constexpr HWAVEOUT Invalid() noexcept { return nullptr; }
  static void Close(HWAVEOUT device) noexcept {
    waveOutReset(device);
    waveOutClose(device);
  }
};
using unique_hwaveout = UniqueHandle<WaveOutTraits>;

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

// What a WindowDC draws on: the client area (GetDC) or the whole window,
// frame and caption included (GetWindowDC).
enum class DcArea { Client, WholeWindow };

// GetDC or GetWindowDC, and ReleaseDC, which gives back either kind.
class WindowDC {
 public:
  explicit WindowDC(HWND window, DcArea area = DcArea::Client)
      : window_(window), dc_(area == DcArea::WholeWindow ? GetWindowDC(window) : GetDC(window)) {}
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

// SelectPalette and RealizePalette, with the previous palette put back at the
// end of the scope. A null palette selects nothing.
class PaletteGuard {
 public:
  PaletteGuard(HDC dc, HPALETTE palette) : dc_(dc), previous_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
    if (palette) RealizePalette(dc);
  }
  ~PaletteGuard() {
    if (previous_) SelectPalette(dc_, previous_, FALSE);
  }
  PaletteGuard(const PaletteGuard&) = delete;
  PaletteGuard& operator=(const PaletteGuard&) = delete;

 private:
  HDC dc_;
  HPALETTE previous_;
};

// SetStretchBltMode, with the previous mode put back at the end of the scope.
class StretchModeGuard {
 public:
  StretchModeGuard(HDC dc, int mode) : dc_(dc), previous_(SetStretchBltMode(dc, mode)) {}
  ~StretchModeGuard() {
    if (previous_) SetStretchBltMode(dc_, previous_);
  }
  StretchModeGuard(const StretchModeGuard&) = delete;
  StretchModeGuard& operator=(const StretchModeGuard&) = delete;

 private:
  HDC dc_;
  int previous_;
};

// GlobalLock/GlobalUnlock: the bytes of a memory block, seen as T, for the
// length of a scope. False when the block is missing or cannot be locked.
template <typename T = BYTE>
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory)
      : memory_(memory),
        data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr),
        size_(data_ ? GlobalSize(memory) : 0) {}
  ~GlobalLockGuard() {
    if (data_) GlobalUnlock(memory_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

  explicit operator bool() const { return data_ != nullptr; }
  T* get() const { return data_; }
  T* operator->() const { return data_; }
  // The block's size in bytes (it may be larger than was asked for).
  SIZE_T size() const { return size_; }
  // How many whole T the block holds.
  SIZE_T count() const { return size_ / sizeof(T); }

 private:
  HGLOBAL memory_;
  T* data_;
  SIZE_T size_;
};

// GetIconInfo hands out its own copies of an icon's mask and colour bitmaps;
// this owns them.
class IconInfo {
 public:
  explicit IconInfo(HICON icon) {
    ICONINFO info{};
    valid_ = icon && GetIconInfo(icon, &info);
    if (!valid_) return;
    mask_.reset(info.hbmMask);
    colour_.reset(info.hbmColor);
  }
  explicit operator bool() const { return valid_; }
  HBITMAP Mask() const { return mask_.get(); }
  // Null for a monochrome icon, whose mask holds the image below the mask.
  HBITMAP Colour() const { return colour_.get(); }

 private:
  bool valid_ = false;
  unique_hbitmap mask_;
  unique_hbitmap colour_;
};

// A wave-out buffer header, prepared on a device for as long as this lives.
// The device is reset before the header is unprepared: a buffer still
// playing cannot be.
class PreparedWaveHeader {
 public:
  PreparedWaveHeader(HWAVEOUT device, const WAVEHDR& header) : device_(device), header_(header) {
    prepared_ = waveOutPrepareHeader(device_, &header_, sizeof(header_)) == MMSYSERR_NOERROR;
  }
  ~PreparedWaveHeader() {
    if (!prepared_) return;
    waveOutReset(device_);
    waveOutUnprepareHeader(device_, &header_, sizeof(header_));
  }
  PreparedWaveHeader(const PreparedWaveHeader&) = delete;
  PreparedWaveHeader& operator=(const PreparedWaveHeader&) = delete;

  bool Prepared() const { return prepared_; }
  WAVEHDR* get() { return &header_; }

 private:
  HWAVEOUT device_;
  WAVEHDR header_;
  bool prepared_ = false;
};

}  // namespace ui
