#include "about/scrolling_text_rules.h"

#include <gtest/gtest.h>

namespace about {
namespace {

// A credit line as the about window has it: 100 pixels of text plus one of
// shadow in a 381-pixel control; the whole path is 482 pixels.
constexpr ScrollExtent kCreditLine{101, 17, 381, 20};

TEST(ScrollingTextRulesTest, TextCrossesTheControlFromEdgeToEdgeInEitherDirection) {
  const auto x = [](ScrollDirection direction, int step, const ScrollExtent& extent = kCreditLine) {
    return ScrollTextOrigin(direction, step, 80, extent).x;
  };
  // Step 0: just outside the edge it enters from; step 80: just outside the
  // other edge; halfway, halfway along the path.
  EXPECT_EQ(x(ScrollDirection::RightToLeft, 0), 381);
  EXPECT_EQ(x(ScrollDirection::RightToLeft, 40), 140);
  EXPECT_EQ(x(ScrollDirection::RightToLeft, 80), -101);
  EXPECT_EQ(x(ScrollDirection::LeftToRight, 0), -101);
  EXPECT_EQ(x(ScrollDirection::LeftToRight, 40), 140);
  EXPECT_EQ(x(ScrollDirection::LeftToRight, 80), 381);
  // An odd path puts step 40 on a half pixel, which goes to the even one.
  const ScrollExtent oddPath{100, 17, 381, 20};
  EXPECT_EQ(x(ScrollDirection::RightToLeft, 40, oddPath), 140);
  EXPECT_EQ(x(ScrollDirection::LeftToRight, 40, oddPath), 140);
  EXPECT_EQ(x(ScrollDirection::RightToLeft, 1, oddPath), 375);  // 481 * 79/80 = 474.99
  EXPECT_EQ(x(ScrollDirection::LeftToRight, 1, oddPath), -94);   // 481 / 80 = 6.01
  // Horizontal text is centred vertically, and vertical text horizontally.
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::RightToLeft, 40, 80, kCreditLine).y, 1);
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::BottomToTop, 0, 80, kCreditLine), (ScrollPoint{140, 20}));
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::TopToBottom, 80, 80, kCreditLine), (ScrollPoint{140, 20}));
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::Static, 33, 80, kCreditLine), (ScrollPoint{140, 1}));
  // Out-of-range settings stay on the path instead of dividing by zero.
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::LeftToRight, 5, 0, kCreditLine).x, 381);
  EXPECT_EQ(ScrollTextOrigin(ScrollDirection::LeftToRight, -3, 80, kCreditLine).x, -101);
}

TEST(ScrollingTextRulesTest, ElapsedTimeGivesTheStepOfTheCurrentPass) {
  // 80 steps of 100 ms: the steps 0 to 80, then the next pass from 0.
  EXPECT_EQ(ScrollStepAt(0, 100, 80, true), 0);
  EXPECT_EQ(ScrollStepAt(4050, 100, 80, true), 40);
  EXPECT_EQ(ScrollStepAt(8099, 100, 80, true), 80);
  EXPECT_EQ(ScrollStepAt(8100, 100, 80, true), 0);
  EXPECT_EQ(ScrollStepAt(8100 * 1000 + 4000, 100, 80, true), 40);  // hours later, still mid-pass
  // A single pass ends at rest.
  EXPECT_EQ(ScrollStepAt(8099, 100, 80, false), 80);
  EXPECT_EQ(ScrollStepAt(8100, 100, 80, false), 0);
  EXPECT_EQ(ScrollStepAt(100000, 100, 80, false), 0);
  // The speed is kept within 1 to 1000 ms per step; a clock that went back
  // shows the start of the pass.
  EXPECT_EQ(ScrollStepAt(40, 0, 80, true), 40);
  EXPECT_EQ(ScrollStepAt(5000, 5000, 80, true), 5);
  EXPECT_EQ(ScrollStepAt(-500, 100, 80, true), 0);
  EXPECT_EQ(ScrollStepAt(300, 100, 0, true), 1);  // fewer than one step per pass counts as one
}

}  // namespace
}  // namespace about
