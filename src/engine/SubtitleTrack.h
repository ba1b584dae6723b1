#pragma once
// One subtitle track on its way to the output: packets copied as they are, or text
// decoded and written again in the output container's text format.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/AVPointers.h"
#include "engine/StreamSelection.h"

namespace media {

class SubtitleTrack {
 public:
  // Adds the output stream for source stream `in` to `out` (before its header is
  // written). `start_us` is the source's start time, which the output counts from.
  bool Open(AVStream* in, const SubtitleChoice& choice, AVFormatContext* out, int64_t start_us, std::string* error);

  // Turns one source packet into output packets handed to `write` (which returns
  // false when writing failed).
  bool Feed(const AVPacket* packet, const std::function<bool(AVPacket*)>& write, std::string* error);

  int SourceIndex() const { return in_ ? in_->index : -1; }

 private:
  bool Convert(const AVPacket* packet, const std::function<bool(AVPacket*)>& write, std::string* error);

  AVStream* in_ = nullptr;
  AVStream* out_ = nullptr;
  int64_t start_us_ = 0;
  avptr::Codec decoder_;  // only when converting
  avptr::Codec encoder_;
  avptr::Packet packet_{av_packet_alloc()};
};

}  // namespace media
