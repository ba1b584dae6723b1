#include <gtest/gtest.h>

#include <algorithm>

#include "player/SliderBitmaps.h"
#include "player/SliderModel.h"

namespace {

SliderModel PositionSlider(int widthPx) {
  SliderModel m(SliderBand::FromSelStart, SliderBitmaps::Sizes(SliderKind::Position));
  m.Resize(widthPx * 15, 24 * 15);
  return m;
}

SliderModel VolumeSlider(int widthPx) {
  SliderModel m(SliderBand::FromLeft, SliderBitmaps::Sizes(SliderKind::Volume));
  m.Resize(widthPx * 15, 13 * 15);
  return m;
}

void ClickAt(SliderModel& m, double x) {
  m.MouseDown(SliderModel::kLeftButton);
  m.MouseUp(SliderModel::kLeftButton, x);
  m.Click();
}

std::vector<SliderDrawOp> OpsOfKind(const std::vector<SliderDrawOp>& ops, SliderDrawOp::Kind kind) {
  std::vector<SliderDrawOp> out;
  std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
               [kind](const SliderDrawOp& op) { return op.kind == kind; });
  return out;
}

TEST(SliderModel, ValueSetterClampsToMaxThenMin) {
  SliderModel m = PositionSlider(235);
  m.SetValue(5000);
  EXPECT_EQ(m.value, 1000);
  m.SetValue(-3);
  EXPECT_EQ(m.value, 0);
  m.min = 10;
  m.max = 5;
  for (int v : {-100, 7, 10, 5000}) {
    m.SetValue(v);
    EXPECT_EQ(m.value, 10) << v;
  }
  // Changing Max later does not re-clamp the stored value.
  m.min = 0;
  m.max = 1000;
  m.SetValue(900);
  m.max = 100;
  EXPECT_EQ(m.value, 900);
}

TEST(SliderModel, ClickMapsReleasePointOntoTrack) {
  SliderModel m = PositionSlider(235);  // 3525 twips, 240-twip thumb
  EXPECT_EQ(m.HalfThumb(), 120);
  EXPECT_EQ(m.TrackLength(), 3285);
  ClickAt(m, 1000);
  EXPECT_EQ(m.value, 268);
  ClickAt(m, 50);  // left of the thumb centre's first position
  EXPECT_EQ(m.value, 0);
  ClickAt(m, 3500);  // right of h + T
  EXPECT_EQ(m.value, 1000);
  // Only a left release moves the click point.
  m.MouseUp(SliderModel::kRightButton, 1000);
  m.Click();
  EXPECT_EQ(m.value, 1000);
  EXPECT_EQ(m.LastReleaseX(), 3500);
}

TEST(SliderModel, DraggingFollowsLeftButtonButNotRightAlone) {
  SliderModel m = PositionSlider(235);
  m.MouseDown(SliderModel::kRightButton);
  EXPECT_FALSE(m.MouseMove(SliderModel::kRightButton, 2000));
  EXPECT_EQ(m.value, 0);
  // Left and right together still drag.
  EXPECT_TRUE(m.MouseMove(SliderModel::kLeftButton | SliderModel::kRightButton, 120 + 3285 / 2.0));
  EXPECT_EQ(m.value, 500);
  EXPECT_TRUE(m.MouseMove(SliderModel::kLeftButton, 99999));
  EXPECT_EQ(m.value, 1000);  // beyond the end: pinned
  m.MouseUp(SliderModel::kLeftButton, 99999);
  EXPECT_FALSE(m.Dragging());
  // Moving without a button held changes nothing but is still reported.
  EXPECT_TRUE(m.MouseMove(0, 0));
  EXPECT_EQ(m.value, 1000);
}

TEST(SliderModel, DegenerateSizesPositionAtMin) {
  SliderModel zero_max = PositionSlider(235);
  zero_max.max = 0;
  ClickAt(zero_max, 2000);
  EXPECT_EQ(zero_max.value, 0);

  SliderModel thumb_wide = PositionSlider(16);  // width equals the thumb: T = 0
  EXPECT_EQ(thumb_wide.TrackLength(), 0);
  thumb_wide.SetValue(400);
  ClickAt(thumb_wide, 100);
  EXPECT_EQ(thumb_wide.value, 0);
  thumb_wide.MouseDown(SliderModel::kLeftButton);
  thumb_wide.SetValue(400);
  thumb_wide.MouseMove(SliderModel::kLeftButton, 200);
  EXPECT_EQ(thumb_wide.value, 0);
  EXPECT_EQ(thumb_wide.ComputeThumbLeft(), 0);
}

