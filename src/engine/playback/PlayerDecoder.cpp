#include "engine/playback/PlayerDecoder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "engine/media/MediaInput.h"
#include "engine/playback/PlaybackState.h"
#include "engine/playback/PlayerAudioOutput.h"

namespace playback {

namespace {
constexpr int kMaxSurfaceSide = 8192;      // largest picture side the screen may ask for
constexpr int kUnknownSurfaceSide = 4096;  // largest side while the screen's size is unknown
}  // namespace

PlayerDecoder::PlayerDecoder(PlaybackState& shared, AVMediaType type)
    : shared_(shared),
      type_(type),
      packets_(type == AVMEDIA_TYPE_AUDIO ? shared.audio_packets_ : shared.video_packets_) {}

bool PlayerDecoder::Open(int index) {
  AVFormatContext* format = shared_.Format();
  AVStream* stream = format->streams[index];
  std::string problem;
  media::Codec context =
      media::OpenDecoder(format, stream, 0, &problem);  // 0: as many threads as the machine has
  if (!context) return false;
  codec_ = std::move(context);
  time_base_ = stream->time_base;
  if (!IsAudio()) {
    turn_ = media::StreamOrientation(stream);
    const AVRational rate = av_guess_frame_rate(format, stream, nullptr);
    if (rate.num > 0 && rate.den > 0) frame_duration_us_ = av_rescale(1000000, rate.den, rate.num);
  }
  return true;
}

void PlayerDecoder::Loop() {
  PlaybackState& s = shared_;
  AVCodecContext* codec = codec_.get();
  media::Frame frame(av_frame_alloc());
  if (!frame) throw std::bad_alloc();
  int decoder_gen = -1;
  while (!s.abort_) {
    std::optional<QueuedPacket> item = packets_.Pop();
    if (!item || item->gen != s.gen_) continue;
    if (item->gen != decoder_gen) {
      if (decoder_gen != -1) avcodec_flush_buffers(codec);
      decoder_gen = item->gen;
      next_pts_ = 0;
      timeline_.Reset();
    }
    const bool end = !item->packet;
    if (!IsAudio() && !end) SkipPicturesBeforeTarget(item->packet.get());
    const int sent = avcodec_send_packet(codec, item->packet.get());
    if (sent < 0 && !end) {
      NoteDamage(item->packet.get());  // a damaged packet is skipped
      continue;
    }
    while (!s.abort_) {
      if (avcodec_receive_frame(codec, frame.get()) < 0) break;
      if (IsAudio()) {
        HandleAudioFrame(frame.get(), decoder_gen);
      } else {
        HandleVideoFrame(frame.get(), decoder_gen);
      }
      av_frame_unref(frame.get());
    }
    if (end) {
      (IsAudio() ? s.audio_done_gen_ : s.video_done_gen_) = decoder_gen;
      avcodec_flush_buffers(codec);  // ready for more after a later seek
    }
  }
}

// Keeps where the earliest damaged packet lies, to tell damage from a file cut short.
void PlayerDecoder::NoteDamage(const AVPacket* packet) {
  if (packet->pts == AV_NOPTS_VALUE) return;
  const int64_t at = av_rescale_q(packet->pts, time_base_, AV_TIME_BASE_Q) - shared_.StartTime();
  int64_t seen = shared_.first_damage_us_;
  while (at < seen && !shared_.first_damage_us_.compare_exchange_weak(seen, at)) {
  }
}

// While catching up with an exact seek target, pictures nothing else refers to
// need not be decoded at all: that shortens the way from the key frame.
void PlayerDecoder::SkipPicturesBeforeTarget(const AVPacket* packet) {
  const int64_t floor = shared_.seek_floor_;
  AVDiscard wanted = AVDISCARD_DEFAULT;
  if (floor != INT64_MIN && packet->pts != AV_NOPTS_VALUE) {
    const int64_t pts = av_rescale_q(packet->pts, time_base_, AV_TIME_BASE_Q) - shared_.StartTime();
    // Pictures can leave the decoder in another order: keep a margin before the target.
    if (pts + 4 * frame_duration_us_ < floor) wanted = AVDISCARD_NONREF;
  }
  if (codec_->skip_frame != wanted) codec_->skip_frame = wanted;
}

bool PlayerDecoder::ConvertPicture(AVFrame* frame, PlayerFrame& out) {
  const double sar = frame->sample_aspect_ratio.num > 0 && frame->sample_aspect_ratio.den > 0
                         ? av_q2d(frame->sample_aspect_ratio)
                         : 1.0;
  // Fitted as shown (turned upright), scaled as stored, then turned.
  const bool sideways = turn_.SwapsSides();
  const double shown_w = sideways ? frame->height : frame->width * sar;
  const double shown_h = sideways ? frame->width * sar : frame->height;
  // The picture fills the screen's frame size; before the screen has told it, it
  // keeps its own shown size, but never more than a fixed ceiling: a hostile
  // aspect ratio must not make it gigabytes wide.
  const int fw = std::min<int>(shared_.FrameWidth(), kMaxSurfaceSide);
  const int fh = std::min<int>(shared_.FrameHeight(), kMaxSurfaceSide);
  double scale = 1.0;
  if (fw > 0 && fh > 0)
    scale = std::min(fw / shown_w, fh / shown_h);
  else
    scale = std::min({1.0, kUnknownSurfaceSide / shown_w, kUnknownSurfaceSide / shown_h});
  int w = static_cast<int>(std::clamp(std::round(shown_w * scale), 2.0, double{kMaxSurfaceSide}));
  int h = static_cast<int>(std::clamp(std::round(shown_h * scale), 2.0, double{kMaxSurfaceSide}));
  if (sideways) std::swap(w, h);
  SwsContext* sws = sws_getCachedContext(sws_.release(), frame->width, frame->height,
                                         static_cast<AVPixelFormat>(frame->format), w, h, AV_PIX_FMT_RGB32,
                                         SWS_BILINEAR, nullptr, nullptr, nullptr);
  sws_.reset(sws);
  if (!sws) return false;
  out.width = w;
  out.height = h;
  out.pixels.resize(static_cast<size_t>(w) * h);
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(out.pixels.data()), nullptr, nullptr, nullptr};
  int strides[4] = {w * 4, 0, 0, 0};
  if (sws_scale(sws, frame->data, frame->linesize, 0, frame->height, planes, strides) <= 0) return false;
  media::TurnPixels(turn_, &out.pixels, &out.width, &out.height);
  return true;
}

