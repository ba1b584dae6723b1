#include "player/SliderModel.h"

#include <cmath>
#include <limits>

int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

namespace {
constexpr int T = SliderModel::kTwipsPerPixel;

// The clamping of a positioned value: at or below Min gives Min, at or above Max
// gives Max, anything between is rounded.
int64_t ClampPositioned(double v, int32_t min, int32_t max) {
  if (v <= min) return min;
  if (v >= max) return max;
  return RoundHalfEven(v);
}
}  // namespace

SliderModel::SliderModel(SliderBand band, SliderImageSizes sizes) : band_(band), sizes_(sizes) {}

void SliderModel::SetValue(int64_t newValue) {
  int64_t a = newValue;
  if (a > max) a = max;
  if (a < min) a = min;
  value = static_cast<int32_t>(a);
}

void SliderModel::Resize(int widthTwips, int heightTwips) {
  width_ = widthTwips;
  height_ = heightTwips;
  half_thumb_ = static_cast<int>(RoundHalfEven(sizes_.thumbWidth * T / 2.0));
  track_ = widthTwips - sizes_.thumbWidth * T;
}

void SliderModel::SetValueFromPosition(double x) {
  double v = 0;
  if (track_ != 0) v = (x - half_thumb_) * (static_cast<double>(max) / track_);
  SetValue(ClampPositioned(v, min, max));
}

void SliderModel::SetValueFromClick() {
  double v = 0;
  if (track_ != 0)
    v = (static_cast<double>(max) / track_) * static_cast<double>(int64_t{last_release_x_} - half_thumb_);
  SetValue(ClampPositioned(v, min, max));
}

void SliderModel::MouseDown(int /*button*/) { dragging_ = true; }

bool SliderModel::MouseMove(int buttons, double x) {
  if (buttons == kRightButton) return false;
  if (dragging_) SetValueFromPosition(x);
  return true;
}

void SliderModel::MouseUp(int button, double x) {
  dragging_ = false;
  if (button == kLeftButton) {
    const int64_t rounded = RoundHalfEven(x);
    if (rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max())
      last_release_x_ = static_cast<int>(rounded);
  }
}

void SliderModel::ApplyStepRule(int64_t candidate, bool towardsMax) {
  if (towardsMax) {
    SetValue(candidate >= max ? max : candidate);
  } else {
    SetValue(candidate <= min ? min : candidate);
  }
}

void SliderModel::KeyDown(int keyCode) {
  switch (keyCode) {
    case kKeyPageUp:
      ApplyStepRule(int64_t{value} - largeChange, false);
      break;
    case kKeyPageDown:
      ApplyStepRule(int64_t{value} + largeChange, true);
      break;
    case kKeyLeft:
      ApplyStepRule(int64_t{value} - smallChange, false);
      break;
    case kKeyRight:
      ApplyStepRule(int64_t{value} + smallChange, true);
      break;
    default:
      break;
  }
}

int SliderModel::ComputeThumbLeft() const {
  if (value <= min) return 0;
  if (value >= max) return track_;
  if (max == 0) return 0;
  return static_cast<int>(RoundHalfEven(static_cast<double>(value) / max * track_));
}

std::vector<SliderDrawOp> SliderModel::Paint(bool enabled) {
  std::vector<SliderDrawOp> ops;
  const double W = width_;
  const double H = height_;

  // Track: the middle slice stretched over the whole width, then both caps.
  const double track_h = sizes_.trackHeight * T;
  const double track_w = sizes_.trackWidth * T;
  ops.push_back({SliderDrawOp::TrackSlice, 0, 0, W, track_h, 100, 100});
  ops.push_back({SliderDrawOp::TrackSlice, 0, 0, 100, track_h, 0, 100});
  ops.push_back({SliderDrawOp::TrackSlice, W - 100, 0, 100, track_h, track_w - 100, 100});

  if (showTicks) {
    int spacing = 0;
    if (tickNumber != 0) spacing = static_cast<int>(RoundHalfEven(static_cast<double>(track_) / tickNumber));
    ops.push_back({SliderDrawOp::Tick, static_cast<double>(half_thumb_), H, 0, 100});
    // Ticks beyond the control or on top of each other add nothing to the picture,
    // so a huge TickNumber cannot stall the paint.
    for (int64_t i = 1; i <= tickNumber; ++i) {
      const int64_t x = half_thumb_ + int64_t{spacing} * i;
      if (spacing == 0 || x > width_ || x < 0) break;
      ops.push_back({SliderDrawOp::Tick, static_cast<double>(x), H, 0, 100});
    }
  }

  const double sel_h = sizes_.selHeight * T;
  if (int64_t{max} - selStart >= selLength && max != 0) {
    if (band_ == SliderBand::FromSelStart) {
      if (selLength > 0) {
        const double x = static_cast<double>(selStart) / max * track_ + half_thumb_;
        ops.push_back({SliderDrawOp::Band, x, 0, static_cast<double>(selLength) / max * track_, sel_h});
      }
    } else {
      ops.push_back({SliderDrawOp::Band, 0, 0, static_cast<double>(selLength) / max * track_, sel_h});
    }
  }

  thumb_x_ = ComputeThumbLeft();
  SliderDrawOp thumb{SliderDrawOp::Thumb, static_cast<double>(thumb_x_), 0,
                     static_cast<double>(sizes_.thumbWidth * T), static_cast<double>(sizes_.thumbHeight * T)};
  thumb.disabled = !enabled;
  ops.push_back(thumb);
  return ops;
}
