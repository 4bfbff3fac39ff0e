// Helpers for the in-process clipboard tests: a window that writes the
// clipboard, a recorder for message boxes, a clipboard-viewer chain member
// of the plain kind other programs put in the chain, and a message pump
// with a deadline.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/message_box.h"
#include "picture/picture.h"
#include "ui/window.h"

namespace test {

// Long enough for a loaded machine; a passing test never waits this long.
constexpr DWORD kDeadlineMs = 10000;
// Pause between two rounds of the pump: lets other threads and the timers run.
constexpr DWORD kPumpPauseMs = 5;

// Handles messages until done() holds or the deadline passes; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs = kDeadlineMs) {
  const ULONGLONG end = GetTickCount64() + deadlineMs;
  for (;;) {
    ui::Application::ProcessMessages();
    if (done()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(kPumpPauseMs);
  }
}

// Handles messages for a while, for the cases where nothing is to happen.
inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

using ui::unique_hglobal;

inline unique_hglobal GlobalCopy(const void* data, size_t size) {
  unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size));
  if (!memory) return memory;
  const ui::GlobalLockGuard<> target(memory.get());
  if (target && size > 0) std::memcpy(target.get(), data, size);
  return memory;
}

// A device-dependent bitmap of one colour, as most programs copy pictures.
inline ui::unique_hbitmap SolidBitmap(int width, int height, COLORREF colour) {
  ui::WindowDC screen(nullptr);
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::SelectGuard select(dc.get(), bitmap.get());
  ui::unique_hbrush brush(CreateSolidBrush(colour));
  const RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, brush.get());
  return bitmap;
}

// An enhanced metafile that fills its frame with one colour.
inline ui::unique_henhmetafile SolidMetafile(COLORREF colour) {
  constexpr int kSidePixels = 16;
  HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  ui::unique_hbrush brush(CreateSolidBrush(colour));
  const RECT all{0, 0, kSidePixels, kSidePixels};
  FillRect(recorder, &all, brush.get());
  return ui::unique_henhmetafile(CloseEnhMetaFile(recorder));
}

// The colour at the centre of a picture drawn at its own size.
inline COLORREF CentreColour(const picture::Picture& picture) {
  constexpr int kSide = 16;
  ui::WindowDC screen(nullptr);
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  ui::unique_hbitmap canvas(CreateCompatibleBitmap(screen.get(), kSide, kSide));
  ui::SelectGuard select(dc.get(), canvas.get());
  const RECT all{0, 0, kSide, kSide};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  picture.Draw(dc.get(), all);
  return GetPixel(dc.get(), kSide / 2, kSide / 2);
}

// The hidden window the tests write the clipboard with. It owns what it
// writes, and renders nothing when asked for a delayed format: the case of a
// program that promised data and then did not deliver it.
class ClipboardWriter : public ui::Window {
 public:
  ClipboardWriter() {
    ui::WindowParams params;
    params.className = L"KestrelTestClipboardWriter";
    params.style = WS_POPUP;
    CreateFromParams(params);
  }
  int renderRequests = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_RENDERFORMAT) {
      ++renderRequests;
      return 0;
    }
    return DefaultHandling(message, wParam, lParam);
  }
};

// One clipboard write: opened and emptied on construction, closed (which
// tells the viewers) on destruction.
class ClipboardWrite {
 public:
  explicit ClipboardWrite(HWND owner) {
    // Wine's clipboard can stay busy for a while on a loaded machine; a
    // write that gives up early fails the test for no fault of ours.
    constexpr ULONGLONG kOpenDeadlineMs = 5000;
    const ULONGLONG end = GetTickCount64() + kOpenDeadlineMs;
    for (;;) {
      open_ = OpenClipboard(owner) != FALSE;
      if (open_ || GetTickCount64() >= end) break;
      Sleep(kPumpPauseMs);
    }
    if (open_) EmptyClipboard();
  }
  ~ClipboardWrite() {
    if (open_) CloseClipboard();
  }
  ClipboardWrite(const ClipboardWrite&) = delete;
  ClipboardWrite& operator=(const ClipboardWrite&) = delete;

