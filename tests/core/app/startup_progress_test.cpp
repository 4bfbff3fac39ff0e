#include "app/startup_progress.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(StartupProgressTest, ShowsTheMainWindowAtTickTwentyAndEndsAtThirty) {
  StartupProgress progress;
  EXPECT_EQ(progress.Position(), 0);
  EXPECT_FALSE(progress.IsFinished());

  int ticks = 0;
  int showTick = 0;
  int shows = 0;
  StartupAction action = StartupAction::None;
  while (action != StartupAction::FinishStartup && ticks < 1000) {
    action = progress.Tick();
    ++ticks;
    if (action == StartupAction::ShowAndHideMainWindow) {
      showTick = ticks;
      ++shows;
    }
    EXPECT_EQ(progress.Position(), ticks * 5);
  }
  EXPECT_EQ(ticks, 30);
  EXPECT_EQ(showTick, 20);
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(progress.Position(), 150);
  EXPECT_TRUE(progress.IsFinished());
}

TEST(StartupProgressTest, TicksAfterTheEndDoNothing) {
  StartupProgress progress;
  for (int i = 0; i < 30; ++i) progress.Tick();
  ASSERT_TRUE(progress.IsFinished());
  for (int i = 0; i < 20000; ++i) {
    ASSERT_EQ(progress.Tick(), StartupAction::None) << i;
  }
  EXPECT_EQ(progress.Position(), 150);
}

}  // namespace
}  // namespace app
