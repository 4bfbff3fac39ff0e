#include "history/capture_rules.h"

namespace history {

bool WorthOpening(const ClipboardOffer& offer) { return offer.picture || offer.text; }

CapturePlan PlanCapture(const ClipboardOffer& offer, bool opened, bool privacyMarked) {
  // Another program kept the clipboard to itself: this change is lost, and
  // nothing is counted for it.
  if (!opened) return {};
  // Content marked private (passwords) is left alone, as if capture were off.
  if (privacyMarked) return {};
  return {offer.picture, offer.text};
}

}  // namespace history
