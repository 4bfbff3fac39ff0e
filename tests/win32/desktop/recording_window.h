// A hidden top-level test window that remembers every message it handles.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/window.h"

namespace test {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecordingWindow : public ui::Window {
 public:
  explicit RecordingWindow(const std::wstring& caption = L"", DWORD style = WS_POPUP) {
    ui::WindowParams params;
    params.className = L"KestrelTestRecordingWindow";
    params.caption = caption;
    params.style = style;
    params.width = 120;
    params.height = 80;
    CreateFromParams(params);
  }

  int Count(UINT message) const {
    int count = 0;
    for (const Received& r : received) count += r.message == message ? 1 : 0;
    return count;
  }

  std::vector<Received> received;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    received.push_back({message, wParam, lParam});
    return DefaultHandling(message, wParam, lParam);
  }
};

// A unique window title / object name for this test process.
inline std::wstring UniqueTitle(const wchar_t* stem) {
  return std::wstring(L"KestrelTest") + stem + std::to_wstring(GetCurrentProcessId());
}

}  // namespace test
