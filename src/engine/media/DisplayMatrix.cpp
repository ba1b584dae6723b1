#include "engine/media/DisplayMatrix.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

#include <cmath>
#include <cstdio>

namespace media {

Orientation OrientationOf(const int32_t matrix[9]) {
  Orientation o;
  if (!matrix) return o;
  // av_display_rotation_get answers counter-clockwise; we count clockwise. The
  // signs of the matrix tell the mirrored cases apart, read as the ffmpeg tool
  // reads them.
  const double raw = av_display_rotation_get(matrix);
  if (std::isnan(raw)) return o;
  double theta = -std::round(raw);
  theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
  if (std::fabs(theta - 90) < 1.0) {
    o.quarter_turns = 1;
    o.mirror = matrix[3] > 0;
  } else if (std::fabs(theta - 180) < 1.0) {
    const bool h = matrix[0] < 0, v = matrix[4] < 0;
    if (h && v)
      o.quarter_turns = 2;
    else if (h)
      o.mirror = true;
    else if (v)
      o.quarter_turns = 2, o.mirror = true;
  } else if (std::fabs(theta - 270) < 1.0) {
    o.quarter_turns = 3;
    o.mirror = matrix[3] < 0;
  } else if (std::fabs(theta) > 1.0 && std::fabs(theta - 360) > 1.0) {
    o.degrees = theta;
  } else if (matrix[4] < 0) {
    o.quarter_turns = 2;  // upside down mirrored: a vertical flip
    o.mirror = true;
  }
  return o;
}

Orientation StreamOrientation(const AVStream* stream) {
  if (!stream) return {};
  size_t size = 0;
  const uint8_t* data = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
  if (!data || size < 9 * sizeof(int32_t)) return {};
  return OrientationOf(reinterpret_cast<const int32_t*>(data));
}

std::string UprightChain(const Orientation& o) {
  if (o.degrees != 0) {
    char text[128];
    std::snprintf(text, sizeof text, "rotate=a=%.6f*PI/180:ow=rotw(a):oh=roth(a)", o.degrees);
    return text;
  }
  switch (o.quarter_turns) {
    case 1:
      return o.mirror ? "transpose=dir=cclock_flip" : "transpose=dir=clock";
    case 2:
      return o.mirror ? "vflip" : "hflip,vflip";
    case 3:
      return o.mirror ? "transpose=dir=clock_flip" : "transpose=dir=cclock";
    default:
      return o.mirror ? "hflip" : "";
  }
}

void ShownSize(const Orientation& o, int width, int height, int* shown_width, int* shown_height) {
  *shown_width = width;
  *shown_height = height;
  if (o.SwapsSides()) std::swap(*shown_width, *shown_height);
  if (o.degrees != 0) {
    const double a = o.degrees * M_PI / 180.0;
    const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
    *shown_width = static_cast<int>(width * c + height * s + 0.5);
    *shown_height = static_cast<int>(width * s + height * c + 0.5);
  }
}

void TurnPixels(const Orientation& o, std::vector<uint32_t>* pixels, int* width, int* height) {
  if (!o.mirror && o.quarter_turns == 0) return;
  const int w = *width, h = *height;
  if (w <= 0 || h <= 0 || pixels->size() < static_cast<size_t>(w) * h) return;
  const bool swap = o.SwapsSides();
  const int tw = swap ? h : w, th = swap ? w : h;
  std::vector<uint32_t> turned(static_cast<size_t>(tw) * th);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int nx = x, ny = y;
      switch (o.quarter_turns) {
        case 1:
          nx = h - 1 - y;
          ny = x;
          break;
        case 2:
          nx = w - 1 - x;
          ny = h - 1 - y;
          break;
        case 3:
          nx = y;
          ny = w - 1 - x;
          break;
        default:
          break;
      }
      if (o.mirror) nx = tw - 1 - nx;  // the mirror comes after the turn
      turned[static_cast<size_t>(ny) * tw + nx] = (*pixels)[static_cast<size_t>(y) * w + x];
    }
  }
  pixels->swap(turned);
  *width = tw;
  *height = th;
}

}  // namespace media
