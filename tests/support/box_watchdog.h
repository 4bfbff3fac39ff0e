// Keeps a test program from waiting on a box nobody will answer. A message
// box, file dialog or other system dialog that a process shows while no test
// step expects one is reported to the running test with its text, then
// answered with its most cautious button (Cancel, No, then OK), so that the
// test goes on and ends within seconds instead of at its time limit.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace test {

// "caption: text" of a dialog box, its text read from its static controls;
// safe to ask of a window of another thread or process.
std::wstring DescribeBox(HWND box);

// Ends a dialog box the way its most cautious button would.
void DismissBox(HWND box);

class BoxWatchdog {
 public:
  // Called on the watchdog's thread with the description of each
  // unexpected box, while the box is still open.
  using Report = std::function<void(const std::wstring& description)>;

  // Watches the dialog boxes of the process; by default each one fails the
  // running test (ADD_FAILURE) with its text.
  explicit BoxWatchdog(DWORD processId, Report report = nullptr);
  ~BoxWatchdog();
  BoxWatchdog(const BoxWatchdog&) = delete;
  BoxWatchdog& operator=(const BoxWatchdog&) = delete;

  // While one lives, the process's boxes belong to the test step, which
  // answers them itself.
  class Expecting {
   public:
    explicit Expecting(BoxWatchdog& watchdog) : watchdog_(watchdog) { ++watchdog_.expecting_; }
    ~Expecting() { --watchdog_.expecting_; }
    Expecting(const Expecting&) = delete;
    Expecting& operator=(const Expecting&) = delete;

   private:
    BoxWatchdog& watchdog_;
  };

 private:
  void Watch();

  const DWORD processId_;
  const Report report_;
  std::atomic<int> expecting_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace test
