#include "player/PlayerMath.h"

#include <cmath>
#include <limits>

#include "core/Helpers.h"
#include "player/SliderModel.h"

namespace PlayerMath {

namespace {
int ToPixels(double value) { return static_cast<int>(RoundHalfEven(value)); }
}  // namespace

bool ComputeLayout(int clientWidth, int clientHeight, Layout& layout) {
  // Bar along the bottom, video area filling everything above it.
  const int bar_top = clientHeight - kBarHeightPx;
  if (bar_top < 0 || clientWidth < 0) return false;
  layout.barTop = bar_top;
  layout.barWidth = clientWidth;
  layout.videoWidth = clientWidth;
  layout.videoHeight = bar_top;

  layout.labelLeftTw = layout.barWidth * kTwips - kLabelWidthTw - 150;
  layout.volumeTop = layout.barTop + 9;
  layout.volumeLeft = ToPixels(layout.labelLeftTw / static_cast<double>(kTwips) - kVolumeWidthPx - 10);
  layout.muteLeftTw = layout.labelLeftTw - kMuteWidthTw - kVolumeWidthPx * kTwips - 225;
  layout.positionTop = layout.barTop + 5;
  layout.positionLeft = ToPixels((kPauseWidthTw + kPauseLeftTw) / static_cast<double>(kTwips) + 10);
  const int width = ToPixels(layout.muteLeftTw / static_cast<double>(kTwips) - layout.positionLeft - 10);
  if (width < 0) return false;
  layout.positionWidth = width;
  return true;
}

bool SliderMaxFromDuration(int64_t durationUs, int& max) {
  const double tenths = 10.0 * std::nearbyint(MicrosToSeconds(durationUs));
  if (!(tenths >= std::numeric_limits<int>::min() && tenths <= std::numeric_limits<int>::max())) return false;
  max = static_cast<int>(tenths);
  return true;
}

int64_t PositionSeconds(int64_t positionUs) {
  return static_cast<int64_t>(std::nearbyint(MicrosToSeconds(positionUs)));
}

QString PositionCaption(int64_t seconds, const QString& durationText) {
  return FormatDuration(static_cast<double>(seconds)) + "/" + durationText;
}

bool ValueAtX(double xTwips, int max, int widthPx, int& value) {
  if (widthPx == 0) return false;
  const double v = std::nearbyint(xTwips * max / (static_cast<double>(widthPx) * kTwips));
  if (!(v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())) return false;
  value = static_cast<int>(v);
  return true;
}

bool SeekTarget(int64_t durationUs, int value, int max, int64_t& target) {
  if (max == 0) return false;
  __int128 product = static_cast<__int128>(durationUs) * value;
  __int128 divisor = max;
  const bool negative = (product < 0) != (divisor < 0) && product != 0;
  if (product < 0) product = -product;
  if (divisor < 0) divisor = -divisor;
  __int128 quotient = product / divisor;
  const __int128 twice_rest = (product % divisor) * 2;
  if (twice_rest > divisor || (twice_rest == divisor && (quotient & 1) != 0)) ++quotient;
  if (quotient > std::numeric_limits<int64_t>::max()) return false;
  target = static_cast<int64_t>(negative ? -quotient : quotient);
  return true;
}

}  // namespace PlayerMath
