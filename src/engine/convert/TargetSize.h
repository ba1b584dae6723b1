#pragma once
// Picture sizes of the VCD, SVCD and DVD norms: a -target run keeps a frame size the
// norm allows and otherwise fits the picture into the norm's standard frame.
#include <string>

#include "engine/convert/EncoderOptions.h"

namespace convert {

struct TargetFrame {
  bool fitted = false;  // false: no target, or the size is legal and is kept
  int width = 0;        // the frame the norm takes
  int height = 0;
  int picture_width = 0;  // the picture inside it, centred, black bars around it
  int picture_height = 0;
  Ratio display_aspect;  // of the whole frame: 4:3, or 16:9 on DVD for wide pictures
};

// True when `width`x`height` is a frame size of the target's norm ("pal-dvd", "vcd", ...
// with `norm` "pal", "ntsc" or "film").
bool IsTargetSize(const std::string& target, const std::string& norm, int width, int height);

// For a -target run whose planned frame is `width`x`height` (square pixels unless
// -aspect names the display aspect): the frame to encode instead, or `fitted` false.
TargetFrame FitTargetFrame(const Options& options, int width, int height);

// The filters that scale the picture into the fitted frame and mark its aspect.
std::string TargetFrameChain(const TargetFrame& frame);

}  // namespace convert
