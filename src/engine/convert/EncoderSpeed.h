#pragma once
// One speed word for every encoder: the x264 preset names the option strings use
// ("medium", "veryfast", "ultrafast", ...) become each newer encoder's own speed
// settings, chosen so HEVC and AV1 stay within a few times H.264's encoding time.
#include <string>

struct AVCodecContext;

namespace convert {

// Sets the speed options of `enc` (not yet opened) for the x264 preset name
// `preset` ("" = the encoder's usual speed for us). False with a message when the
// encoder refused an option.
bool ApplySpeed(AVCodecContext* enc, const std::string& preset, std::string* error);

}  // namespace convert
