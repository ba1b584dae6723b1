#pragma once
// How a stored picture must be turned to be shown upright. Phones store portrait
// video sideways and say in the stream's display matrix how to turn it; the engine
// applies that turn before any filter of the user, so outputs are upright and
// carry no rotation of their own.
#include <cstdint>
#include <string>
#include <vector>

struct AVStream;

namespace media {

struct Orientation {
  int quarter_turns = 0;  // clockwise, 0..3
  bool mirror = false;    // flipped left to right after the turn
  double degrees = 0;     // any other angle (not a multiple of 90), clockwise; 0 when none
  bool Upright() const { return quarter_turns == 0 && !mirror && degrees == 0; }
  bool SwapsSides() const { return quarter_turns % 2 == 1; }
};

// The orientation a 3x3 display matrix (libavutil's layout) asks for.
Orientation OrientationOf(const int32_t matrix[9]);

// The orientation of a stream's pictures (upright when it has no display matrix).
Orientation StreamOrientation(const AVStream* stream);

// The libavfilter chain that shows the picture upright ("" when already upright).
std::string UprightChain(const Orientation& o);

// The size of the picture once shown upright (arbitrary angles: the box holding it).
void ShownSize(const Orientation& o, int width, int height, int* shown_width, int* shown_height);

// Turns packed 32-bit pixels of a `width`x`height` picture as `o` asks (arbitrary
// angles are ignored here); `width` and `height` become the turned picture's.
void TurnPixels(const Orientation& o, std::vector<uint32_t>* pixels, int* width, int* height);

}  // namespace media
