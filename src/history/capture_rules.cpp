#include "history/capture_rules.h"

namespace history {

namespace {

bool OffersPicture(const ClipboardOffer& offer) { return offer.bitmap || offer.png; }

}  // namespace

bool WorthOpening(const ClipboardOffer& offer) { return OffersPicture(offer) || offer.text; }

CapturePlan PlanCapture(const ClipboardOffer& offer, bool opened, bool privacyMarked) {
  // Another program kept the clipboard to itself: this change is lost, and
  // nothing is counted for it.
  if (!opened) return {};
  // Content marked private (passwords) is left alone, as if capture were off.
  if (privacyMarked) return {};
  return {OffersPicture(offer), offer.text};
}

}  // namespace history
