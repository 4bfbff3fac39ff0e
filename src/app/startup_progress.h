#pragma once

#include <cstdint>

namespace app {

/// Progress bar gain per start-up tick.
constexpr int kStartupStep = 5;
/// Position at which the main window is shown and hidden once (20th tick),
/// which gives its controls their windows and starts the capture.
constexpr int kShowMainWindowPosition = 100;
/// Position that ends the start-up (30th tick); also the bar's maximum.
constexpr int kStartupEndPosition = 150;

/// What the start-up window has to do after a tick.
enum class StartupAction {
  None,
  ShowAndHideMainWindow,
  FinishStartup,  ///< hide the start-up window and stop its timer
};

/// The start-up window's progress: advances on each timer tick and says when
/// the main window gets its first showing and when the start-up is over.
class StartupProgress {
 public:
  /// Advances the position by kStartupStep and returns the action due at
  /// the new position; at most one action per tick. Once the start-up has
  /// finished, further ticks change nothing and return None, so a tick
  /// already queued when the timer is stopped is harmless.
  StartupAction Tick();

  /// Current progress bar position (0..kStartupEndPosition).
  int Position() const { return position_; }
  /// Whether FinishStartup has been returned.
  bool IsFinished() const { return finished_; }

 private:
  // Mirrors the progress bar, a 16-bit position.
  std::uint16_t position_ = 0;
  bool finished_ = false;
};

}  // namespace app
