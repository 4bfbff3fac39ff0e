// A window-message timer. Enabling a timer that already runs keeps its
// running interval: it is not restarted. The system may refuse a timer (it
// has a limit per session); SetEnabled says so, and the owner decides how to
// do without, or starts it with StartEvenIfRefused.
#pragma once

#include <windows.h>

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
    if (!enabled) posting_ = false;
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
  // For an owner that must never wait for good (a step that ends a modal
  // window or the start-up): when the system refuses the timer, the ticks
  // come as WM_TIMER messages posted to the owner instead, each next one
  // posted by Ticked().
  void StartEvenIfRefused() {
    posting_ = !SetEnabled(true);
    Ticked();
  }
  // The owner calls this at the end of each tick it handled.
  void Ticked() const {
    if (posting_) PostMessageW(owner_, WM_TIMER, id_, 0);
  }
  // Whether ticks come, from the system or posted.
  bool Ticking() const { return enabled_ || posting_; }
  bool Enabled() const { return enabled_; }
  UINT_PTR Id() const { return id_; }

 private:
  HWND owner_ = nullptr;
  UINT_PTR id_ = 0;
  UINT interval_ = 0;
  bool enabled_ = false;
  bool posting_ = false;  // refused: the ticks are posted
};

}  // namespace ui
