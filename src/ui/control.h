// A standard system control (EDIT, BUTTON, msctls_progress32, ...) owned by a
// window of ours. Its notifications reach the parent as WM_COMMAND/WM_NOTIFY.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"

namespace ui {

struct ControlSpec {
  const wchar_t* className = nullptr;
  std::wstring text;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;
  int id = 0;

  // A visible child control of the class at the given place.
  static ControlSpec Child(const wchar_t* className, HWND parent, int id, int x, int y, int width, int height,
                           DWORD extraStyle = 0) {
    ControlSpec params;
    params.className = className;
    params.style = WS_CHILD | WS_VISIBLE | extraStyle;
    params.parent = parent;
    params.id = id;
    params.x = x;
    params.y = y;
    params.width = width;
    params.height = height;
    return params;
  }
};

class Control {
 public:
  Control() = default;
  virtual ~Control() = default;
  Control(Control&&) = default;
  Control& operator=(Control&&) = default;

  HWND Handle() const { return window_.get(); }
  int Id() const { return GetDlgCtrlID(window_.get()); }
  void SetEnabled(bool enabled);
  bool IsEnabled() const { return IsWindowEnabled(window_.get()) != FALSE; }
  void SetVisible(bool visible) { ShowWindow(window_.get(), visible ? SW_SHOW : SW_HIDE); }
  void SetText(const std::wstring& text);
  std::wstring Text() const;
  void SetFont(HFONT font) { SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

 protected:
  void CreateControl(const ControlSpec& params);

 private:
  unique_hwnd window_;
};

// The system's dialog font, as a stand-in for the layouts' small sans-serif.
HFONT DefaultGuiFont();
// A font by face name and character height in pixels (the system substitutes
// a face it does not have).
unique_hfont MakeFont(const wchar_t* face, int characterHeight, int weight = FW_NORMAL);

}  // namespace ui
