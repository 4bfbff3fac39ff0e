#include "history/capture_rules.h"

#include <algorithm>

namespace history {

namespace {

bool OffersPicture(const ClipboardOffer& offer) { return offer.bitmap || offer.png; }

}  // namespace

bool WorthOpening(const ClipboardOffer& offer) { return OffersPicture(offer) || offer.text; }

CapturePlan PlanCapture(const ClipboardOffer& offer, bool privacyMarked) {
  // Content marked private (passwords) is left alone, as if capture were off.
  if (privacyMarked) return {};
  return {OffersPicture(offer), offer.text};
}

void CaptureTracker::Handled(std::uint32_t sequence) {
  handled_ = sequence;
  busy_.reset();
}

std::optional<unsigned> CaptureTracker::Busy(std::uint32_t sequence) {
  if (busy_ != sequence) {
    busy_ = sequence;
    waitedMs_ = 0;
    nextDelayMs_ = kFirstRetryDelayMs;
  }
  // The last wait is cut short so the whole schedule keeps to its budget.
  const unsigned delay = std::min(nextDelayMs_, kRetryBudgetMs - waitedMs_);
  if (delay == 0) {
    Handled(sequence);
    return std::nullopt;
  }
  waitedMs_ += delay;
  nextDelayMs_ *= 2;
  return delay;
}

}  // namespace history