void PlayerDecoder::HandleVideoFrame(AVFrame* frame, int gen) {
  PlaybackState& s = shared_;
  int64_t pts = next_pts_;
  if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
    pts = timeline_.Place(
        av_rescale_q(frame->best_effort_timestamp, time_base_, AV_TIME_BASE_Q) - s.StartTime(), next_pts_);
  next_pts_ = pts + frame_duration_us_;
  const int64_t floor = s.seek_floor_;
  if (floor != INT64_MIN && pts + frame_duration_us_ <= floor) return;  // before an exact target
  s.UpdateStatistics([](PlayerStatistics& st) { ++st.framesDecoded; });
  auto picture = std::make_shared<PlayerFrame>();
  picture->position = pts;
  if (s.Sink() && !ConvertPicture(frame, *picture)) return;
  s.pictures_.Push(QueuedPicture{std::move(picture), gen}, [&s, gen] { return s.abort_ || s.gen_ != gen; });
}

// (Re)builds the converter when the decoded format changes. False when it cannot.
bool PlayerDecoder::UpdateResampler(const AVFrame* frame) {
  if (swr_ && swr_in_format_ == frame->format && swr_in_rate_ == frame->sample_rate &&
      av_channel_layout_compare(&swr_in_layout_.get(), &frame->ch_layout) == 0)
    return true;
  swr_.reset();
  if (!swr_in_layout_.CopyFrom(frame->ch_layout)) return false;
  media::Layout in_layout;
  if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0) {
    in_layout.SetDefault(std::max(frame->ch_layout.nb_channels, 1));
  } else if (!in_layout.CopyFrom(frame->ch_layout)) {
    return false;
  }
  media::Layout out_layout;
  out_layout.SetDefault(audio_->Channels());
  SwrContext* raw = nullptr;
  const int ret =
      swr_alloc_set_opts2(&raw, out_layout.out(), AV_SAMPLE_FMT_S16, audio_->Rate(), in_layout.out(),
                          static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
  media::Resampler swr(raw);
  if (ret < 0 || swr_init(swr.get()) < 0) return false;
  swr_ = std::move(swr);
  swr_in_format_ = frame->format;
  swr_in_rate_ = frame->sample_rate;
  return true;
}

void PlayerDecoder::HandleAudioFrame(AVFrame* frame, int gen) {
  PlaybackState& s = shared_;
  if (!UpdateResampler(frame)) return;
  const int out_rate = audio_->Rate();
  const int capacity = swr_get_out_samples(swr_.get(), frame->nb_samples) + 32;
  if (capacity <= 0) return;
  const int frame_bytes = audio_->Channels() * 2;
  AudioChunk chunk;
  chunk.gen = gen;
  chunk.data.resize(static_cast<size_t>(capacity) * frame_bytes);
  uint8_t* out[1] = {chunk.data.data()};
  const int got = swr_convert(swr_.get(), out, capacity, const_cast<const uint8_t**>(frame->extended_data),
                              frame->nb_samples);
  if (got <= 0) return;
  chunk.data.resize(static_cast<size_t>(got) * frame_bytes);

  int64_t pts = next_pts_;
  if (frame->pts != AV_NOPTS_VALUE)
    pts = timeline_.Place(av_rescale_q(frame->pts, time_base_, AV_TIME_BASE_Q) - s.StartTime(), next_pts_);
  next_pts_ = pts + int64_t{got} * 1000000 / out_rate;
  chunk.pts = pts;  // refers to data[0]; an offset is accounted for when played
  const int64_t floor = s.seek_floor_;
  if (floor != INT64_MIN && pts < floor) {
    // Drop the sound before an exact seek target.
    const int64_t skip = (floor - pts) * out_rate / 1000000;
    if (skip >= got) return;
    chunk.offset = static_cast<size_t>(skip) * frame_bytes;
  }
  audio_->Queue(std::move(chunk));
}

}  // namespace playback
