#pragma once
// Readers for the values of single options. Each returns false for text it cannot
// read or a value outside its range; the caller words the message. The value types
// they fill (a ratio, a -vf element) are part of the parsed options too.
#include <cstdint>
#include <string>
#include <vector>

namespace convert {

struct Ratio {
  int num = 0;
  int den = 0;
  bool Set() const { return num > 0 && den > 0; }
  double Value() const { return den ? static_cast<double>(num) / den : 0.0; }
};

// One element of a -vf chain.
struct VideoFilter {
  enum class Kind { Crop, Scale, VFlip, HFlip, Rotate };
  Kind kind = Kind::VFlip;
  int width = 0, height = 0, x = 0, y = 0;  // crop and scale
  double degrees = 0;                       // rotate: clockwise
};

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
// A point or length of time in microseconds: "hh:mm:ss.fff", "mm:ss" or plain seconds
// ("90", "12.5"); never negative, at most 100 hours.
bool ParseTime(const std::string& text, int64_t* out_us);
// A -vf chain of crop, scale, flips and rotations; false with a message.
bool ParseFilterChain(const std::string& chain, std::vector<VideoFilter>* out, std::string* error);

}  // namespace convert
