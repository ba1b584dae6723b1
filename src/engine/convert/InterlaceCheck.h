#pragma once
// A look at the first seconds of a picture stream whose header does not say whether
// it is interlaced.
#include <atomic>
#include <string>

extern "C" {
#include <libavcodec/codec_par.h>
}

namespace convert {

// Decodes up to the first 150 pictures of stream `stream` of the file at `path` (opened
// anew, read as safely as any source) and judges them: by the decoder's interlaced flags
// where most pictures carry them, else by libavfilter's idet filter, which compares each
// picture's two fields. AV_FIELD_TT or AV_FIELD_BB for interlaced pictures (the field
// shown first), AV_FIELD_PROGRESSIVE otherwise; AV_FIELD_UNKNOWN with `error` set when
// the stream could not be read.
AVFieldOrder DetectFieldOrder(const std::string& path, int stream, int threads, int read_timeout_ms,
                              const std::atomic<bool>* stop, std::string* error);

}  // namespace convert