  bool IsOpen() const { return open_; }

  // Each Put returns whether the clipboard took the data.
  bool Text(const std::wstring& text) {
    return Memory(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  }
  bool Dword(UINT format, DWORD value) { return Memory(format, &value, sizeof(value)); }
  bool Dword(const wchar_t* formatName, DWORD value) { return Dword(RegisterClipboardFormatW(formatName), value); }
  bool Memory(UINT format, const void* data, size_t size) {
    unique_hglobal memory = GlobalCopy(data, size);
    return memory && Take(memory, SetClipboardData(format, memory.get()));
  }
  bool Bitmap(ui::unique_hbitmap bitmap) { return Take(bitmap, SetClipboardData(CF_BITMAP, bitmap.get())); }
  bool Metafile(ui::unique_henhmetafile metafile) {
    return Take(metafile, SetClipboardData(CF_ENHMETAFILE, metafile.get()));
  }
  // Promises a format that the owner renders only when it is asked for.
  bool Delayed(UINT format) {
    SetClipboardData(format, nullptr);
    return IsClipboardFormatAvailable(format) != FALSE;
  }

 private:
  // On success the clipboard owns the data.
  template <typename Owner>
  static bool Take(Owner& owner, HANDLE result) {
    if (!result) return false;
    owner.release();
    return true;
  }

  bool open_ = false;
};

// Takes every message box while it lives, answers it with a chosen button,
// and remembers what was shown.
class MessageBoxRecorder {
 public:
  struct Box {
    std::wstring caption;
    std::wstring text;
    UINT type;
  };

  explicit MessageBoxRecorder(int answer = IDOK) : answer_(answer) {
    ui::SetMessageBoxSinkForTesting([this](const std::wstring& caption, const std::wstring& text, UINT type) {
      boxes.push_back({caption, text, type});
      return answer_;
    });
  }
  ~MessageBoxRecorder() { ui::SetMessageBoxSinkForTesting(nullptr); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void SetAnswer(int answer) { answer_ = answer; }

  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
  }

  std::vector<Box> boxes;

 private:
  int answer_;
};

// A clipboard viewer written the way the platform asks every viewer to be:
// it passes notifications on and repairs the chain when a member leaves.
// Each notification is added to a shared log under the member's name, so a
// test can see the order in which the chain was walked.
class ChainMember : public ui::Window {
 public:
  ChainMember(std::vector<std::wstring>& log, std::wstring name) : log_(log), name_(std::move(name)) {
    ui::WindowParams params;
    params.className = L"KestrelTestChainMember";
    params.caption = name_;
    params.style = WS_POPUP;
    CreateFromParams(params);
  }

  void Join() {
    joined_ = true;
    next_ = SetClipboardViewer(Handle());
  }
  void Leave() {
    if (!joined_) return;
    joined_ = false;
    ChangeClipboardChain(Handle(), next_);
    next_ = nullptr;
  }
  HWND Next() const { return next_; }

  int draws = 0;
  // (window leaving, window after it) of every WM_CHANGECBCHAIN received.
  std::vector<std::pair<HWND, HWND>> chainChanges;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_DRAWCLIPBOARD:
        ++draws;
        log_.push_back(name_);
        if (next_) SendMessageW(next_, message, wParam, lParam);
        return 0;
      case WM_CHANGECBCHAIN: {
        const HWND leaving = reinterpret_cast<HWND>(wParam);
        chainChanges.emplace_back(leaving, reinterpret_cast<HWND>(lParam));
        if (leaving == next_) {
          next_ = reinterpret_cast<HWND>(lParam);
        } else if (next_) {
          SendMessageW(next_, message, wParam, lParam);
        }
        return 0;
      }
      case WM_DESTROY: Leave(); return 0;
      default: return DefaultHandling(message, wParam, lParam);
    }
  }

 private:
  std::vector<std::wstring>& log_;
  std::wstring name_;
  HWND next_ = nullptr;
  bool joined_ = false;
};

}  // namespace test
