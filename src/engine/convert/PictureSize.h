#pragma once
// Picture sizes an encoder accepts: its grid, its smallest size, and the fixed
// sizes of codecs that have them.
#include <string>

struct AVCodec;

namespace convert {

// Moves `width` x `height` to the nearest size `codec` can code: down to its
// grid, up to its smallest size (a 1x1 source still converts). False with a
// message when the size is too large for any picture.
bool LegalPictureSize(const AVCodec* codec, int* width, int* height, std::string* error);

}  // namespace convert
