// Output length after trimming and the estimated output size.
#include "engine/convert/SizeEstimate.h"

#include <algorithm>
#include <cmath>

namespace convert {

int64_t TrimmedLength(const Options& o, int64_t source_us) {
  int64_t length = source_us > 0 ? std::max<int64_t>(0, source_us - o.start_us) : 0;
  if (o.duration_us > 0) length = length > 0 ? std::min(length, o.duration_us) : o.duration_us;
  return length;
}

int64_t EstimateBytes(const Options& o, bool has_video, bool has_audio, int64_t length_us,
                      double measured_bytes_per_second) {
  if (length_us <= 0) return -1;
  const double seconds = static_cast<double>(length_us) / 1e6;
  if (measured_bytes_per_second > 0) return std::llround(measured_bytes_per_second * seconds);
  const bool video = has_video && !o.no_video;
  const bool audio = has_audio && !o.no_audio;
  if ((video && o.video_bitrate <= 0) || (audio && o.audio_bitrate <= 0) || (!video && !audio)) return -1;
  const double bits = static_cast<double>((video ? o.video_bitrate : 0) + (audio ? o.audio_bitrate : 0));
  return std::llround(bits * seconds / 8);
}

}  // namespace convert
