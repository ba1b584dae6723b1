#pragma once
// Readers for the values of single options. Each returns false for text it cannot
// read or a value outside its range; the caller words the message.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/convert/EncoderOptions.h"

namespace convert {

// A whole number within [min, max].
bool ParseInt(const std::string& text, int64_t min, int64_t max, int64_t* out);
// Bits per second: "128k", "2048K", "1.5M", "6700".
bool ParseBitrate(const std::string& text, int64_t* out);
// "640x480" or a size name such as "vga".
bool ParseSize(const std::string& text, int* w, int* h);
// A frame rate; NTSC's decimal spellings map to their exact fractions.
bool ParseRate(const std::string& text, Ratio* out);
// "4:3", "16/9" or "1.7778".
bool ParseAspect(const std::string& text, Ratio* out);
// A -vf chain of crop, scale, flips and rotations; false with a message.
bool ParseFilterChain(const std::string& chain, std::vector<VideoFilter>* out, std::string* error);

}  // namespace convert
