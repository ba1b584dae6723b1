#include "engine/convert/SubtitleTrack.h"

extern "C" {
#include <libavutil/mem.h>
}

#include <cstring>

#include "engine/convert/MetadataCopy.h"
#include "engine/media/MediaInput.h"

namespace convert {
namespace {

// A decoded subtitle, released with its own free call.
struct DecodedSubtitle {
  AVSubtitle value{};
  bool filled = false;
  ~DecodedSubtitle() {
    if (filled) avsubtitle_free(&value);
  }
};

constexpr int kMaxSubtitlePacket = 1 << 20;

}  // namespace

SubtitleTrack::SubtitleTrack(AVStream* in, const SubtitleChoice& choice, int64_t start_us, std::string* error)
    : in_(in), choice_(choice), start_us_(start_us), error_(error) {}

bool SubtitleTrack::Refuse(const std::string& text) {
  if (error_->empty()) *error_ = text;
  return false;
}

bool SubtitleTrack::AddOutputStream(AVFormatContext* out) {
  if (!packet_) return Refuse("Out of memory");
  out_ = avformat_new_stream(out, nullptr);
  if (!out_) return Refuse("Out of memory");
  if (choice_.copy) {
    const int rc = avcodec_parameters_copy(out_->codecpar, in_->codecpar);
    if (rc < 0) return Refuse("Cannot set up the subtitle track: " + media::ErrorText(rc));
    out_->codecpar->codec_tag = 0;  // the output container picks its own tag
    out_->time_base = in_->time_base;
  } else if (!OpenConverter(out)) {
    return false;
  }
  return CopyStreamMetadata(in_, out_) || Refuse("Out of memory");
}

// Text tracks of another format are decoded and encoded again in the output's.
bool SubtitleTrack::OpenConverter(AVFormatContext* out) {
  const AVCodec* enc = avcodec_find_encoder(choice_.convert_to);
  if (!enc) return Refuse("No converter for the subtitle track");
  std::string problem;
  decoder_ = media::OpenDecoder(nullptr, in_, 1, &problem);
  if (!decoder_) return Refuse(problem);
  encoder_.reset(avcodec_alloc_context3(enc));
  if (!encoder_) return Refuse("Out of memory");
  // Text encoders start from the styles the decoder read (an ASS header).
  if (decoder_->subtitle_header && decoder_->subtitle_header_size > 0) {
    encoder_->subtitle_header = static_cast<uint8_t*>(av_mallocz(decoder_->subtitle_header_size + 1));
    if (!encoder_->subtitle_header) return Refuse("Out of memory");
    std::memcpy(encoder_->subtitle_header, decoder_->subtitle_header, decoder_->subtitle_header_size);
    encoder_->subtitle_header_size = decoder_->subtitle_header_size;
  }
  encoder_->time_base = AV_TIME_BASE_Q;
  if (out->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  int rc = avcodec_open2(encoder_.get(), enc, nullptr);
  if (rc >= 0) rc = avcodec_parameters_from_context(out_->codecpar, encoder_.get());
  if (rc < 0) return Refuse("Cannot write the subtitle track: " + media::ErrorText(rc));
  out_->time_base = AV_TIME_BASE_Q;
  return true;
}

bool SubtitleTrack::Feed(const AVPacket* packet, convert::PacketWriter& writer) {
  if (decoder_) return Convert(packet, writer);
  const int rc = av_packet_ref(packet_.get(), packet);
  if (rc < 0) return Refuse("Out of memory");
  const int64_t start = av_rescale_q(start_us_, AV_TIME_BASE_Q, in_->time_base);
  if (packet_->pts != AV_NOPTS_VALUE) packet_->pts -= start;
  if (packet_->dts != AV_NOPTS_VALUE) packet_->dts -= start;
  av_packet_rescale_ts(packet_.get(), in_->time_base, out_->time_base);
  packet_->stream_index = out_->index;
  packet_->pos = -1;
  const bool ok = packet_->pts == AV_NOPTS_VALUE || packet_->pts >= 0 ? writer.Write(packet_.get()) : true;
  av_packet_unref(packet_.get());
  return ok;
}

bool SubtitleTrack::Convert(const AVPacket* packet, convert::PacketWriter& writer) {
  DecodedSubtitle sub;
  int got = 0;
  // A damaged subtitle is skipped, as players do.
  if (avcodec_decode_subtitle2(decoder_.get(), &sub.value, &got, const_cast<AVPacket*>(packet)) < 0 || !got)
    return true;
  sub.filled = true;
  if (sub.value.pts == AV_NOPTS_VALUE) return true;
  // Times as the tool writes them: the start folded into pts, counted from the source's start.
  sub.value.pts +=
      av_rescale_q(sub.value.start_display_time, AVRational{1, 1000}, AV_TIME_BASE_Q) - start_us_;
  sub.value.end_display_time -= sub.value.start_display_time;
  sub.value.start_display_time = 0;
  if (sub.value.pts < 0) return true;
  int rc = av_new_packet(packet_.get(), kMaxSubtitlePacket);
  if (rc < 0) return Refuse("Out of memory");
  const int size = avcodec_encode_subtitle(encoder_.get(), packet_->data, packet_->size, &sub.value);
  if (size < 0) {
    av_packet_unref(packet_.get());
    return Refuse("Converting the subtitles failed: " + media::ErrorText(size));
  }
  av_shrink_packet(packet_.get(), size);
  packet_->pts = packet_->dts = av_rescale_q(sub.value.pts, AV_TIME_BASE_Q, out_->time_base);
  packet_->duration = av_rescale_q(sub.value.end_display_time, AVRational{1, 1000}, out_->time_base);
  packet_->stream_index = out_->index;
  const bool ok = size == 0 || writer.Write(packet_.get());
  av_packet_unref(packet_.get());
  return ok;
}

}  // namespace convert
