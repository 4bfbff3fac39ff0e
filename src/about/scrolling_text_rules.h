// Where a scrolling text block stands at a given step of its pass, and which
// step a pass has reached after some time. Portable: the control that draws
// the text measures it and asks here.
#pragma once

#include <cstdint>
#include <vector>

namespace about {

enum class ScrollDirection { Static, LeftToRight, RightToLeft, TopToBottom, BottomToTop };
enum class TextStyle { Normal, Shadow, Raised, Lowered };
enum class LineAlignment { Left, Centre, Right };

// The speed is kept within these bounds, in milliseconds per step.
inline constexpr int kMinScrollSpeedMs = 1;
inline constexpr int kMaxScrollSpeedMs = 1000;

int ClampScrollSpeed(int speedMs);

// The step reached `elapsedMs` after the pass began, one step per `speedMs`.
// A pass shows the steps 0 to `steps`: the tick after the last step starts
// the next pass at 0, so a continuous pass repeats every steps + 1 ticks. A
// single pass that has ended rests at 0. Fewer than one step per pass counts
// as one, so no setting divides by zero.
int ScrollStepAt(int64_t elapsedMs, int speedMs, int steps, bool continuous);

// The sizes a position depends on: the text block (every line, including the
// offset of its shadow or relief) and the control that shows it.
struct ScrollExtent {
  int textWidth = 0;
  int textHeight = 0;
  int controlWidth = 0;
  int controlHeight = 0;
};

struct ScrollPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScrollPoint&) const = default;
};

// The top-left corner of the text block at `step` of `steps`. A moving block
// enters at one edge at step 0 and has just left at the other edge at the
// last step; across its path it is centred.
ScrollPoint ScrollTextOrigin(ScrollDirection direction, int step, int steps, const ScrollExtent& extent);

// A line's left edge inside a block as wide as its widest line.
int LineOffset(LineAlignment alignment, int lineWidth, int blockWidth);

// One pass of drawing the text: the colour to use and its offset from the
// block's corner. Drawn in order, the last layer is the text itself.
enum class TextInk { Text, Shadow, Highlight };
struct TextLayer {
  TextInk ink = TextInk::Text;
  int offset = 0;  // both right and down
  bool operator==(const TextLayer&) const = default;
};
std::vector<TextLayer> TextLayers(TextStyle style, int depth);
// How far the layers reach beyond the plain text, right and down.
int TextLayerExtent(TextStyle style, int depth);

}  // namespace about
