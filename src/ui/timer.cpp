#include "ui/timer.h"

namespace ui {

namespace {

// The one switch of the test seam; the program never sets it.
bool& Refused() {
  static bool refused = false;
  return refused;
}

}  // namespace

void SetTimersRefusedForTesting(bool refused) { Refused() = refused; }

bool TimersRefusedForTesting() { return Refused(); }

}  // namespace ui
