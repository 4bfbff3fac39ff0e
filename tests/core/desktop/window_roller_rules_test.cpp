#include "desktop/window_roller_rules.h"

#include <gtest/gtest.h>

namespace desktop {
namespace {

// Every metric different, so that a formula reading the wrong one shows.
constexpr RollerMetrics kMetrics{.cxFrame = 4,
                                 .cyFrame = 5,
                                 .cxDlgFrame = 3,
                                 .cyDlgFrame = 6,
                                 .cxSize = 18,
                                 .cySize = 20,
                                 .cxSmSize = 12,
                                 .cySmSize = 14,
                                 .cyCaption = 19};
constexpr int kWidth = 400;

RollerRect Button(RollerFrame frame, RollerIcons icons) {
  const auto button = RollerButtonRect(kWidth, frame, icons, kMetrics);
  EXPECT_TRUE(button.has_value());
  return button.value_or(RollerRect{});
}

TEST(RollerButtonRectTest, SitsLeftOfTheCaptionButtonsTheWindowShows) {
  const RollerIcons menuAndMinimize{.systemMenu = true, .minimize = true};
  // A dialog frame shows no minimize or maximize button, only close.
  EXPECT_EQ(Button(RollerFrame::Dialog, menuAndMinimize), (RollerRect{358, 8, 374, 24}));
  // A single frame shows them: the pair moves the button further left.
  EXPECT_EQ(Button(RollerFrame::Single, menuAndMinimize), (RollerRect{326, 8, 342, 24}));
  EXPECT_EQ(Button(RollerFrame::Single, {.systemMenu = true, .maximize = true}), (RollerRect{326, 8, 342, 24}));
  // Help counts only where there is no minimize or maximize pair.
  EXPECT_EQ(Button(RollerFrame::Sizeable, {.systemMenu = true, .help = true}), (RollerRect{344, 7, 360, 23}));
  EXPECT_EQ(Button(RollerFrame::Sizeable, {.systemMenu = true, .minimize = true, .help = true}),
            (RollerRect{328, 7, 344, 23}));
  // Without a system menu there are no caption buttons to keep clear of.
  EXPECT_EQ(Button(RollerFrame::Sizeable, {.minimize = true, .help = true}), (RollerRect{378, 7, 394, 23}));
  // Tool windows: small caption buttons, close only.
  EXPECT_EQ(Button(RollerFrame::ToolWindow, {.systemMenu = true, .minimize = true}), (RollerRect{371, 8, 381, 18}));
  EXPECT_EQ(Button(RollerFrame::SizeableToolWindow, {.systemMenu = true}), (RollerRect{370, 7, 380, 17}));
  EXPECT_FALSE(RollerButtonRect(kWidth, RollerFrame::None, {.systemMenu = true}, kMetrics).has_value());
}

TEST(RolledRegionTest, KeepsTheTopFrameAndCaptionAcrossTheWholeWidth) {
  EXPECT_EQ(RolledRegion(kWidth, RollerFrame::Dialog, kMetrics), (RollerRect{0, 0, kWidth, 25}));
  EXPECT_EQ(RolledRegion(kWidth, RollerFrame::Single, kMetrics), (RollerRect{0, 0, kWidth, 25}));
  EXPECT_EQ(RolledRegion(kWidth, RollerFrame::ToolWindow, kMetrics), (RollerRect{0, 0, kWidth, 25}));
  EXPECT_EQ(RolledRegion(kWidth, RollerFrame::Sizeable, kMetrics), (RollerRect{0, 0, kWidth, 24}));
  EXPECT_EQ(RolledRegion(kWidth, RollerFrame::SizeableToolWindow, kMetrics), (RollerRect{0, 0, kWidth, 24}));
  // A caption grown by a settings change grows the strip with it.
  RollerMetrics larger = kMetrics;
  larger.cyCaption = 30;
  EXPECT_EQ(RolledRegion(250, RollerFrame::Dialog, larger), (RollerRect{0, 0, 250, 36}));
}

TEST(RollerTriangleTest, UpperAndLowerHalvesShiftWhenPushed) {
  const RollerRect button{358, 8, 374, 24};
  EXPECT_EQ(RollerUpTriangle(button, 0), (RollerTriangle{{362, 14}, {365, 10}, {368, 14}}));
  EXPECT_EQ(RollerDownTriangle(button, 0), (RollerTriangle{{362, 16}, {365, 20}, {368, 16}}));
  EXPECT_EQ(RollerUpTriangle(button, 1), (RollerTriangle{{363, 15}, {366, 11}, {369, 15}}));
  EXPECT_EQ(RollerDownTriangle(button, 2), (RollerTriangle{{364, 18}, {367, 22}, {370, 18}}));
  // Odd sums and a button partly off the left edge halve downwards.
  const RollerRect odd{-20, 1, -5, 16};
  EXPECT_EQ(RollerUpTriangle(odd, 0), (RollerTriangle{{-16, 6}, {-14, 3}, {-11, 6}}));
  EXPECT_EQ(RollerDownTriangle(odd, 0), (RollerTriangle{{-16, 8}, {-14, 12}, {-11, 8}}));
}

}  // namespace
}  // namespace desktop
