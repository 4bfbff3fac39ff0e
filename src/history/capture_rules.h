// What one clipboard change captures: a picture into the next image cell, a
// text into the next text cell, both, or nothing.
#pragma once

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

// What to capture once the clipboard was asked for: `opened` tells whether
// we got it, `privacyMarked` whether the content carries a marker that asks
// history tools to leave it alone.
CapturePlan PlanCapture(const ClipboardOffer& offer, bool opened, bool privacyMarked);

}  // namespace history
