#pragma once
// How long an output lasts after -ss/-t, and how many bytes it will take: the
// arithmetic behind the size shown before a run. No file is read.
#include <cstdint>

#include "engine/convert/EncoderOptions.h"

namespace convert {

// The output's length for a source of `source_us` (0 when unknown): what is left
// after the start, at most the asked duration. 0 when neither is known.
int64_t TrimmedLength(const Options& options, int64_t source_us);

// Estimated bytes of an output lasting `length_us`: the video and audio bit rates
// times the length, for the streams the source has and the options keep. With
// `measured_bytes_per_second` > 0 (a short sample of the same settings was
// converted) that rate is used instead. -1 when it cannot be told: no length, or a
// stream whose bit rate is left to the encoder (constant quality, encoder defaults).
int64_t EstimateBytes(const Options& options, bool has_video, bool has_audio, int64_t length_us,
                      double measured_bytes_per_second = 0);

}  // namespace convert
