#pragma once
// Constant quality (-crf): the encoders that have it, their scales, and how each is
// told to keep a quality instead of a bitrate.
#include <string>

struct AVCodecContext;

namespace convert {

// The largest value any encoder's scale reaches (VP9 and AV1); x264 and x265 stop at 51.
inline constexpr int kWorstQuality = 63;

// The worst (largest) value of `encoder`'s constant quality scale, which starts at 0
// (best); -1 when the encoder has no constant quality mode.
int WorstQuality(const std::string& encoder);

// True when `encoder` has a constant quality mode whose scale holds `crf`; else false
// with a message naming the encoder and its scale.
bool CheckConstantQuality(const std::string& encoder, int crf, std::string* error);

// Puts `enc` (not yet opened) into constant quality mode at `crf`: no target bitrate
// (for VP9 that is what makes its CRF a constant quality rather than a capped one) and
// the encoder's own quality option. False with a message when the encoder has no such
// mode or refused the value.
bool ApplyConstantQuality(AVCodecContext* enc, int crf, std::string* error);

}  // namespace convert
