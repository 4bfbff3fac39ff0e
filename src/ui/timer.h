// A window-message timer. Enabling a timer that already runs keeps its
// running interval: it is not restarted.
#pragma once

#include <windows.h>

namespace ui {

class Timer {
 public:
  Timer() = default;
  ~Timer() { SetEnabled(false); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // The owner receives WM_TIMER with wParam == id.
  void Attach(HWND owner, UINT_PTR id, UINT intervalMs) {
    owner_ = owner;
    id_ = id;
    interval_ = intervalMs;
  }
  void SetEnabled(bool enabled) {
    if (enabled == enabled_ || !owner_) return;
    enabled_ = enabled && SetTimer(owner_, id_, interval_, nullptr) != 0;
    if (!enabled && IsWindow(owner_)) KillTimer(owner_, id_);
  }
  // A running timer starts its count again with the new interval.
  void SetInterval(UINT intervalMs) {
    interval_ = intervalMs;
    if (enabled_) SetTimer(owner_, id_, interval_, nullptr);
  }
  bool Enabled() const { return enabled_; }
  UINT_PTR Id() const { return id_; }

 private:
  HWND owner_ = nullptr;
  UINT_PTR id_ = 0;
  UINT interval_ = 0;
  bool enabled_ = false;
};

}  // namespace ui
