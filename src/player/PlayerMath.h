#pragma once
// The player window's arithmetic: control bar layout, slider scale from the
// duration, position display and seek targets. Plain functions the window calls.
#include <QString>
#include <cstdint>

namespace PlayerMath {

// Design sizes of the bar's controls (twips inside the bar, pixels for the sliders).
inline constexpr int kTwips = 15;
inline constexpr int kBarHeightPx = 32;
inline constexpr int kPauseLeftTw = 180, kPauseTopTw = 60, kPauseWidthTw = 435, kPauseHeightTw = 375;
inline constexpr int kMuteWidthTw = 300, kMuteHeightTw = 225, kMuteTopTw = 135;
inline constexpr int kLabelWidthTw = 1575, kLabelHeightTw = 210, kLabelTopTw = 135;
inline constexpr int kPositionHeightPx = 24;
inline constexpr int kVolumeWidthPx = 72, kVolumeHeightPx = 13;
inline constexpr int kClientWidthPx = 516, kClientHeightPx = 347;

// Where the layout puts things. A pass that fails keeps the values it had not
// reached yet, so callers pass in the current layout.
struct Layout {
  int videoWidth = 0, videoHeight = 0;                       // px, above the bar
  int barTop = 0, barWidth = 0;                              // px
  int labelLeftTw = 0;                                       // twips inside the bar
  int volumeLeft = 0, volumeTop = 0;                         // px in the window
  int muteLeftTw = 0;                                        // twips inside the bar
  int positionLeft = 0, positionTop = 0, positionWidth = 0;  // px in the window
};

// Lays out a client area of width x height px. Returns false when a step fails
// (a negative size); the steps before it are applied, the rest keep their values.
bool ComputeLayout(int clientWidth, int clientHeight, Layout& layout);

// Position slider Max: tenths of a second of the duration rounded to whole
// seconds (halves to even). False (and no value) when it does not fit.
bool SliderMaxFromDuration(int64_t durationUs, int& max);

// Whole seconds of a position, rounded halves to even.
int64_t PositionSeconds(int64_t positionUs);
// "hh:mm:ss/" + durationText for a position in whole seconds.
QString PositionCaption(int64_t seconds, const QString& durationText);

// Slider value under a release at x twips on a slider widthPx wide: round(x * max /
// (widthPx * 15)). False when the width is 0.
bool ValueAtX(double xTwips, int max, int widthPx, int& value);

// duration * value / max in whole microseconds (exact product, halves to even).
// False when max is 0.
bool SeekTarget(int64_t durationUs, int value, int max, int64_t& target);

}  // namespace PlayerMath