TEST(SliderModel, KeysStepOnlyForPagesAndLeftRight) {
  SliderModel m = PositionSlider(235);
  m.SetValue(500);
  for (int key : {35, 36, 38, 40, 13, 65}) {
    m.KeyDown(key);
    EXPECT_EQ(m.value, 500) << key;
  }
  m.KeyDown(SliderModel::kKeyRight);
  EXPECT_EQ(m.value, 501);
  m.KeyDown(SliderModel::kKeyLeft);
  m.KeyDown(SliderModel::kKeyLeft);
  EXPECT_EQ(m.value, 499);
  m.KeyDown(SliderModel::kKeyPageDown);
  EXPECT_EQ(m.value, 509);
  m.SetValue(997);
  m.KeyDown(SliderModel::kKeyPageDown);
  EXPECT_EQ(m.value, 1000);
  m.SetValue(3);
  m.KeyDown(SliderModel::kKeyPageUp);
  EXPECT_EQ(m.value, 0);

  m.smallChange = 0;
  m.largeChange = 0;
  m.SetValue(42);
  for (int key : {33, 34, 37, 39})
    m.KeyDown(key);
  EXPECT_EQ(m.value, 42);
}

TEST(SliderModel, PaintOrderAndGeometry) {
  SliderModel m = PositionSlider(235);
  m.SetValue(500);
  m.selStart = 0;
  m.selLength = 500;
  const std::vector<SliderDrawOp> ops = m.Paint(true);
  ASSERT_GE(ops.size(), 6u);
  // Track middle stretched over the width, then the two 100-twip caps.
  EXPECT_EQ(ops[0].kind, SliderDrawOp::TrackSlice);
  EXPECT_DOUBLE_EQ(ops[0].width, 3525);
  EXPECT_DOUBLE_EQ(ops[0].sourceX, 100);
  EXPECT_DOUBLE_EQ(ops[1].sourceX, 0);
  EXPECT_DOUBLE_EQ(ops[2].x, 3425);
  EXPECT_DOUBLE_EQ(ops[2].sourceX, 409 * 15 - 100);
  // Eleven ticks from h, spaced round(3285 / 10) = 328 (the last falls short of h + T).
  const auto ticks = OpsOfKind(ops, SliderDrawOp::Tick);
  ASSERT_EQ(ticks.size(), 11u);
  EXPECT_DOUBLE_EQ(ticks.front().x, 120);
  EXPECT_DOUBLE_EQ(ticks.back().x, 120 + 3280);
  EXPECT_DOUBLE_EQ(ticks.front().y, 360);
  // Band from SelStart offset by half the thumb, then the thumb last.
  EXPECT_EQ(ops[ops.size() - 2].kind, SliderDrawOp::Band);
  EXPECT_DOUBLE_EQ(ops[ops.size() - 2].x, 120);
  EXPECT_DOUBLE_EQ(ops[ops.size() - 2].width, 1642.5);
  EXPECT_EQ(ops.back().kind, SliderDrawOp::Thumb);
  EXPECT_DOUBLE_EQ(ops.back().x, 1642);  // round(0.5 * 3285), halves to even
  EXPECT_FALSE(ops.back().disabled);
  EXPECT_EQ(m.ThumbLeft(), 1642);
  EXPECT_TRUE(m.Paint(false).back().disabled);
}

TEST(SliderModel, BandRulesDifferBetweenTheTwoKinds) {
  SliderModel position = PositionSlider(235);
  position.SetValue(300);
  EXPECT_TRUE(OpsOfKind(position.Paint(true), SliderDrawOp::Band).empty());  // SelLength 0

  SliderModel volume = VolumeSlider(72);
  volume.max = 128;
  volume.SetValue(64);
  volume.selLength = volume.value;
  const auto ops = volume.Paint(true);
  const auto band = OpsOfKind(ops, SliderDrawOp::Band);
  ASSERT_EQ(band.size(), 1u);
  EXPECT_DOUBLE_EQ(band[0].x, 0);
  EXPECT_DOUBLE_EQ(band[0].width, ops.back().x);  // up to the thumb's left edge

  // No band when the selection runs past Max, nor when Max is 0.
  volume.selStart = 100;
  volume.selLength = 29;
  EXPECT_TRUE(OpsOfKind(volume.Paint(true), SliderDrawOp::Band).empty());
  volume.selStart = 0;
  volume.max = 0;
  volume.selLength = 0;
  EXPECT_TRUE(OpsOfKind(volume.Paint(true), SliderDrawOp::Band).empty());
}

TEST(SliderModel, TickCountsThatCannotStallThePaint) {
  SliderModel m = PositionSlider(235);
  m.tickNumber = 0;
  auto ticks = OpsOfKind(m.Paint(true), SliderDrawOp::Tick);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_DOUBLE_EQ(ticks[0].x, 120);
  m.tickNumber = 2000000000;
  ticks = OpsOfKind(m.Paint(true), SliderDrawOp::Tick);
  EXPECT_LE(ticks.size(), 4000u);
  m.showTicks = false;
  EXPECT_TRUE(OpsOfKind(m.Paint(true), SliderDrawOp::Tick).empty());
}

}  // namespace
