#include "history/capture_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace history {
namespace {

struct CaptureCase {
  std::string label;
  ClipboardOffer offer;
  bool opened;
  bool privacyMarked;
  CapturePlan expected;
};

TEST(CaptureRulesTest, WhatOneChangeCaptures) {
  EXPECT_FALSE(WorthOpening({false, false})) << "nothing to capture: the clipboard is left closed";
  EXPECT_TRUE(WorthOpening({true, false}));
  EXPECT_TRUE(WorthOpening({false, true}));
  EXPECT_TRUE(WorthOpening({false, false, true})) << "a PNG alone is a picture";

  const std::vector<CaptureCase> cases = {
      {"Picture", {true, false}, true, false, {true, false}},
      {"Text", {false, true}, true, false, {false, true}},
      {"PictureWithText", {true, true}, true, false, {true, true}},
      {"PngWithText", {false, true, true}, true, false, {true, true}},
      {"PngMarkedPrivate", {false, false, true}, true, true, {false, false}},
      {"HeldByAnotherProgram", {true, true}, false, false, {false, false}},
      {"MarkedPrivate", {true, true}, true, true, {false, false}},
  };
  for (const CaptureCase& c : cases) {
    EXPECT_EQ(PlanCapture(c.offer, c.opened, c.privacyMarked), c.expected) << c.label;
  }
}

}  // namespace
}  // namespace history
