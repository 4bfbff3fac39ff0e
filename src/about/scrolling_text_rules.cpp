#include "about/scrolling_text_rules.h"

#include <algorithm>

namespace about {

namespace {

// numerator / denominator to the nearest integer, halves to the even
// neighbour, as floating-point rounding does by default. Integer arithmetic
// keeps the result exact for every width.
int64_t RoundedQuotient(int64_t numerator, int64_t denominator) {
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  int64_t quotient = numerator / denominator;
  int64_t remainder = numerator % denominator;
  if (remainder < 0) {
    remainder += denominator;
    --quotient;
  }
  const int64_t twice = 2 * remainder;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

// The distance covered at `step`: none at step 0, all of it at the last step.
int Travelled(int step, int steps, int distance) {
  return static_cast<int>(RoundedQuotient(static_cast<int64_t>(step) * distance, steps));
}

}  // namespace

int ClampScrollSpeed(int speedMs) { return std::clamp(speedMs, kMinScrollSpeedMs, kMaxScrollSpeedMs); }

int ScrollStepAt(int64_t elapsedMs, int speedMs, int steps, bool continuous) {
  if (elapsedMs <= 0) return 0;
  const int64_t ticks = elapsedMs / ClampScrollSpeed(speedMs);
  const int64_t perPass = std::max(steps, 1) + int64_t{1};
  if (continuous) return static_cast<int>(ticks % perPass);
  return ticks < perPass ? static_cast<int>(ticks) : 0;
}

ScrollPoint ScrollTextOrigin(ScrollDirection direction, int step, int steps, const ScrollExtent& extent) {
  steps = std::max(steps, 1);
  step = std::clamp(step, 0, steps);
  const int across = extent.textWidth + extent.controlWidth;
  const int down = extent.textHeight + extent.controlHeight;
  ScrollPoint origin{(extent.controlWidth - extent.textWidth) / 2, (extent.controlHeight - extent.textHeight) / 2};
  switch (direction) {
    case ScrollDirection::Static: break;
    case ScrollDirection::RightToLeft: origin.x = Travelled(steps - step, steps, across) - extent.textWidth; break;
    case ScrollDirection::LeftToRight: origin.x = Travelled(step, steps, across) - extent.textWidth; break;
    case ScrollDirection::BottomToTop: origin.y = Travelled(steps - step, steps, down) - extent.textHeight; break;
    case ScrollDirection::TopToBottom: origin.y = Travelled(step, steps, down) - extent.textHeight; break;
  }
  return origin;
}

int LineOffset(LineAlignment alignment, int lineWidth, int blockWidth) {
  switch (alignment) {
    case LineAlignment::Left: return 0;
    case LineAlignment::Centre: return (blockWidth - lineWidth) / 2;
    case LineAlignment::Right: return blockWidth - lineWidth;
  }
  return 0;
}

std::vector<TextLayer> TextLayers(TextStyle style, int depth) {
  depth = std::max(depth, 0);
  switch (style) {
    case TextStyle::Normal: return {{TextInk::Text, 0}};
    case TextStyle::Shadow: return {{TextInk::Shadow, depth}, {TextInk::Text, 0}};
    // Relief: light above and left of the text, dark below and right, or
    // the other way round for text pressed into the surface.
    case TextStyle::Raised: return {{TextInk::Highlight, 0}, {TextInk::Shadow, 2 * depth}, {TextInk::Text, depth}};
    case TextStyle::Lowered: return {{TextInk::Shadow, 0}, {TextInk::Highlight, 2 * depth}, {TextInk::Text, depth}};
  }
  return {{TextInk::Text, 0}};
}

int TextLayerExtent(TextStyle style, int depth) {
  int extent = 0;
  for (const TextLayer& layer : TextLayers(style, depth)) extent = std::max(extent, layer.offset);
  return extent;
}

}  // namespace about
