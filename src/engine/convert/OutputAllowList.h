#pragma once
// The containers and encoders a conversion may use: what the output formats and
// their documented options need, and nothing that writes elsewhere than the one
// output file, writes nothing at all, or needs a device to encode.
#include <string>

struct AVOutputFormat;
struct AVCodec;

namespace convert {

// False with a message naming the container when it is not one we write.
bool MuxerAllowed(const AVOutputFormat* format, std::string* error);

// False with a message naming the encoder when it is not one we use.
bool EncoderAllowed(const AVCodec* codec, std::string* error);

}  // namespace convert
