#include "engine/convert/PictureSize.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/imgutils.h>
}

#include <algorithm>
#include <cmath>

namespace convert {
namespace {

struct Grid {
  int step = 2;  // 4:2:0 pictures need even sizes
  int min = 2;
};

Grid GridFor(const AVCodec* codec) {
  Grid grid;
  if (!codec) return grid;
  switch (codec->id) {
    case AV_CODEC_ID_H263P:
      return {4, 4};
    case AV_CODEC_ID_RV10:
      return {16, 16};
    case AV_CODEC_ID_RV20:
      return {4, 4};
    case AV_CODEC_ID_HEVC:
      return {2, 16};  // x265's smallest coding block
    default:
      return grid;
  }
}

// The five picture sizes H.263 can code; others go to the nearest by area.
void NearestH263Size(int* width, int* height) {
  static const int kSizes[][2] = {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};
  const double area = static_cast<double>(*width) * *height;
  double best = 1e300;
  for (const auto& s : kSizes) {
    const double d = std::fabs(std::log(s[0] * s[1] / area));
    if (d < best) {
      best = d;
      *width = s[0];
      *height = s[1];
    }
  }
}

}  // namespace

bool LegalPictureSize(const AVCodec* codec, int* width, int* height, std::string* error) {
  int w = std::max(1, *width), h = std::max(1, *height);
  if (codec && codec->id == AV_CODEC_ID_H263) {
    NearestH263Size(&w, &h);
  } else {
    const Grid grid = GridFor(codec);
    w = std::max(grid.min, w / grid.step * grid.step);
    h = std::max(grid.min, h / grid.step * grid.step);
  }
  // Beyond what libav allocates at all. (A codec's own largest size, such as
  // MPEG-1's 4095, is left to the encoder, which refuses it with a message.)
  if (av_image_check_size(static_cast<unsigned>(w), static_cast<unsigned>(h), 0, nullptr) < 0) {
    *error = "The output picture " + std::to_string(w) + "x" + std::to_string(h) + " is too large";
    return false;
  }
  *width = w;
  *height = h;
  return true;
}

}  // namespace convert
