#include "engine/convert/TargetSize.h"

#include <cmath>
#include <vector>

namespace convert {
namespace {

struct Size {
  int width, height;
};

std::string Kind(const std::string& target) {
  const size_t dash = target.rfind('-');
  return dash == std::string::npos ? target : target.substr(dash + 1);
}

// The norm's frame sizes, the standard one first.
std::vector<Size> NormSizes(const std::string& target, const std::string& norm) {
  const bool pal = norm == "pal";
  const std::string kind = Kind(target);
  if (kind == "vcd") return {{352, pal ? 288 : 240}};
  if (kind == "svcd") return {{480, pal ? 576 : 480}};
  if (kind == "dvd") {
    const int full = pal ? 576 : 480;
    return {{720, full}, {704, full}, {352, full}, {352, full / 2}};
  }
  return {};
}

int EvenAtLeastTwo(double value) { return std::max(2, static_cast<int>(std::lround(value / 2)) * 2); }

}  // namespace

bool IsTargetSize(const std::string& target, const std::string& norm, int width, int height) {
  for (const Size& s : NormSizes(target, norm))
    if (s.width == width && s.height == height) return true;
  return false;
}

TargetFrame FitTargetFrame(const Options& options, int width, int height) {
  TargetFrame frame;
  const std::vector<Size> sizes = NormSizes(options.target, options.target_norm);
  if (sizes.empty() || width <= 0 || height <= 0) return frame;
  if (IsTargetSize(options.target, options.target_norm, width, height)) return frame;
  frame.fitted = true;
  frame.width = sizes.front().width;
  frame.height = sizes.front().height;
  const double picture = options.aspect.Set() ? options.aspect.Value() : static_cast<double>(width) / height;
  // DVD frames are shown at 4:3 or 16:9, whichever is nearer; the others at 4:3.
  const bool wide = Kind(options.target) == "dvd" && picture > std::sqrt(4.0 / 3.0 * 16.0 / 9.0);
  frame.display_aspect = wide ? Ratio{16, 9} : Ratio{4, 3};
  const double shown = frame.display_aspect.Value();
  if (picture <= shown) {  // pillars left and right, or an exact fit
    frame.picture_height = frame.height;
    frame.picture_width = std::min(frame.width, EvenAtLeastTwo(frame.width * picture / shown));
  } else {  // bars above and below
    frame.picture_width = frame.width;
    frame.picture_height = std::min(frame.height, EvenAtLeastTwo(frame.height * shown / picture));
  }
  return frame;
}

std::string TargetFrameChain(const TargetFrame& frame) {
  const std::string w = std::to_string(frame.width), h = std::to_string(frame.height);
  return "scale=" + std::to_string(frame.picture_width) + ":" + std::to_string(frame.picture_height) +
         ",setsar=sar=1,pad=width=" + w + ":height=" + h +
         ":x=" + std::to_string((frame.width - frame.picture_width) / 2) +
         ":y=" + std::to_string((frame.height - frame.picture_height) / 2) + ":color=black" +
         ",setdar=dar=" + std::to_string(frame.display_aspect.num) + "/" +
         std::to_string(frame.display_aspect.den);
}

}  // namespace convert
