#include "history/capture_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace history {
namespace {

struct CaptureCase {
  std::string label;
  ClipboardOffer offer;
  bool privacyMarked;
  CapturePlan expected;
};

TEST(CaptureRulesTest, WhatOneChangeCaptures) {
  EXPECT_FALSE(WorthOpening({false, false})) << "nothing to capture: the clipboard is left closed";
  EXPECT_TRUE(WorthOpening({true, false}));
  EXPECT_TRUE(WorthOpening({false, true}));
  EXPECT_TRUE(WorthOpening({false, false, true})) << "a PNG alone is a picture";

  const std::vector<CaptureCase> cases = {
      {"Picture", {true, false}, false, {true, false}},
      {"Text", {false, true}, false, {false, true}},
      {"PictureWithText", {true, true}, false, {true, true}},
      {"PngWithText", {false, true, true}, false, {true, true}},
      {"PngMarkedPrivate", {false, false, true}, true, {false, false}},
      {"MarkedPrivate", {true, true}, true, {false, false}},
  };
  for (const CaptureCase& c : cases) {
    EXPECT_EQ(PlanCapture(c.offer, c.privacyMarked), c.expected) << c.label;
  }
}

// Waits of a change retried until it is given up.
std::vector<unsigned> RetriesOf(CaptureTracker& tracker, std::uint32_t sequence) {
  std::vector<unsigned> waits;
  while (std::optional<unsigned> wait = tracker.Busy(sequence)) waits.push_back(*wait);
  return waits;
}

TEST(CaptureTrackerTest, EachChangeIsReadOnceAndABusyClipboardIsRetriedWithinTheBudget) {
  CaptureTracker tracker;
  EXPECT_TRUE(tracker.IsNew(7)) << "at start whatever the clipboard holds is new";
  tracker.Handled(7);
  EXPECT_FALSE(tracker.IsNew(7)) << "late or repeated notices of a change read already are ignored";
  EXPECT_TRUE(tracker.IsNew(8));
  EXPECT_TRUE(tracker.MissedChange(8));
  EXPECT_TRUE(tracker.IsNew(CaptureTracker::kUnknownSequence)) << "without a number every notice counts";
  EXPECT_FALSE(tracker.MissedChange(CaptureTracker::kUnknownSequence))
      << "without a number a timer must not read again and again";

  // Held by another program: the waits grow, never pass the budget, then
  // the change is lost, counted as handled so no timer reads it again.
  const std::vector<unsigned> waits = RetriesOf(tracker, 8);
  EXPECT_EQ(waits, (std::vector<unsigned>{50, 100, 200, 400, 800, 450}));
  EXPECT_FALSE(tracker.Retrying());
  EXPECT_FALSE(tracker.IsNew(8));

  // A newer change replaces the one being retried and gets the whole
  // schedule; reading it ends the retry.
  EXPECT_EQ(tracker.Busy(9), 50u);
  EXPECT_EQ(tracker.Busy(9), 100u);
  EXPECT_EQ(tracker.Busy(10), 50u);
  EXPECT_TRUE(tracker.Retrying());
  EXPECT_FALSE(tracker.MissedChange(10)) << "the retry reads it";
  tracker.Handled(10);
  EXPECT_FALSE(tracker.Retrying());
  EXPECT_FALSE(tracker.IsNew(10));
  EXPECT_EQ(RetriesOf(tracker, 11).size(), waits.size()) << "every change gets the schedule afresh";
}

}  // namespace
}  // namespace history
