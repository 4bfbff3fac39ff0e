// Writes the clipboard from this process, as any other program would. The
// writer's hidden window owns what it wrote; under Wine a reader waits on
// the owner, so after a write keep pumping messages (WaitUntil, PumpFor)
// while the program reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "ui/handles.h"

namespace e2e {

class ClipboardWriter {
 public:
  ClipboardWriter();
  ClipboardWriter(const ClipboardWriter&) = delete;
  ClipboardWriter& operator=(const ClipboardWriter&) = delete;

  HWND Handle() const { return window_.get(); }

  // Leaves the clipboard empty.
  bool Empty();
  // Puts a Unicode text on the clipboard (the system offers it as CF_TEXT too).
  bool WriteText(const std::wstring& text);
  // Puts a picture of the given size on the clipboard as a device bitmap
  // (CF_BITMAP), as screen-capture programs do. Its pixels are a pattern
  // drawn from seed, so pictures of different seeds differ.
  bool WriteBitmap(int width, int height, uint32_t seed);
  // Puts the same picture on the clipboard only as a packed 24-bit
  // device-independent bitmap (CF_DIB), as many other programs do; the
  // system offers it as CF_BITMAP by converting it.
  bool WriteDib(int width, int height, uint32_t seed);
  // Puts a text and a device bitmap (as WriteText and WriteBitmap) on the
  // clipboard in one write, as programs that copy a selection with its
  // picture do.
  bool WriteTextAndBitmap(const std::wstring& text, int width, int height, uint32_t seed);
  // Puts a packed DIB (header, colour table, pixels) that the caller drew
  // on the clipboard as CF_DIB.
  bool WritePackedDib(const void* block, size_t size);

  // Offers the formats to be rendered only when a reader asks for them
  // (WM_RENDERFORMAT to this writer's window), as programs with large
  // content do.
  bool Promise(std::initializer_list<UINT> formats);

  // QueryPerformanceCounter taken right after the last successful write
  // closed the clipboard: the moment every viewer is told of the change.
  int64_t LastClosedAt() const { return lastClosedAt_; }

 private:
  // Opens the clipboard (waiting while another program holds it), empties
  // it, lets put hand over the data, and closes it again.
  bool Replace(const std::function<bool()>& put);

  ui::unique_hwnd window_;
  int64_t lastClosedAt_ = 0;
};

}  // namespace e2e
