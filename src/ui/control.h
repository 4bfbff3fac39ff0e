// A standard system control (EDIT, BUTTON, msctls_progress32, ...) owned by a
// window of ours. Its notifications reach the parent as WM_COMMAND/WM_NOTIFY.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"
#include "ui/window.h"

namespace ui {

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
  // A system control from the same creation parameters our own windows use.
  void CreateControl(const WindowParams& params);

 private:
  unique_hwnd window_;
};

// The system's dialog font, as a stand-in for the layouts' small sans-serif.
HFONT DefaultGuiFont();
// A font by face name and character height in pixels (the system substitutes
// a face it does not have).
unique_hfont MakeFont(const wchar_t* face, int characterHeight, int weight = FW_NORMAL);

}  // namespace ui
