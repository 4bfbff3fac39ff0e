// What one clipboard change captures: a picture into the next image cell, a
// text into the next text cell, both, or nothing.
#pragma once

#include <cstdint>
#include <optional>

#include "core/clipboard_formats.h"

namespace history {

// A change offers a picture when a bitmap can be had, listed or made by the
// system from a DIB, or a PNG (core::kPngFormatName); and a text when text can be had.
inline constexpr core::ClipboardFormat kPictureOfferFormat = core::kBitmapFormat;
inline constexpr core::ClipboardFormat kTextOfferFormat = core::kTextFormat;

struct ClipboardOffer {
  bool bitmap = false;
  bool text = false;
  bool png = false;
};

struct CapturePlan {
  bool image = false;
  bool text = false;

  friend bool operator==(const CapturePlan&, const CapturePlan&) = default;
};

// Whether the change is worth opening the clipboard for.
bool WorthOpening(const ClipboardOffer& offer);

// What to capture from the open clipboard: `privacyMarked` tells whether the
// content carries a marker that asks history tools to leave it alone. (A
// clipboard another program holds is retried: see CaptureTracker.)
CapturePlan PlanCapture(const ClipboardOffer& offer, bool privacyMarked);

// A change whose clipboard another program holds is tried again later, first
// after kFirstRetryDelayMs, each wait twice the one before, all of them
// together never more than kRetryBudgetMs.
inline constexpr unsigned kFirstRetryDelayMs = 50;
inline constexpr unsigned kRetryBudgetMs = 2000;

// Which clipboard changes still have to be read, told by the clipboard's
// sequence number. Notifications come late, folded or not at all, so they
// only say "look again": a change is read once, when its number is new, and
// a busy clipboard is looked at again on a bounded schedule.
class CaptureTracker {
 public:
  // The number a clipboard without a known sequence number gives.
  static constexpr std::uint32_t kUnknownSequence = 0;

  // Whether the clipboard, now at `sequence`, holds a change not yet read.
  // Without a known number every notice is taken as a change.
  bool IsNew(std::uint32_t sequence) const {
    return sequence == kUnknownSequence || !handled_ || *handled_ != sequence;
  }
  // Whether the clipboard changed without a notice we acted on: a known
  // number we have not read, and no retry that will read it anyway.
  bool MissedChange(std::uint32_t sequence) const {
    return sequence != kUnknownSequence && IsNew(sequence) && !Retrying();
  }
  // The change at `sequence` was read (captured, or found to hold nothing
  // to keep): it is never read again, and any retry is over.
  void Handled(std::uint32_t sequence);
  // Another program held the clipboard when we wanted the change at
  // `sequence`. Returns how long to wait before the next try; a newer change
  // than the one retried starts the schedule afresh. Nothing once the
  // schedule is used up: the change is lost and counts as handled.
  std::optional<unsigned> Busy(std::uint32_t sequence);
  // Whether a retry is waiting for its turn.
  bool Retrying() const { return busy_.has_value(); }

 private:
  std::optional<std::uint32_t> handled_;
  std::optional<std::uint32_t> busy_;
  unsigned waitedMs_ = 0;
  unsigned nextDelayMs_ = kFirstRetryDelayMs;
};

}  // namespace history
