#include "engine/convert/EncoderSpeed.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
}

#include <utility>
#include <vector>

#include "engine/media/AVPointers.h"

namespace convert {
namespace {

// x264's presets from slow to fast, as a step count 0..9.
int Step(const std::string& preset) {
  static const char* const kOrder[] = {"veryslow", "slower",   "slow",      "medium",   "fast",
                                       "faster",   "veryfast", "superfast", "ultrafast"};
  for (int i = 0; i < 9; ++i)
    if (preset == kOrder[i]) return i;
  return 6;  // no preset named: as fast as the usual "Normal" quality
}

using Settings = std::vector<std::pair<const char*, std::string>>;

Settings SpeedSettings(const std::string& encoder, int step) {
  const bool fast = step >= 6, fastest = step >= 8;  // "Normal" and "Low" quality
  if (encoder == "libx265")                          // HEVC costs several times H.264 at the same preset name
    return {{"preset", fast        ? "ultrafast"
                       : step >= 3 ? "veryfast"
                                   : "medium"},
            {"x265-params", "log-level=error"}};
  if (encoder == "libaom-av1")
    return {{"usage", "realtime"}, {"cpu-used", fast ? "8" : "6"}, {"row-mt", "1"}, {"tiles", "2x2"}};
  if (encoder == "libvpx-vp9")
    return {{"deadline", "realtime"}, {"cpu-used", fastest ? "8" : fast ? "7" : "5"}, {"row-mt", "1"}};
  return {};
}

}  // namespace

bool ApplySpeed(AVCodecContext* enc, const std::string& preset, std::string* error) {
  const std::string name = enc->codec->name;
  if (name == "libx264") {
    if (preset.empty()) return true;
    const int rc = av_opt_set(enc->priv_data, "preset", preset.c_str(), 0);
    if (rc < 0) *error = "The libx264 encoder refused the preset " + preset + ": " + media::ErrorText(rc);
    return rc >= 0;
  }
  for (const auto& [option, value] : SpeedSettings(name, Step(preset))) {
    const int rc = av_opt_set(enc->priv_data, option, value.c_str(), 0);
    if (rc < 0) {
      *error = "The " + name + " encoder refused " + option + "=" + value + ": " + media::ErrorText(rc);
      return false;
    }
  }
  return true;
}

}  // namespace convert
