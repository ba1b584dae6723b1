#include "engine/convert/FitAndPad.h"

#include <algorithm>
#include <cmath>

namespace convert {
namespace {

int Even(double value) { return std::max(2, static_cast<int>(std::lround(value / 2)) * 2); }

}  // namespace

PictureShape AfterFilters(PictureShape shape, const std::vector<VideoFilter>& filters) {
  for (const VideoFilter& f : filters) {
    switch (f.kind) {
      case VideoFilter::Kind::Crop:
        shape.width = f.width;
        shape.height = f.height;
        break;
      case VideoFilter::Kind::Scale:
        if (f.width > 0 && f.height > 0 && shape.width > 0 && shape.height > 0)
          shape.pixel_aspect *=
              static_cast<double>(shape.width) * f.height / (static_cast<double>(shape.height) * f.width);
        shape.width = f.width;
        shape.height = f.height;
        break;
      case VideoFilter::Kind::Rotate: {
        const double q = f.degrees / 90.0;
        if (std::fabs(q - std::round(q)) < 1e-9) {
          if (QuarterTurns({f}) % 2 == 1) {
            std::swap(shape.width, shape.height);
            shape.pixel_aspect = 1.0 / shape.pixel_aspect;
          }
        } else {
          // Any other angle puts the picture into a larger box of the same pixels.
          const double a = f.degrees * M_PI / 180.0;
          const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
          const int w = static_cast<int>(shape.width * c + shape.height * s + 0.5);
          const int h = static_cast<int>(shape.width * s + shape.height * c + 0.5);
          shape.width = w;
          shape.height = h;
        }
        break;
      }
      case VideoFilter::Kind::VFlip:
      case VideoFilter::Kind::HFlip:
        break;
    }
  }
  return shape;
}

FitFrame FitInside(const PictureShape& shape, int width, int height) {
  FitFrame fit;
  fit.picture_width = width;
  fit.picture_height = height;
  const double picture = shape.DisplayAspect();
  if (picture <= 0 || width <= 0 || height <= 0) return fit;
  const double frame = static_cast<double>(width) / height;
  if (std::fabs(picture / frame - 1.0) <= 0.02) return fit;
  if (picture > frame) {  // bars above and below
    fit.picture_height = std::min(height, Even(width / picture));
  } else {  // bars left and right
    fit.picture_width = std::min(width, Even(height * picture));
  }
  fit.x = (width - fit.picture_width) / 2 & ~1;
  fit.y = (height - fit.picture_height) / 2 & ~1;
  fit.padded = fit.picture_width != width || fit.picture_height != height;
  return fit;
}

std::string FitChain(const FitFrame& fit, int width, int height) {
  std::string chain = "scale=" + std::to_string(fit.picture_width) + ":" +
                      std::to_string(fit.picture_height) + ",setsar=sar=1";
  if (fit.padded)
    chain += ",pad=width=" + std::to_string(width) + ":height=" + std::to_string(height) +
             ":x=" + std::to_string(fit.x) + ":y=" + std::to_string(fit.y) + ":color=black";
  return chain;
}

}  // namespace convert
