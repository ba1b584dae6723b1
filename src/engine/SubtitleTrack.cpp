#include "engine/SubtitleTrack.h"

extern "C" {
#include <libavutil/mem.h>
}

#include <cstring>

namespace media {
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

bool Refuse(std::string* error, const std::string& text) {
  *error = text;
  return false;
}

}  // namespace

bool SubtitleTrack::Open(AVStream* in, const SubtitleChoice& choice, AVFormatContext* out, int64_t start_us,
                         std::string* error) {
  in_ = in;
  start_us_ = start_us;
  if (!packet_) return Refuse(error, "Out of memory");
  out_ = avformat_new_stream(out, nullptr);
  if (!out_) return Refuse(error, "Out of memory");
  if (choice.copy) {
    const int rc = avcodec_parameters_copy(out_->codecpar, in->codecpar);
    if (rc < 0) return Refuse(error, "Cannot set up the subtitle track: " + avptr::ErrorText(rc));
    out_->codecpar->codec_tag = 0;  // the output container picks its own tag
    out_->time_base = in->time_base;
    return true;
  }
  const AVCodec* dec = avcodec_find_decoder(in->codecpar->codec_id);
  const AVCodec* enc = avcodec_find_encoder(choice.convert_to);
  if (!dec || !enc) return Refuse(error, "No converter for the subtitle track");
  decoder_.reset(avcodec_alloc_context3(dec));
  encoder_.reset(avcodec_alloc_context3(enc));
  if (!decoder_ || !encoder_) return Refuse(error, "Out of memory");
  int rc = avcodec_parameters_to_context(decoder_.get(), in->codecpar);
  if (rc >= 0) {
    decoder_->pkt_timebase = in->time_base;
    rc = avcodec_open2(decoder_.get(), dec, nullptr);
  }
  if (rc < 0) return Refuse(error, "Cannot read the subtitle track: " + avptr::ErrorText(rc));
  // Text encoders start from the styles the decoder read (an ASS header).
  if (decoder_->subtitle_header && decoder_->subtitle_header_size > 0) {
    encoder_->subtitle_header = static_cast<uint8_t*>(av_mallocz(decoder_->subtitle_header_size + 1));
    if (!encoder_->subtitle_header) return Refuse(error, "Out of memory");
    std::memcpy(encoder_->subtitle_header, decoder_->subtitle_header, decoder_->subtitle_header_size);
    encoder_->subtitle_header_size = decoder_->subtitle_header_size;
  }
  encoder_->time_base = AV_TIME_BASE_Q;
  if (out->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  rc = avcodec_open2(encoder_.get(), enc, nullptr);
  if (rc >= 0) rc = avcodec_parameters_from_context(out_->codecpar, encoder_.get());
  if (rc < 0) return Refuse(error, "Cannot write the subtitle track: " + avptr::ErrorText(rc));
  out_->time_base = AV_TIME_BASE_Q;
  return true;
}

bool SubtitleTrack::Feed(const AVPacket* packet, const std::function<bool(AVPacket*)>& write, std::string* error) {
  if (decoder_) return Convert(packet, write, error);
  const int rc = av_packet_ref(packet_.get(), packet);
  if (rc < 0) return Refuse(error, "Out of memory");
  const int64_t start = av_rescale_q(start_us_, AV_TIME_BASE_Q, in_->time_base);
  if (packet_->pts != AV_NOPTS_VALUE) packet_->pts -= start;
  if (packet_->dts != AV_NOPTS_VALUE) packet_->dts -= start;
  av_packet_rescale_ts(packet_.get(), in_->time_base, out_->time_base);
  packet_->stream_index = out_->index;
  packet_->pos = -1;
  const bool ok = packet_->pts == AV_NOPTS_VALUE || packet_->pts >= 0 ? write(packet_.get()) : true;
  av_packet_unref(packet_.get());
  return ok;
}

bool SubtitleTrack::Convert(const AVPacket* packet, const std::function<bool(AVPacket*)>& write,
                            std::string* error) {
  DecodedSubtitle sub;
  int got = 0;
  // A damaged subtitle is skipped, as players do.
  if (avcodec_decode_subtitle2(decoder_.get(), &sub.value, &got, const_cast<AVPacket*>(packet)) < 0 || !got)
    return true;
  sub.filled = true;
  if (sub.value.pts == AV_NOPTS_VALUE) return true;
  // Times as the tool writes them: the start folded into pts, counted from the source's start.
  sub.value.pts += av_rescale_q(sub.value.start_display_time, AVRational{1, 1000}, AV_TIME_BASE_Q) - start_us_;
  sub.value.end_display_time -= sub.value.start_display_time;
  sub.value.start_display_time = 0;
  if (sub.value.pts < 0) return true;
  int rc = av_new_packet(packet_.get(), kMaxSubtitlePacket);
  if (rc < 0) return Refuse(error, "Out of memory");
  const int size = avcodec_encode_subtitle(encoder_.get(), packet_->data, packet_->size, &sub.value);
  if (size < 0) {
    av_packet_unref(packet_.get());
    return Refuse(error, "Converting the subtitles failed: " + avptr::ErrorText(size));
  }
  av_shrink_packet(packet_.get(), size);
  packet_->pts = packet_->dts = av_rescale_q(sub.value.pts, AV_TIME_BASE_Q, out_->time_base);
  packet_->duration = av_rescale_q(sub.value.end_display_time, AVRational{1, 1000}, out_->time_base);
  packet_->stream_index = out_->index;
  const bool ok = size == 0 || write(packet_.get());
  av_packet_unref(packet_.get());
  return ok;
}

}  // namespace media
