// A system-wide key, registered on one of our windows: whichever program is
// in front, pressing it posts WM_HOTKEY with this key's id to that window.
#pragma once

#include <windows.h>

namespace desktop {

class HotKey {
 public:
  HotKey() = default;
  HotKey(const HotKey&) = delete;
  HotKey& operator=(const HotKey&) = delete;
  ~HotKey() { Unregister(); }

  // The window that receives the key, and the id WM_HOTKEY carries.
  void Attach(HWND window, int id);
  // Takes the key (RegisterHotKey's modifiers and virtual-key code) in place
  // of the one held before. False when another program holds it; the old
  // key is let go either way.
  bool Register(UINT modifiers, UINT virtualKey);
  void Unregister();
  bool IsRegistered() const { return registered_; }
  bool Holds(UINT modifiers, UINT virtualKey) const {
    return registered_ && modifiers == modifiers_ && virtualKey == virtualKey_;
  }
  int Id() const { return id_; }

 private:
  HWND window_ = nullptr;
  int id_ = 0;
  bool registered_ = false;
  UINT modifiers_ = 0;
  UINT virtualKey_ = 0;
};

}  // namespace desktop
