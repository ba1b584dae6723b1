// One stream's decode -> filter -> encode path of a conversion.
#include "engine/convert/StreamLane.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cstring>

#include "engine/convert/EncoderQuality.h"
#include "engine/convert/EncoderSpeed.h"
#include "engine/convert/MetadataCopy.h"

namespace convert {

StreamLane::StreamLane(AVStream* in, const Shared& shared)
    : shared_(shared), type_(in->codecpar->codec_type), in_(in) {
  if (shared.start_us != 0) start_offset_ = av_rescale_q(shared.start_us, AV_TIME_BASE_Q, in->time_base);
  if (shared.length_us > 0) end_ts_ = av_rescale_q(shared.length_us, AV_TIME_BASE_Q, in->time_base);
}

bool StreamLane::Fail(const std::string& text) {
  if (shared_.error->empty()) *shared_.error = text;
  return false;
}

bool StreamLane::OpenDecoder(AVFormatContext* input, media::StreamFacts* facts) {
  if (!frame_ || !filtered_ || !encoded_) return Fail("Out of memory");
  std::string problem;
  decoder_ = media::OpenDecoder(input, in_, type_ == AVMEDIA_TYPE_VIDEO ? shared_.threads : 1, &problem);
  if (!decoder_) return Fail(problem);
  if (type_ == AVMEDIA_TYPE_AUDIO && decoder_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC &&
      decoder_->ch_layout.nb_channels > 0) {
    const int channels = decoder_->ch_layout.nb_channels;
    av_channel_layout_uninit(&decoder_->ch_layout);
    av_channel_layout_default(&decoder_->ch_layout, channels);
  }
  media::RefineFromDecoder(facts, decoder_.get());
  return true;
}

bool StreamLane::Open(const LanePlan& plan, const AVOutputFormat* format) {
  chain_ = plan.chain;
  const bool ok = type_ == AVMEDIA_TYPE_VIDEO ? SetUpVideo(plan) : SetUpAudio(plan);
  return ok && OpenEncoder(format);
}

bool StreamLane::BuildGraph(const char* source_filter, const std::string& source_args,
                            const char* sink_filter) {
  const std::string what = "Cannot set up the " + media::MediaWord(type_) + " filters: ";
  graph_.reset(avfilter_graph_alloc());
  if (!graph_) return Fail("Out of memory");
  graph_->nb_threads = shared_.threads;  // 0: as many as the machine has
  int rc = avfilter_graph_create_filter(&source_, avfilter_get_by_name(source_filter), "in",
                                        source_args.c_str(), nullptr, graph_.get());
  if (rc >= 0)
    rc = avfilter_graph_create_filter(&sink_, avfilter_get_by_name(sink_filter), "out", nullptr, nullptr,
                                      graph_.get());
  if (rc < 0) return Fail(what + media::ErrorText(rc));
  media::InOut outputs(avfilter_inout_alloc());
  media::InOut inputs(avfilter_inout_alloc());
  if (!outputs || !inputs) return Fail("Out of memory");
  outputs->name = av_strdup("in");
  outputs->filter_ctx = source_;
  inputs->name = av_strdup("out");
  inputs->filter_ctx = sink_;
  if (!outputs->name || !inputs->name) return Fail("Out of memory");
  AVFilterInOut* in_raw = inputs.release();
  AVFilterInOut* out_raw = outputs.release();
  rc = avfilter_graph_parse_ptr(graph_.get(), chain_.c_str(), &in_raw, &out_raw, nullptr);
  avfilter_inout_free(&in_raw);
  avfilter_inout_free(&out_raw);
  if (rc >= 0) rc = avfilter_graph_config(graph_.get(), nullptr);
  if (rc < 0) return Fail(what + media::ErrorText(rc));
  return true;
}

bool StreamLane::SetUpVideo(const LanePlan& plan) {
  const AVCodecContext* dec = decoder_.get();
  const Options& o = *shared_.options;
  if (dec->width <= 0 || dec->height <= 0 || dec->pix_fmt == AV_PIX_FMT_NONE)
    return Fail("The source's video stream has no usable picture format");
  turn_ = media::StreamOrientation(in_);
  if (!BuildVideoGraph(dec->width, dec->height, dec->pix_fmt, dec->sample_aspect_ratio)) return false;
  encoder_.reset(avcodec_alloc_context3(plan.encoder));
  if (!encoder_) return Fail("Out of memory");
  AVCodecContext* enc = encoder_.get();
  enc->width = av_buffersink_get_w(sink_);
  enc->height = av_buffersink_get_h(sink_);
  enc->pix_fmt = static_cast<AVPixelFormat>(av_buffersink_get_format(sink_));
  enc->sample_aspect_ratio = av_buffersink_get_sample_aspect_ratio(sink_);
  enc->time_base = av_buffersink_get_time_base(sink_);
  enc->framerate = plan.frame_rate;
  if (o.video_bitrate > 0) enc->bit_rate = o.video_bitrate;
  if (o.gop >= 0) enc->gop_size = o.gop;
  if (o.max_rate > 0) enc->rc_max_rate = o.max_rate;
  if (o.min_rate >= 0) enc->rc_min_rate = o.min_rate;
  if (o.buffer_size > 0) enc->rc_buffer_size = static_cast<int>(o.buffer_size);
  enc->thread_count = shared_.threads;
  std::string problem;
  if (o.crf >= 0 && !ApplyConstantQuality(enc, o.crf, &problem)) return Fail(problem);
  return ApplySpeed(enc, o.x264_preset, &problem) || Fail(problem);
}

bool StreamLane::SetUpAudio(const LanePlan& plan) {
  const AVCodecContext* dec = decoder_.get();
  const Options& o = *shared_.options;
  if (dec->sample_rate <= 0 || dec->sample_fmt == AV_SAMPLE_FMT_NONE || dec->ch_layout.nb_channels <= 0 ||
      chain_.empty())
    return Fail("The source's audio stream has no usable sample format");
  if (!BuildAudioGraph(dec->sample_rate, dec->sample_fmt, dec->ch_layout)) return false;
  encoder_.reset(avcodec_alloc_context3(plan.encoder));
  if (!encoder_) return Fail("Out of memory");
  AVCodecContext* enc = encoder_.get();
  enc->sample_fmt = static_cast<AVSampleFormat>(av_buffersink_get_format(sink_));
  enc->sample_rate = av_buffersink_get_sample_rate(sink_);
  const int rc = av_buffersink_get_ch_layout(sink_, &enc->ch_layout);
  if (rc < 0) return Fail("Cannot set up the audio encoder: " + media::ErrorText(rc));
  enc->time_base = {1, enc->sample_rate};
  if (o.audio_bitrate > 0) enc->bit_rate = o.audio_bitrate;
  enc->thread_count = 1;
  return true;
}

bool StreamLane::OpenEncoder(const AVOutputFormat* format) {
  AVCodecContext* enc = encoder_.get();
  const AVCodec* codec = enc->codec;  // a failed open clears enc->codec
  if (format->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  const int rc = avcodec_open2(enc, codec, nullptr);
  if (rc < 0) {
    std::string what = std::string("The ") + codec->name + " encoder refused the settings";
    if (type_ == AVMEDIA_TYPE_AUDIO)
      what += " (" + std::to_string(enc->sample_rate) + " Hz, " + std::to_string(enc->ch_layout.nb_channels) +
              " channels, " + std::to_string(enc->bit_rate / 1000) + " kb/s)";
    else
      what += " (" + std::to_string(enc->width) + "x" + std::to_string(enc->height) + ", " +
              std::to_string(enc->bit_rate / 1000) + " kb/s)";
    return Fail(what + ": " + media::ErrorText(rc));
  }
  if (type_ == AVMEDIA_TYPE_AUDIO) FixAudioFrameSize();
  return true;
}

bool StreamLane::AddOutputStream(AVFormatContext* out) {
  out_ = avformat_new_stream(out, nullptr);
  if (!out_) return Fail("Out of memory");
  const int rc = avcodec_parameters_from_context(out_->codecpar, encoder_.get());
  if (rc < 0) return Fail("Cannot set up the output stream: " + media::ErrorText(rc));
  out_->time_base = encoder_->time_base;
  // Apple's players take HEVC in MP4 and QuickTime only under the hvc1 tag.
  const char* container = out->oformat->name;
  if (out_->codecpar->codec_id == AV_CODEC_ID_HEVC &&
      (std::strcmp(container, "mp4") == 0 || std::strcmp(container, "mov") == 0))
    out_->codecpar->codec_tag = MKTAG('h', 'v', 'c', '1');
  if (type_ == AVMEDIA_TYPE_VIDEO) {
    out_->avg_frame_rate = encoder_->framerate;
    out_->sample_aspect_ratio = encoder_->sample_aspect_ratio;
  }
  return convert::CopyStreamMetadata(in_, out_) || Fail("Out of memory");
}

bool StreamLane::MediaSpan(int64_t* decoded_end_us, int64_t* expected_end_us) const {
  *decoded_end_us = decoded_end_us_;
  *expected_end_us = in_->duration == AV_NOPTS_VALUE || in_->duration <= 0
                         ? 0
                         : av_rescale_q(in_->duration, in_->time_base, AV_TIME_BASE_Q);
  // A trimmed output is expected to hold what the source has of the trimmed span.
  if (*expected_end_us > 0 && shared_.skip_us > 0)
    *expected_end_us = std::max<int64_t>(1, *expected_end_us - shared_.skip_us);
  if (*expected_end_us > 0 && shared_.length_us > 0)
    *expected_end_us = std::min(*expected_end_us, shared_.length_us);
  return true;
}

// Encoders with a fixed frame size get exactly that many samples per frame.
void StreamLane::FixAudioFrameSize() {
  const AVCodecContext* enc = encoder_.get();
  if (!(enc->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && enc->frame_size > 0)
    av_buffersink_set_frame_size(sink_, enc->frame_size);
}

bool StreamLane::BuildVideoGraph(int width, int height, int format, AVRational sar) {
  if (sar.num <= 0 || sar.den <= 0) sar = {1, 1};
  const std::string args = "video_size=" + std::to_string(width) + "x" + std::to_string(height) +
                           ":pix_fmt=" + std::to_string(format) +
                           ":time_base=" + media::Fraction(in_->time_base) +
                           ":pixel_aspect=" + media::Fraction(sar);
  if (!BuildGraph("buffer", args, "buffersink")) return false;
  in_width_ = width;
  in_height_ = height;
  in_format_ = format;
  return true;
}

// A picture that changes size or format mid-stream gets filters built for it
// (a crop set up for the old size must not read outside the new picture); the
// output keeps its size.
bool StreamLane::FollowVideoChange(const AVFrame* frame) {
  if (frame->width == in_width_ && frame->height == in_height_ && frame->format == in_format_) return true;
  if (frame->width <= 0 || frame->height <= 0 || frame->format < 0)
    return Fail("The source's video changes to an unusable picture format");
  int width = 0, height = 0, shown_w = 0, shown_h = 0;
  media::ShownSize(turn_, frame->width, frame->height, &shown_w, &shown_h);
  std::string problem;
  if (!OutputSize(*shared_.options, encoder_->codec, shown_w, shown_h, &width, &height, &problem))
    return Fail("The source's picture changes size mid-stream: " + problem);
  return BuildVideoGraph(frame->width, frame->height, frame->format, frame->sample_aspect_ratio);
}

bool StreamLane::BuildAudioGraph(int rate, AVSampleFormat format, const AVChannelLayout& layout) {
  const std::string args = "time_base=1/" + std::to_string(rate) + ":sample_rate=" + std::to_string(rate) +
                           ":sample_fmt=" + av_get_sample_fmt_name(format) +
                           ":channel_layout=" + media::LayoutName(layout);
  if (!BuildGraph("abuffer", args, "abuffersink")) return false;
  in_rate_ = rate;
  in_format_ = format;
  return in_layout_.CopyFrom(layout) || Fail("Out of memory");
}

// Broadcast recordings may switch sample rate or channels mid-stream; the audio
// filters are rebuilt for the new input (the few samples still inside the old
// graph are dropped) so the output keeps its one format.
bool StreamLane::FollowAudioChange(const AVFrame* frame) {
  media::Layout layout;
  if (!layout.CopyUsable(frame->ch_layout)) return Fail("Out of memory");
  if (frame->sample_rate == in_rate_ && frame->format == in_format_ &&
      av_channel_layout_compare(&layout.get(), &in_layout_.get()) == 0)
    return true;
  if (!BuildAudioGraph(frame->sample_rate, static_cast<AVSampleFormat>(frame->format), layout.get()))
    return false;
  FixAudioFrameSize();
  return true;
}

bool StreamLane::EncodeFrame(AVFrame* frame, PacketWriter& writer) {
  if (Stopped()) return false;  // also cuts a long encoder flush short
  int rc = avcodec_send_frame(encoder_.get(), frame);
  if (rc < 0 && rc != AVERROR_EOF) return Fail("Encoding failed: " + media::ErrorText(rc));
  while (true) {
    rc = avcodec_receive_packet(encoder_.get(), encoded_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return Fail("Encoding failed: " + media::ErrorText(rc));
    AVPacket* packet = encoded_.get();
    packet->stream_index = out_->index;
    av_packet_rescale_ts(packet, encoder_->time_base, out_->time_base);
    const bool ok = writer.Write(packet);
    av_packet_unref(packet);
    if (!ok) return false;
  }
}

// Feeds one decoded frame through the filters to the encoder.
bool StreamLane::FilterFrame(AVFrame* frame, PacketWriter& writer) {
  const int rc = av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF);
  if (rc < 0) return Fail("Filtering failed: " + media::ErrorText(rc));
  return DrainFilter(writer);
}

bool StreamLane::DrainFilter(PacketWriter& writer) {
  while (true) {
    const int rc = av_buffersink_get_frame(sink_, filtered_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return Fail("Filtering failed: " + media::ErrorText(rc));
    AVFrame* out = filtered_.get();
    if (type_ == AVMEDIA_TYPE_AUDIO) {
      // Audio is written gap-free from where it starts.
      if (next_pts_ == AV_NOPTS_VALUE)
        next_pts_ = out->pts != AV_NOPTS_VALUE ? std::max<int64_t>(0, out->pts) : 0;
      out->pts = next_pts_;
      next_pts_ += out->nb_samples;
    }
    out->pict_type = AV_PICTURE_TYPE_NONE;
    const bool ok = EncodeFrame(out, writer);
    av_frame_unref(out);
    if (!ok) return false;
  }
}

// A packet the decoder refuses is skipped and counted, as the ffmpeg tool does;
// whether too much was lost is judged once the source has ended. Only a lack
// of memory ends the conversion here.
bool StreamLane::NoteDamage(int rc, const AVPacket* packet) {
  if (rc == AVERROR(ENOMEM)) return Fail("Out of memory");
  int64_t at = last_packet_us_;
  int64_t length = 0;
  if (packet) {
    const int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    if (pts != AV_NOPTS_VALUE) at = av_rescale_q(pts, in_->time_base, AV_TIME_BASE_Q) - shared_.start_us;
    length = av_rescale_q(packet->duration, in_->time_base, AV_TIME_BASE_Q);
  }
  if (length <= 0) {
    const AVCodecContext* dec = decoder_.get();
    if (type_ == AVMEDIA_TYPE_AUDIO && dec->frame_size > 0 && dec->sample_rate > 0)
      length = av_rescale(dec->frame_size, AV_TIME_BASE, dec->sample_rate);
    else if (type_ == AVMEDIA_TYPE_VIDEO && dec->framerate.num > 0 && dec->framerate.den > 0)
      length = av_rescale(AV_TIME_BASE, dec->framerate.den, dec->framerate.num);
    else
      length = AV_TIME_BASE / 25;
  }
  ++damage_.skipped;
  damage_.lost_us += length;
  if (damage_.first_us < 0) damage_.first_us = std::max<int64_t>(0, at);
  gap_pending_ = true;
  return true;
}

// Sound skipped for damage leaves a hole that the gap-free sound would close up,
// pulling everything after it ahead of the pictures: the hole is filled with
// silence instead, so sound and pictures stay together.
bool StreamLane::FillSoundGap(const AVFrame* f, PacketWriter& writer) {
  if (type_ != AVMEDIA_TYPE_AUDIO || f->sample_rate <= 0) return true;
  const int64_t pts = f->best_effort_timestamp;
  if (pts == AV_NOPTS_VALUE) return true;
  const AVRational samples_tb{1, f->sample_rate};
  const int64_t at = av_rescale_q(pts - start_offset_, in_->time_base, samples_tb);
  const int64_t gap = sound_end_ == AV_NOPTS_VALUE ? 0 : at - sound_end_;
  const int64_t start = sound_end_;
  sound_end_ = at + f->nb_samples;
  if (!gap_pending_ || gap <= 0) return true;
  gap_pending_ = false;
  if (!FollowAudioChange(f)) return false;
  // At most ten minutes, in pieces of a second.
  int64_t left = std::min<int64_t>(gap, int64_t{600} * f->sample_rate);
  for (int64_t done = 0; left > 0;) {
    media::Frame silence(av_frame_alloc());
    if (!silence) return Fail("Out of memory");
    silence->format = f->format;
    silence->sample_rate = f->sample_rate;
    silence->nb_samples = static_cast<int>(std::min<int64_t>(left, f->sample_rate));
    if (av_channel_layout_copy(&silence->ch_layout, &in_layout_.get()) < 0 ||
        av_frame_get_buffer(silence.get(), 0) < 0)
      return Fail("Out of memory");
    av_samples_set_silence(silence->extended_data, 0, silence->nb_samples, silence->ch_layout.nb_channels,
                           static_cast<AVSampleFormat>(silence->format));
    silence->pts = start + done;
    done += silence->nb_samples;
    left -= silence->nb_samples;
    if (!FilterFrame(silence.get(), writer)) return false;
  }
  return true;
}

bool StreamLane::Damage(LaneDamage* damage) const {
  *damage = damage_;
  damage->video = type_ == AVMEDIA_TYPE_VIDEO;
  return true;
}

bool StreamLane::Decode(const AVPacket* packet, PacketWriter& writer) {
  if (packet && packet->pts != AV_NOPTS_VALUE)
    last_packet_us_ = av_rescale_q(packet->pts, in_->time_base, AV_TIME_BASE_Q) - shared_.start_us;
  int rc = avcodec_send_packet(decoder_.get(), packet);
  if (rc < 0 && rc != AVERROR_EOF && rc != AVERROR(EAGAIN) && !NoteDamage(rc, packet)) return false;
  // A decoder reports each damaged frame once; the bound only guards against one
  // that would keep repeating an error.
  for (int errors = 0; errors < 256;) {
    rc = avcodec_receive_frame(decoder_.get(), frame_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) {
      if (!NoteDamage(rc, nullptr)) return false;
      ++errors;
      continue;
    }
    AVFrame* f = frame_.get();
    // A recording that starts mid-stream cannot decode its first few packets;
    // that is where it was cut, not damage.
    if (frames_decoded_ == 0 && last_packet_us_ < AV_TIME_BASE) {
      damage_ = LaneDamage{};
      gap_pending_ = false;
    }
    // Pictures the decoder patched up from their neighbours are kept, and counted.
    if (f->decode_error_flags != 0 || (f->flags & AV_FRAME_FLAG_CORRUPT)) {
      ++damage_.patched;
      if (damage_.first_us < 0) damage_.first_us = std::max<int64_t>(0, last_packet_us_);
    }
    bool keep = true;
    const bool ok =
        Trim(f, &keep) && (!keep || (FillSoundGap(f, writer) && Place(f) && FilterFrame(f, writer)));
    if (!keep) ++frames_left_out_;
    av_frame_unref(f);
    if (!ok) return false;
  }
  return true;
}

bool StreamLane::Flush(PacketWriter& writer) {
  if (!Decode(nullptr, writer)) return false;
  if (frames_decoded_ == 0 && damage_.skipped > 0)
    return Fail(std::string(type_ == AVMEDIA_TYPE_VIDEO ? "The video" : "The sound") +
                " is damaged from the start and could not be read");
  if (frames_decoded_ == 0 && frames_left_out_ > 0)
    return Fail("The " + media::MediaWord(type_) + " of the source ends before the chosen start time");
  if (frames_decoded_ == 0)
    return Fail("No " + media::MediaWord(type_) +
                " could be decoded from the source (damaged or empty stream)");
  // Closing at the end of the last frame lets the frame-rate filter keep that frame.
  const int rc = end_pts_ == AV_NOPTS_VALUE ? av_buffersrc_add_frame_flags(source_, nullptr, 0)
                                            : av_buffersrc_close(source_, end_pts_, 0);
  if (rc < 0) return Fail("Filtering failed: " + media::ErrorText(rc));
  return DrainFilter(writer) && EncodeFrame(nullptr, writer);
}

}  // namespace convert
