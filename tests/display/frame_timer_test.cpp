#include "display/frame_timer.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameTimer, StartsEnabledActiveOnlyAt25Ms) {
  const frame_timer timer;
  EXPECT_EQ(timer.interval, 25);
  EXPECT_TRUE(timer.enabled);
  EXPECT_TRUE(timer.active_only);
}

TEST(FrameTimer, DueOnceTheIntervalHasPassedSinceThePreviousTick) {
  frame_timer timer;
  timer.interval = 16;
  start_timer(timer, 1000);
  EXPECT_FALSE(timer_due(timer, 1015));
  EXPECT_EQ(ms_until_tick(timer, 1010), 6);
  EXPECT_TRUE(timer_due(timer, 1016));
  EXPECT_EQ(ms_until_tick(timer, 1020), 0);
  mark_tick(timer, 1020);
  EXPECT_FALSE(timer_due(timer, 1035));
  EXPECT_TRUE(timer_due(timer, 1036));
}

TEST(FrameTimer, ANewIntervalAppliesFromThePreviousTick) {
  frame_timer timer;
  start_timer(timer, 0);
  timer.interval = 33;
  EXPECT_FALSE(timer_due(timer, 25));
  EXPECT_TRUE(timer_due(timer, 33));
}

TEST(FrameTimer, ZeroAndNegativeIntervalsAreDueOnEveryPass) {
  frame_timer timer;
  start_timer(timer, 500);
  timer.interval = 0;
  EXPECT_TRUE(timer_due(timer, 500));
  timer.interval = -40;
  EXPECT_TRUE(timer_due(timer, 500));
  EXPECT_EQ(ms_until_tick(timer, 500), 0);
}

TEST(FrameTimer, DisabledIsNeverDue) {
  frame_timer timer;
  timer.enabled = false;
  start_timer(timer, 0);
  EXPECT_FALSE(timer_due(timer, 100000));
}

}  // namespace
