#include "desktop/window_roller_rules.h"

namespace desktop {

namespace {

// Room kept between the button and the frame, and between the button and
// the caption's own buttons; the button is a little smaller than a caption
// button so that it reads as an addition to them.
constexpr int kFrameGap = 2;
constexpr int kSystemMenuGap = 2;
constexpr int kMinMaxPairTrim = 6;
constexpr int kHelpTrim = 4;
constexpr int kWidthTrim = 2;
constexpr int kHeightTrim = 4;

// Corner offsets of the triangles inside the button.
constexpr int kTriangleLeftInset = 4;
constexpr int kTriangleRightInset = 6;
constexpr int kTriangleTipShift = 1;
constexpr int kTriangleTopInset = 2;
constexpr int kTriangleBottomInset = 4;
constexpr int kUpBaseAboveMiddle = 2;

// Halving rounded towards minus infinity, so that a button partly left of
// the window (a very narrow window) keeps its shape.
constexpr int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

bool IsToolWindow(RollerFrame frame) {
  return frame == RollerFrame::ToolWindow || frame == RollerFrame::SizeableToolWindow;
}

int FrameWidth(RollerFrame frame, const RollerMetrics& metrics) {
  switch (frame) {
    case RollerFrame::Single: return metrics.cyDlgFrame;
    case RollerFrame::ToolWindow: return metrics.cxDlgFrame;
    default: return metrics.cxFrame;
  }
}

int TopFrame(RollerFrame frame, const RollerMetrics& metrics) {
  return frame == RollerFrame::Sizeable || frame == RollerFrame::SizeableToolWindow ? metrics.cyFrame
                                                                                    : metrics.cyDlgFrame;
}

}  // namespace

std::optional<RollerRect> RollerButtonRect(int windowWidth, RollerFrame frame, RollerIcons icons,
                                           const RollerMetrics& metrics) {
  if (frame == RollerFrame::None) return std::nullopt;
  const bool tool = IsToolWindow(frame);
  const int buttonWidth = tool ? metrics.cxSmSize : metrics.cxSize;
  const int buttonHeight = tool ? metrics.cySmSize : metrics.cySize;
  int offset = FrameWidth(frame, metrics) + kFrameGap;
  if (icons.systemMenu) {
    offset += buttonWidth + kSystemMenuGap;
    // Tool windows carry the close button only.
    if (!tool) {
      if (frame != RollerFrame::Dialog && (icons.minimize || icons.maximize))
        offset += 2 * metrics.cxSize - kMinMaxPairTrim;
      else if (icons.help)
        offset += metrics.cxSize - kHelpTrim;
    }
  }
  RollerRect button;
  button.top = TopFrame(frame, metrics) + kFrameGap;
  button.right = windowWidth - offset;
  button.left = button.right - buttonWidth + kWidthTrim;
  button.bottom = button.top + buttonHeight - kHeightTrim;
  return button;
}

RollerRect RolledRegion(int windowWidth, RollerFrame frame, const RollerMetrics& metrics) {
  return {0, 0, windowWidth, metrics.cyCaption + TopFrame(frame, metrics)};
}

RollerTriangle RollerUpTriangle(const RollerRect& button, int shift) {
  const int middle = FloorHalf(button.top + button.bottom) + shift;
  const int tipX = FloorHalf(button.left + button.right) + shift - kTriangleTipShift;
  return {{button.left + shift + kTriangleLeftInset, middle - kUpBaseAboveMiddle},
          {tipX, button.top + shift + kTriangleTopInset},
          {button.right + shift - kTriangleRightInset, middle - kUpBaseAboveMiddle}};
}

RollerTriangle RollerDownTriangle(const RollerRect& button, int shift) {
  const int middle = FloorHalf(button.top + button.bottom) + shift;
  const int tipX = FloorHalf(button.left + button.right) + shift - kTriangleTipShift;
  return {{button.left + shift + kTriangleLeftInset, middle},
          {tipX, button.bottom + shift - kTriangleBottomInset},
          {button.right + shift - kTriangleRightInset, middle}};
}

}  // namespace desktop
