#pragma once
// One subtitle track on its way to the output: packets copied as they are, or text
// decoded and written again in the output container's text format.
#include <cstdint>
#include <string>

#include "engine/convert/Lane.h"
#include "engine/convert/StreamSelection.h"
#include "engine/media/AVPointers.h"

namespace convert {

class SubtitleTrack final : public convert::Lane {
 public:
  // The track of source stream `in`, going out as `choice` says. `start_us` is the
  // source's start time, which the output counts from. The first failure's text is
  // kept in `error`.
  SubtitleTrack(AVStream* in, const SubtitleChoice& choice, int64_t start_us, std::string* error);

  int SourceIndex() const override { return in_->index; }
  bool AddOutputStream(AVFormatContext* out) override;
  // Turns one source packet into output packets.
  bool Feed(const AVPacket* packet, convert::PacketWriter& writer) override;
  bool Flush(convert::PacketWriter& /*writer*/) override { return true; }  // nothing is held back

 private:
  bool Refuse(const std::string& text);
  bool OpenConverter(AVFormatContext* out);
  bool Convert(const AVPacket* packet, convert::PacketWriter& writer);

  AVStream* in_;
  SubtitleChoice choice_;
  int64_t start_us_;
  std::string* error_;
  AVStream* out_ = nullptr;
  media::Codec decoder_;  // only when converting
  media::Codec encoder_;
  media::Packet packet_{av_packet_alloc()};
};

}  // namespace convert
