// A window-message timer. Enabling a timer that already runs keeps its
// running interval: it is not restarted. The system may refuse a timer (it
// has a limit per session); SetEnabled says so, and the owner decides how to
// do without.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// Test seam: while set, every timer is refused as the system would refuse it.
void SetTimersRefusedForTesting(bool refused);
bool TimersRefusedForTesting();

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
  // Returns whether the timer runs now.
  bool SetEnabled(bool enabled) {
    if (enabled == enabled_ || !owner_) return enabled_;
    enabled_ = enabled && !TimersRefusedForTesting() && SetTimer(owner_, id_, interval_, nullptr) != 0;
    if (!enabled && IsWindow(owner_)) KillTimer(owner_, id_);
    return enabled_;
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
