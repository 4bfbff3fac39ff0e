// A standard system control (EDIT, BUTTON, msctls_progress32, ...) owned by a
// window of ours. Its notifications reach the parent as WM_COMMAND/WM_NOTIFY.
//
// The system asks a control's parent how the control is to look
// (WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*). A parent that is a ui::Window
// hands each such question back to the control's object, which answers it
// from its own state; no form has to know which of its children draws how.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace ui {

class Control {
 public:
  Control() = default;
  virtual ~Control();
  // The window leads back to this object, so the object stays where it is.
  Control(Control&&) = delete;
  Control& operator=(Control&&) = delete;

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

  // The questions the parent reflects back. A control that does not answer
  // (false, or a null brush) gets the system's default answer. WM_MEASUREITEM
  // sent while the control is still being created cannot reach the object:
  // the window leads to it only once CreateControl has it.
  virtual bool OnReflectedDrawItem(const DRAWITEMSTRUCT& item) { return false; }
  virtual bool OnReflectedMeasureItem(MEASUREITEMSTRUCT& item) { return false; }
  // The brush to paint the control's background with, after setting the
  // colours of `dc`; `message` tells which WM_CTLCOLOR* asks.
  virtual HBRUSH OnReflectedCtlColor(UINT message, HDC dc) { return nullptr; }
  // A notification the control sends its parent through WM_COMMAND; true
  // when the control dealt with it, so the parent does not see it.
  virtual bool OnReflectedCommand(int code) { return false; }

 private:
  // The parent's side of the reflection (Window::ReflectToChild).
  friend class Window;
  // The object of a control made by CreateControl; null for any other window.
  static Control* FromHandle(HWND window);

  unique_hwnd window_;
};

// The system's dialog font, as a stand-in for the layouts' small sans-serif,
// at the DPI of `window`; its form keeps it.
HFONT DefaultGuiFont(HWND window);
// A font by face name and character height in 96 DPI pixels, for a window
// at `dpi` (the system substitutes a face it does not have).
unique_hfont MakeFont(Dpi dpi, const wchar_t* face, int characterHeight, int weight = FW_NORMAL);

}  // namespace ui
