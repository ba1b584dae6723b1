#include <gtest/gtest.h>

#include "player/PlayerMath.h"

using namespace PlayerMath;

namespace {

TEST(PlayerLayout, OpeningSizeGivesTheDesignFigures) {
  Layout l;
  ASSERT_TRUE(ComputeLayout(516, 347, l));
  EXPECT_EQ(l.barTop, 315);
  EXPECT_EQ(l.videoWidth, 516);
  EXPECT_EQ(l.videoHeight, 315);
  EXPECT_EQ(l.labelLeftTw, 6015);
  EXPECT_EQ(l.volumeLeft, 319);
  EXPECT_EQ(l.volumeTop, 324);
  EXPECT_EQ(l.muteLeftTw, 4410);
  EXPECT_EQ(l.positionLeft, 51);
  EXPECT_EQ(l.positionTop, 320);
  EXPECT_EQ(l.positionWidth, 233);
}

TEST(PlayerLayout, WiderWindowStretchesOnlyThePositionSlider) {
  Layout small, wide;
  ASSERT_TRUE(ComputeLayout(516, 347, small));
  ASSERT_TRUE(ComputeLayout(900, 500, wide));
  // 10 px right of the label, then label, 10 px, volume, 5 px, mute, 10 px.
  EXPECT_EQ(900 * 15 - (wide.labelLeftTw + kLabelWidthTw), 150);
  EXPECT_EQ(wide.labelLeftTw / 15 - (wide.volumeLeft + kVolumeWidthPx), 10);
  EXPECT_EQ(wide.volumeLeft * 15 - (wide.muteLeftTw + kMuteWidthTw), 75);
  EXPECT_EQ(wide.muteLeftTw / 15 - (wide.positionLeft + wide.positionWidth), 10);
  EXPECT_EQ(wide.positionLeft, small.positionLeft);
  EXPECT_EQ(wide.positionWidth - small.positionWidth, 900 - 516);
  EXPECT_EQ(wide.positionTop, 500 - 32 + 5);
}

TEST(PlayerLayout, TooNarrowStopsAtTheFailingStep) {
  Layout l;
  ASSERT_TRUE(ComputeLayout(516, 347, l));
  const Layout before = l;
  // At 250 px the position slider's width would be negative: everything before
  // that step moves, the width keeps its last value.
  EXPECT_FALSE(ComputeLayout(250, 347, l));
  EXPECT_EQ(l.labelLeftTw, 250 * 15 - 1725);
  EXPECT_EQ(l.positionWidth, before.positionWidth);
  // Shorter than the bar: nothing moves.
  Layout tiny = before;
  EXPECT_FALSE(ComputeLayout(516, 20, tiny));
  EXPECT_EQ(tiny.barTop, before.barTop);
}

TEST(PlayerMath, SliderMaxCountsTenthsOfWholeSeconds) {
  int max = -1;
  ASSERT_TRUE(SliderMaxFromDuration(200400000, max));
  EXPECT_EQ(max, 2000);
  ASSERT_TRUE(SliderMaxFromDuration(400000, max));
  EXPECT_EQ(max, 0);
  ASSERT_TRUE(SliderMaxFromDuration(2500000, max));
  EXPECT_EQ(max, 20);  // halves to even
  ASSERT_TRUE(SliderMaxFromDuration(3500000, max));
  EXPECT_EQ(max, 40);
  max = 7;
  EXPECT_FALSE(SliderMaxFromDuration(int64_t{1} << 62, max));  // does not fit: skipped
  EXPECT_EQ(max, 7);
}

TEST(PlayerMath, PositionSecondsAndCaption) {
  EXPECT_EQ(PositionCaption(PositionSeconds(65000000), "00:03:20"), "00:01:05/00:03:20");
  EXPECT_EQ(PositionSeconds(65500000), 66);
  EXPECT_EQ(PositionCaption(66, "00:03:20"), "00:01:06/00:03:20");
  EXPECT_EQ(PositionSeconds(64500000), 64);
  EXPECT_EQ(PositionCaption(3725, "01:10:00"), "01:02:05/01:10:00");
}

TEST(PlayerMath, ReleasePointAndSeekTarget) {
  int np = -1;
  ASSERT_TRUE(ValueAtX(1800, 2000, 240, np));
  EXPECT_EQ(np, 1000);
  int64_t target = 0;
  ASSERT_TRUE(SeekTarget(200000000, np, 2000, target));
  EXPECT_EQ(target, 100000000);
  ASSERT_TRUE(ValueAtX(1079.5f, 128, 72, np));
  EXPECT_EQ(np, 128);
  ASSERT_TRUE(ValueAtX(5000, 128, 72, np));
  EXPECT_GT(np, 128);  // beyond the end: the caller keeps the dragged value
  EXPECT_FALSE(ValueAtX(10, 100, 0, np));

  // Exact 64-bit product: no precision lost for long durations.
  const int64_t long_duration = (int64_t{1} << 53) + 1;
  ASSERT_TRUE(SeekTarget(long_duration, 3, 3, target));
  EXPECT_EQ(target, long_duration);
  ASSERT_TRUE(SeekTarget(5, 1, 2, target));
  EXPECT_EQ(target, 2);  // 2.5 to even
  ASSERT_TRUE(SeekTarget(3, 1, 2, target));
  EXPECT_EQ(target, 2);  // 1.5 to even
  EXPECT_FALSE(SeekTarget(1000, 1, 0, target));
}

}  // namespace
