#include "desktop/hot_key.h"

namespace desktop {

void HotKey::Attach(HWND window, int id) {
  Unregister();
  window_ = window;
  id_ = id;
}

bool HotKey::Register(UINT modifiers, UINT virtualKey) {
  Unregister();
  if (!window_ || virtualKey == 0) return false;
  registered_ = RegisterHotKey(window_, id_, modifiers, virtualKey) != FALSE;
  modifiers_ = modifiers;
  virtualKey_ = virtualKey;
  return registered_;
}

void HotKey::Unregister() {
  // The window may be gone already, and the key with it.
  if (registered_ && IsWindow(window_)) UnregisterHotKey(window_, id_);
  registered_ = false;
}

}  // namespace desktop
