#include "e2e/clipboard_writer.h"

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace e2e {

namespace {

constexpr wchar_t kWriterClass[] = L"KestrelTestClipboardWriter";
// The program opens the clipboard for a moment on every change; a write
// that finds it busy tries again for this long.
constexpr std::chrono::milliseconds kOpenDeadline{5000};
constexpr DWORD kOpenRetryMs = 5;
constexpr WORD kPictureBits = 24;
constexpr int kBytesPerPixel = 3;
constexpr int kRowAlignment = 4;
// Mixes the seed into the pattern so consecutive pictures differ everywhere.
constexpr uint32_t kSeedMultiplier = 2654435761u;
// Shifts the pattern from row to row, so the picture is not made of stripes.
constexpr size_t kRowShift = 3;

HWND CreateOwnerWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWriterClass;
  // A second writer finds the class registered already, which is fine.
  RegisterClassExW(&windowClass);
  // Hidden and never shown: it only has to own the clipboard content.
  return CreateWindowExW(0, kWriterClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

bool OpenWithRetry(HWND owner) {
  const auto deadline = std::chrono::steady_clock::now() + kOpenDeadline;
  while (!OpenClipboard(owner)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(kOpenRetryMs);
  }
  return true;
}

BITMAPINFO PictureInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = kPictureBits;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

size_t Stride(int width) {
  return (static_cast<size_t>(width) * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
}

void FillPattern(uint8_t* pixels, int width, int height, uint32_t seed) {
  const size_t stride = Stride(width);
  const uint32_t mix = seed * kSeedMultiplier;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = pixels + stride * static_cast<size_t>(y);
    for (size_t i = 0; i < stride; ++i) row[i] = static_cast<uint8_t>(i + static_cast<size_t>(y) * kRowShift + mix);
  }
}

int64_t PerformanceCounter() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

ui::unique_hglobal TextBlock(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  ui::unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return memory;
  const ui::GlobalLockGuard<> target(memory.get());
  if (!target) return ui::unique_hglobal();
  std::memcpy(target.get(), text.c_str(), bytes);
  return memory;
}

ui::unique_hbitmap DeviceBitmap(int width, int height, uint32_t seed) {
  const BITMAPINFO info = PictureInfo(width, height);
  void* bits = nullptr;
  ui::unique_hbitmap drawing(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!drawing || !bits) return ui::unique_hbitmap();
  FillPattern(static_cast<uint8_t*>(bits), width, height, seed);
  GdiFlush();
  // The clipboard gets a device bitmap, not the DIB section: Wine cannot
  // hand a DIB section over to another process, which then reads nothing.
  ui::WindowDC screen(nullptr);
  return ui::unique_hbitmap(CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS));
}

}  // namespace

ClipboardWriter::ClipboardWriter() : window_(CreateOwnerWindow()) {
  if (!window_) throw std::runtime_error("cannot create the clipboard writer's window");
}

bool ClipboardWriter::Replace(const std::function<bool()>& put) {
  if (!OpenWithRetry(window_.get())) return false;
  const bool written = EmptyClipboard() && put();
  CloseClipboard();
  if (written) lastClosedAt_ = PerformanceCounter();
  return written;
}

bool ClipboardWriter::Empty() {
  return Replace([] { return true; });
}

bool ClipboardWriter::WriteText(const std::wstring& text) {
  ui::unique_hglobal memory = TextBlock(text);
  if (!memory) return false;
  return Replace([&memory] {
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    return true;
  });
}

bool ClipboardWriter::Promise(std::initializer_list<UINT> formats) {
  return Replace([formats] {
    for (const UINT format : formats) {
      // A null handle promises the format; SetClipboardData answers null then too.
      SetClipboardData(format, nullptr);
      if (!IsClipboardFormatAvailable(format)) return false;
    }
    return true;
  });
}

bool ClipboardWriter::WriteBitmap(int width, int height, uint32_t seed) {
  ui::unique_hbitmap bitmap = DeviceBitmap(width, height, seed);
  if (!bitmap) return false;
  return Replace([&bitmap] {
    if (!SetClipboardData(CF_BITMAP, bitmap.get())) return false;
    bitmap.release();  // the clipboard owns it now
    return true;
  });
}

bool ClipboardWriter::WriteTextAndBitmap(const std::wstring& text, int width, int height, uint32_t seed) {
  ui::unique_hglobal memory = TextBlock(text);
  ui::unique_hbitmap bitmap = DeviceBitmap(width, height, seed);
  if (!memory || !bitmap) return false;
  return Replace([&memory, &bitmap] {
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    if (!SetClipboardData(CF_BITMAP, bitmap.get())) return false;
    bitmap.release();
    return true;
  });
}

bool ClipboardWriter::WriteDib(int width, int height, uint32_t seed) {
  const BITMAPINFO info = PictureInfo(width, height);
  const size_t pixelBytes = Stride(width) * static_cast<size_t>(height);
  ui::unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, sizeof(info.bmiHeader) + pixelBytes));
  if (!memory) return false;
  {
    const ui::GlobalLockGuard<uint8_t> packed(memory.get());
    if (!packed) return false;
    std::memcpy(packed.get(), &info.bmiHeader, sizeof(info.bmiHeader));
    FillPattern(packed.get() + sizeof(info.bmiHeader), width, height, seed);
  }
  return Replace([&memory] {
    if (!SetClipboardData(CF_DIB, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    return true;
  });
}

bool ClipboardWriter::WritePackedDib(const void* block, size_t size) {
  ui::unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return false;
  {
    const ui::GlobalLockGuard<> target(memory.get());
    if (!target) return false;
    std::memcpy(target.get(), block, size);
  }
  return Replace([&memory] {
    if (!SetClipboardData(CF_DIB, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    return true;
  });
}

}  // namespace e2e
