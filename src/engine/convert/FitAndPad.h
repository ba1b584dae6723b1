#pragma once
// Putting a picture into a requested frame size without bending it: the picture is
// scaled to fit inside the frame keeping its display shape and the rest is filled
// with black, so square-pixel players show it as it was.
#include <string>
#include <vector>

#include "engine/convert/EncoderOptions.h"

namespace convert {

// A picture's stored size and pixel shape (sample aspect ratio).
struct PictureShape {
  int width = 0;
  int height = 0;
  double pixel_aspect = 1.0;
  double DisplayAspect() const { return height > 0 ? width * pixel_aspect / height : 0.0; }
};

// The shape after a -vf chain has cropped, scaled, flipped and turned the picture
// (libavfilter keeps the display shape on scale and turns the pixels on a quarter turn).
PictureShape AfterFilters(PictureShape shape, const std::vector<VideoFilter>& filters);

struct FitFrame {
  int picture_width = 0;  // the scaled picture, centred in the frame
  int picture_height = 0;
  int x = 0;
  int y = 0;
  bool padded = false;  // false: the picture fills the frame (shapes agree within 2%)
};

// How a picture of `shape` goes into a `width`x`height` frame of square pixels.
FitFrame FitInside(const PictureShape& shape, int width, int height);

// The filters for it: scale, square pixels and, when needed, black bars.
std::string FitChain(const FitFrame& fit, int width, int height);

}  // namespace convert
