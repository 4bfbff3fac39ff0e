#include "app/startup_progress.h"

namespace app {

static_assert(kShowMainWindowPosition % kStartupStep == 0 && kStartupEndPosition % kStartupStep == 0 &&
                  kShowMainWindowPosition < kStartupEndPosition,
              "both positions must be reached exactly, the showing first");

StartupAction StartupProgress::Tick() {
  if (finished_) return StartupAction::None;
  position_ = static_cast<std::uint16_t>(position_ + kStartupStep);
  // The end is tested first; the two positions differ, so one tick can
  // never ask for both.
  if (position_ == kStartupEndPosition) {
    finished_ = true;
    return StartupAction::FinishStartup;
  }
  if (position_ == kShowMainWindowPosition) return StartupAction::ShowAndHideMainWindow;
  return StartupAction::None;
}

}  // namespace app
