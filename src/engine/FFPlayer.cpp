#include "engine/FFPlayer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

#include "engine/AVLib.h"
#include "engine/AVPointers.h"
#include "engine/DisplayMatrix.h"
#include "engine/ExceptionText.h"
#include "engine/MediaInput.h"
#include "engine/PlayerClock.h"
#include "engine/PlayerQueue.h"
#include "engine/PlayerWaveform.h"

namespace {

struct SwrFreer {
  void operator()(SwrContext* s) const { swr_free(&s); }
};
struct SwsFreer {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
using FormatPtr = avptr::Input;
using CodecPtr = avptr::Codec;
using PacketPtr = avptr::Packet;
using FramePtr = avptr::Frame;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;

constexpr int64_t kPositionIntervalUs = 200000;  // position events while playing
constexpr int64_t kWaveIntervalUs = 40000;       // waveform pictures per second: 25
constexpr int64_t kHoldLimitUs = 300000;         // longest wait for sound before pictures run
constexpr int64_t kAudioBufferUs = 300000;       // decoded sound kept ahead of the device
constexpr int64_t kPumpChunkUs = 20000;          // sound consumed per step without a device
constexpr int kWaveDefaultWidth = 512;
constexpr int kMaxSurfaceSide = 8192;       // largest picture side the screen may ask for
constexpr int kUnknownSurfaceSide = 4096;   // largest side while the screen's size is unknown
constexpr int kWaveDefaultHeight = 288;

struct QueuedPacket {
  PacketPtr packet;  // null for the end-of-file marker
  int gen = 0;
};

struct AudioChunk {
  std::vector<uint8_t> data;  // interleaved signed 16-bit samples
  size_t offset = 0;
  int64_t pts = 0;  // microseconds of data[0]
  int gen = 0;
};

struct Picture {
  std::shared_ptr<PlayerFrame> frame;
  int gen = 0;
};

void SleepUs(int64_t us) { std::this_thread::sleep_for(std::chrono::microseconds(us)); }

// The session whose event handler or sink call this thread is running.
thread_local const void* t_event_session = nullptr;

struct EventScope {
  explicit EventScope(const void* session) : previous(t_event_session) { t_event_session = session; }
  ~EventScope() { t_event_session = previous; }
  const void* previous;
};

}  // namespace

// Everything that lives for one opened file.
class PlayerSession {
 public:
  struct Settings {
    FFPlayer::ShowAudioMode showAudio = FFPlayer::saWave;
    int audioStream = -1;
    int videoStream = -1;
    int readTimeoutMs = 10000;
    std::function<void(int64_t)> onDuration;
    std::function<void(int64_t)> onPosition;
    std::function<void(int32_t)> onState;
  };

  PlayerSession(Settings settings, PlayerSink* sink, std::atomic<int>& volume,
                std::atomic<bool>& mute, std::atomic<int>& frameWidth, std::atomic<int>& frameHeight)
      : settings_(std::move(settings)),
        sink_(sink),
        volume_(volume),
        mute_(mute),
        frame_width_(frameWidth),
        frame_height_(frameHeight) {}

  ~PlayerSession() { Shutdown(); }

  bool Open(const std::string& path, bool startPaused, std::string& error);
  void Shutdown();

  void Pause();
  void Resume();
  void RequestSeek(int64_t target, int32_t flags);
  int32_t State() const { return state_; }
  int64_t Position() const;
  int64_t Duration() const { return duration_; }
  bool HasVideo() const { return video_index_ >= 0; }
  bool HasAudio() const { return audio_index_ >= 0; }
  // True on a thread that runs one of this session's handlers or sink calls.
  bool InOwnEvent() const { return t_event_session == this; }
  // Ends playback without waiting for the threads (from inside a handler): they
  // leave on their own and are joined when the session is destroyed.
  void Abandon(bool silence) {
    if (silence) {
      std::lock_guard lock(event_mutex_);  // recursive: the caller may hold it
      closed_ = true;
    }
    abort_ = true;
    audio_packets_.Abort();
    video_packets_.Abort();
    pictures_.Abort();
    state_ = FFPlayer::kStateStopped;
  }
  // Why playback ended on its own with an error; empty when it did not.
  std::string Failure() const {
    std::lock_guard lock(failure_mutex_);
    return failure_;
  }
  bool ShowsPictures() const {
    return sink_ && (HasVideo() || settings_.showAudio == FFPlayer::saWave);
  }
  PlayerSink* Sink() const { return sink_; }
  PlayerStatistics Statistics() const {
    std::lock_guard lock(stats_mutex_);
    return stats_;
  }

 private:
  static void SdlCallback(void* opaque, Uint8* stream, int len);

  bool OpenStream(int index, CodecPtr& codec);
  void OpenAudioOutput();
  void Start();
  void Emit(int32_t state) { Notify(settings_.onState, state); }
  // Events reach the handlers one at a time and not at all once the player is
  // gone; a throwing handler does not end a worker thread (nor the program).
  template <typename Handler, typename Value>
  void Notify(const Handler& handler, Value value) {
    std::lock_guard lock(event_mutex_);
    if (closed_ || !handler) return;
    EventScope scope(this);
    try {
      handler(value);
    } catch (...) {
    }
  }
  // Runs a worker's loop; whatever it throws ends the playback, not the program.
  template <typename Loop>
  void Guarded(Loop loop) {
    try {
      loop();
    } catch (...) {
      Fail(media::ExceptionText(std::current_exception()));
    }
  }
  void Fail(const std::string& message);

  // Reader
  void ReaderLoop();
  void DoSeek();
  void PushPacket(PlayerQueue<QueuedPacket>& queue, AVPacket* packet, int gen);
  void MarkEndOfFile();

  // Decoders
  void DecoderLoop(bool audio);
  void HandleVideoFrame(AVFrame* frame, int gen);
  void SkipPicturesBeforeTarget(AVCodecContext* codec, const AVPacket* packet);
  void HandleAudioFrame(AVFrame* frame, int gen);
  bool ConvertPicture(AVFrame* frame, PlayerFrame& out);

  // Sound output
  void FillAudio(uint8_t* stream, int len);
  void PumpLoop();
  size_t AudioBuffered(int gen);

  // Presenter
  void PresenterLoop();
  bool PresentNextPicture(int gen, int64_t now);
  void PresentWave(int64_t now);
  void Show(std::shared_ptr<PlayerFrame> frame);
  bool AtEnd(int gen);
  void FinishIfAtEnd(int gen);
  void ReportPosition(int64_t now, bool force);

  Settings settings_;
  PlayerSink* sink_;
  std::atomic<int>& volume_;
  std::atomic<bool>& mute_;
  std::atomic<int>& frame_width_;
  std::atomic<int>& frame_height_;

  // Limits every read of the file in time and ends it on Stop; outlives format_,
  // whose I/O layer keeps a pointer to it.
  media::ReadWatch watch_{settings_.readTimeoutMs, &abort_};
  FormatPtr format_;
  CodecPtr audio_codec_;
  CodecPtr video_codec_;
  int audio_index_ = -1;
  int video_index_ = -1;
  AVRational audio_tb_{1, 1};
  AVRational video_tb_{1, 1};
  int64_t frame_duration_us_ = 40000;
  int64_t start_time_ = 0;
  int64_t duration_ = 0;

  std::atomic<bool> abort_{false};
  std::atomic<int> gen_{0};
  std::atomic<int> eof_gen_{-1};
  std::atomic<int> audio_done_gen_{-1};
  std::atomic<int> video_done_gen_{-1};
  std::atomic<int64_t> seek_floor_{INT64_MIN};

  std::mutex seek_mutex_;
  std::atomic<bool> seek_pending_{false};
  int64_t seek_target_ = 0;
  int32_t seek_flags_ = 0;
  bool seek_done_ = false;  // seek_target_ was reached (guarded by seek_mutex_)

  PlayerQueue<QueuedPacket> audio_packets_{512};
  PlayerQueue<QueuedPacket> video_packets_{256};
  PlayerQueue<Picture> pictures_{3};

  // Sound output: decoded chunks, the device or the paced pump that replaces it.
  std::mutex audio_mutex_;
  std::deque<AudioChunk> audio_chunks_;
  size_t audio_bytes_ = 0;
  PlayerWaveRing wave_;
  bool sdl_audio_ = false;
  SDL_AudioDeviceID device_ = 0;
  int out_rate_ = 44100;
  int out_channels_ = 2;
  int64_t device_latency_us_ = 0;
  SwrPtr swr_;
  int swr_in_format_ = -1;
  int swr_in_rate_ = 0;
  AVChannelLayout swr_in_layout_{};
  int64_t next_audio_pts_ = 0;

  SwsPtr sws_;
  media::Orientation turn_;  // how the stored pictures are shown upright
  int64_t next_video_pts_ = 0;

  PlayerClock clock_;
  std::atomic<int32_t> state_{FFPlayer::kStateStopped};
  std::atomic<bool> refresh_pending_{false};
  std::atomic<int> end_reported_gen_{-1};
  std::atomic<int> video_ready_gen_{-1};  // the first picture of this position is decoded
  std::atomic<int64_t> requested_position_{-1};
  int64_t last_position_time_ = 0;
  std::atomic<int64_t> last_position_{-1};  // reset by the reader at a seek
  int64_t last_wave_time_ = 0;
  int shown_width_ = 0;
  int shown_height_ = 0;

  mutable std::mutex stats_mutex_;
  PlayerStatistics stats_;

  mutable std::mutex failure_mutex_;
  std::string failure_;

  // Held while a handler or the sink runs; recursive, as a handler may call
  // Pause or Resume, which raise events of their own.
  std::recursive_mutex event_mutex_;
  bool closed_ = false;  // (event_mutex_) no more events or sink calls

  std::thread reader_;
  std::thread audio_decoder_;
  std::thread video_decoder_;
  std::thread presenter_;
  std::thread pump_;
  bool started_ = false;

  friend class FFPlayer;
};

// ---------------------------------------------------------------- opening

bool PlayerSession::OpenStream(int index, CodecPtr& codec) {
  AVStream* stream = format_->streams[index];
  const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
  if (!decoder) return false;
  CodecPtr context(avcodec_alloc_context3(decoder));
  if (!context) return false;
  if (avcodec_parameters_to_context(context.get(), stream->codecpar) < 0) return false;
  context->pkt_timebase = stream->time_base;
  context->thread_count = 0;  // as many as the machine has
  if (avcodec_open2(context.get(), decoder, nullptr) < 0) return false;
  codec = std::move(context);
  return true;
}

bool PlayerSession::Open(const std::string& path, bool startPaused, std::string& error) {
  if (path.empty()) {
    error = "No file name was given.";
    return false;
  }
  // The same safe opening as conversions: regular files only, no protocols, and a
  // time limit on every read.
  std::string why;
  format_ = media::OpenInput(path, &watch_, &why);
  if (!format_) {
    error = "Cannot open file \"" + path + "\": " + why;
    return false;
  }

  const int nb = static_cast<int>(format_->nb_streams);
  auto pick = [&](AVMediaType type, int wanted) {
    if (wanted >= 0 && wanted < nb && format_->streams[wanted]->codecpar->codec_type == type)
      return wanted;
    const int best = av_find_best_stream(format_.get(), type, -1, -1, nullptr, 0);
    return best >= 0 ? best : -1;
  };
  int video = pick(AVMEDIA_TYPE_VIDEO, settings_.videoStream);
  // A cover picture is not a video: such files play as sound with the waveform.
  if (video >= 0 && (format_->streams[video]->disposition & AV_DISPOSITION_ATTACHED_PIC)) video = -1;
  const int audio = pick(AVMEDIA_TYPE_AUDIO, settings_.audioStream);
  if (video >= 0 && OpenStream(video, video_codec_)) video_index_ = video;
  if (audio >= 0 && OpenStream(audio, audio_codec_)) audio_index_ = audio;
  if (video_index_ < 0 && audio_index_ < 0) {
    error = "\"" + path + "\" has no audio or video stream that can be played.";
    return false;
  }
  if (video_index_ >= 0) {
    AVStream* st = format_->streams[video_index_];
    video_tb_ = st->time_base;
    turn_ = media::StreamOrientation(st);
    const AVRational rate = av_guess_frame_rate(format_.get(), st, nullptr);
    if (rate.num > 0 && rate.den > 0) frame_duration_us_ = av_rescale(1000000, rate.den, rate.num);
  }
  if (audio_index_ >= 0) audio_tb_ = format_->streams[audio_index_]->time_base;

  start_time_ = format_->start_time != AV_NOPTS_VALUE ? format_->start_time : 0;
  duration_ = media::EstimateDuration(format_.get(), path);

  if (audio_index_ >= 0) OpenAudioOutput();
  state_ = startPaused ? FFPlayer::kStatePaused : FFPlayer::kStatePlaying;
  clock_.Hold(0);
  clock_.SetPaused(startPaused, PlayerClock::Now());
  refresh_pending_ = true;
  try {
    Start();
  } catch (...) {
    // The threads that did start are stopped and joined when the session goes.
    error = "Cannot start playback: " + media::ExceptionText(std::current_exception());
    return false;
  }
  return true;
}

void PlayerSession::Fail(const std::string& message) {
  {
    std::lock_guard lock(failure_mutex_);
    if (!failure_.empty()) return;
    failure_ = "Playback stopped: " + message;
  }
  Abandon(false);
  Emit(FFPlayer::kStateStopped);
}

void PlayerSession::OpenAudioOutput() {
  const AVCodecContext* codec = audio_codec_.get();
  out_rate_ = codec->sample_rate > 0 ? codec->sample_rate : 44100;
  out_channels_ = std::clamp(codec->ch_layout.nb_channels, 1, 2);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    sdl_audio_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = out_rate_;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(out_channels_);
    wanted.samples = 1024;
    wanted.callback = &PlayerSession::SdlCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ != 0 && obtained.freq > 0 && obtained.channels > 0) {
      out_rate_ = obtained.freq;
      out_channels_ = obtained.channels;
      device_latency_us_ = int64_t{obtained.samples} * 1000000 / obtained.freq;
      return;
    }
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdl_audio_ = false;
  }
  // No sound device: the pump consumes the sound at the wall clock's pace.
  device_latency_us_ = 0;
}

void PlayerSession::Start() {
  // No event reaches a handler before every thread is in place: a handler may
  // stop or destroy the player at once.
  std::lock_guard gate(event_mutex_);
  started_ = true;
  reader_ = std::thread([this] { Guarded([this] { ReaderLoop(); }); });
  if (audio_index_ >= 0) audio_decoder_ = std::thread([this] { Guarded([this] { DecoderLoop(true); }); });
  if (video_index_ >= 0) video_decoder_ = std::thread([this] { Guarded([this] { DecoderLoop(false); }); });
  presenter_ = std::thread([this] { Guarded([this] { PresenterLoop(); }); });
  if (audio_index_ >= 0) {
    if (device_ != 0) {
      if (state_ == FFPlayer::kStatePlaying) SDL_PauseAudioDevice(device_, 0);
    } else {
      pump_ = std::thread([this] { Guarded([this] { PumpLoop(); }); });
    }
  }
  std::lock_guard lock(stats_mutex_);
  stats_.audioDevice = device_ != 0;
}

void PlayerSession::Shutdown() {
  abort_ = true;
  audio_packets_.Abort();
  video_packets_.Abort();
  pictures_.Abort();
  // Closing the device waits for a running callback; none follows.
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  device_ = 0;
  if (sdl_audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  sdl_audio_ = false;
  for (std::thread* t : {&reader_, &audio_decoder_, &video_decoder_, &presenter_, &pump_})
    if (t->joinable()) t->join();
  av_channel_layout_uninit(&swr_in_layout_);
  state_ = FFPlayer::kStateStopped;
}

// ---------------------------------------------------------------- control

void PlayerSession::Pause() {
  int32_t expected = FFPlayer::kStatePlaying;
  if (!state_.compare_exchange_strong(expected, FFPlayer::kStatePaused)) return;
  clock_.SetPaused(true, PlayerClock::Now());
  if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
  Emit(FFPlayer::kStatePaused);
}

void PlayerSession::Resume() {
  int32_t expected = FFPlayer::kStatePaused;
  if (!state_.compare_exchange_strong(expected, FFPlayer::kStatePlaying)) {
    expected = FFPlayer::kStateEnded;
    if (!state_.compare_exchange_strong(expected, FFPlayer::kStatePlaying)) return;
    end_reported_gen_ = -1;  // resuming at the end reports the end again
  }
  clock_.SetPaused(false, PlayerClock::Now());
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
  Emit(FFPlayer::kStatePlaying);
}

void PlayerSession::RequestSeek(int64_t target, int32_t flags) {
  {
    std::lock_guard lock(seek_mutex_);
    // Seeking a paused player again to the position it is already going to (or
    // showing) would only restart the decoding: leave the running seek alone.
    const bool same = target == seek_target_ && flags == seek_flags_;
    if (same && state_ == FFPlayer::kStatePaused &&
        (seek_pending_ || (seek_done_ && clock_.Get(PlayerClock::Now()) == target)))
      return;
    seek_target_ = target;
    seek_flags_ = flags;
    seek_pending_ = true;
  }
  requested_position_ = target;
  int32_t expected = FFPlayer::kStateEnded;
  if (state_.compare_exchange_strong(expected, FFPlayer::kStatePaused)) Emit(FFPlayer::kStatePaused);
}

int64_t PlayerSession::Position() const {
  const int64_t requested = requested_position_;
  if (requested >= 0) return requested;
  const int64_t pos = std::max<int64_t>(0, clock_.Get(PlayerClock::Now()));
  return duration_ > 0 ? std::min(pos, duration_) : pos;
}

// ---------------------------------------------------------------- reading

void PlayerSession::ReaderLoop() {
  Notify(settings_.onDuration, duration_);
  PacketPtr packet(av_packet_alloc());
  if (!packet) return;
  while (!abort_) {
    if (seek_pending_) {
      DoSeek();
      continue;
    }
    if (eof_gen_ == gen_) {
      SleepUs(10000);
      continue;
    }
    const int ret = av_read_frame(format_.get(), packet.get());
    if (ret == AVERROR(EAGAIN)) {
      SleepUs(5000);
      continue;
    }
    if (ret < 0) {
      // The end, or a read error: what was read still plays out.
      MarkEndOfFile();
      continue;
    }
    const int gen = gen_;
    if (packet->stream_index == audio_index_) {
      PushPacket(audio_packets_, packet.get(), gen);
    } else if (packet->stream_index == video_index_) {
      PushPacket(video_packets_, packet.get(), gen);
    }
    av_packet_unref(packet.get());
  }
}

void PlayerSession::PushPacket(PlayerQueue<QueuedPacket>& queue, AVPacket* packet, int gen) {
  QueuedPacket item{PacketPtr(av_packet_alloc()), gen};
  if (!item.packet) return;
  av_packet_move_ref(item.packet.get(), packet);
  queue.Push(std::move(item), [this] { return abort_ || seek_pending_; });
}

void PlayerSession::MarkEndOfFile() {
  const int gen = gen_;
  auto interrupted = [this] { return abort_ || seek_pending_; };
  if (audio_index_ >= 0 && !audio_packets_.Push(QueuedPacket{nullptr, gen}, interrupted)) return;
  if (video_index_ >= 0 && !video_packets_.Push(QueuedPacket{nullptr, gen}, interrupted)) return;
  eof_gen_ = gen;
}

void PlayerSession::DoSeek() {
  int64_t target = 0;
  int32_t flags = 0;
  {
    std::lock_guard lock(seek_mutex_);
    target = seek_target_;
    flags = seek_flags_;
    seek_pending_ = false;
    seek_done_ = false;
  }
  const int64_t ts = target + start_time_;
  int ret = avformat_seek_file(format_.get(), -1, INT64_MIN, ts, ts, 0);
  // Nothing at or before the target (e.g. before the first key frame): take the next.
  if (ret < 0) ret = avformat_seek_file(format_.get(), -1, INT64_MIN, ts, INT64_MAX, 0);
  if (ret < 0) {
    requested_position_ = -1;
    return;  // the file cannot seek; playback goes on where it was
  }
  seek_floor_ = (flags & FFPlayer::kSeekKeyFrame) ? INT64_MIN : target;
  ++gen_;
  audio_packets_.Clear();
  video_packets_.Clear();
  pictures_.Clear();
  {
    std::lock_guard lock(audio_mutex_);
    audio_chunks_.clear();
    audio_bytes_ = 0;
    wave_.Clear();
  }
  clock_.Hold(target);
  refresh_pending_ = true;
  requested_position_ = -1;
  last_position_ = -1;
  std::lock_guard lock(seek_mutex_);
  seek_done_ = !seek_pending_;
}

// ---------------------------------------------------------------- decoding

void PlayerSession::DecoderLoop(bool audio) {
  AVCodecContext* codec = audio ? audio_codec_.get() : video_codec_.get();
  PlayerQueue<QueuedPacket>& queue = audio ? audio_packets_ : video_packets_;
  FramePtr frame(av_frame_alloc());
  if (!frame) return;
  int decoder_gen = -1;
  while (!abort_) {
    std::optional<QueuedPacket> item = queue.Pop(std::chrono::milliseconds(20));
    if (!item || item->gen != gen_) continue;
    if (item->gen != decoder_gen) {
      if (decoder_gen != -1) avcodec_flush_buffers(codec);
      decoder_gen = item->gen;
      if (audio) {
        next_audio_pts_ = 0;
      } else {
        next_video_pts_ = 0;
      }
    }
    const bool end = !item->packet;
    if (!audio && !end) SkipPicturesBeforeTarget(codec, item->packet.get());
    const int sent = avcodec_send_packet(codec, item->packet.get());
    if (sent < 0 && !end) continue;  // a damaged packet is skipped
    while (!abort_) {
      if (avcodec_receive_frame(codec, frame.get()) < 0) break;
      if (audio) {
        HandleAudioFrame(frame.get(), decoder_gen);
      } else {
        HandleVideoFrame(frame.get(), decoder_gen);
      }
      av_frame_unref(frame.get());
    }
    if (end) {
      (audio ? audio_done_gen_ : video_done_gen_) = decoder_gen;
      avcodec_flush_buffers(codec);  // ready for more after a later seek
    }
  }
}

// While catching up with an exact seek target, pictures nothing else refers to
// need not be decoded at all: that shortens the way from the key frame.
void PlayerSession::SkipPicturesBeforeTarget(AVCodecContext* codec, const AVPacket* packet) {
  const int64_t floor = seek_floor_;
  AVDiscard wanted = AVDISCARD_DEFAULT;
  if (floor != INT64_MIN && packet->pts != AV_NOPTS_VALUE) {
    const int64_t pts = av_rescale_q(packet->pts, video_tb_, AV_TIME_BASE_Q) - start_time_;
    // Pictures can leave the decoder in another order: keep a margin before the target.
    if (pts + 4 * frame_duration_us_ < floor) wanted = AVDISCARD_NONREF;
  }
  if (codec->skip_frame != wanted) codec->skip_frame = wanted;
}

bool PlayerSession::ConvertPicture(AVFrame* frame, PlayerFrame& out) {
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
  const int fw = std::min<int>(frame_width_, kMaxSurfaceSide);
  const int fh = std::min<int>(frame_height_, kMaxSurfaceSide);
  double scale = 1.0;
  if (fw > 0 && fh > 0)
    scale = std::min(fw / shown_w, fh / shown_h);
  else
    scale = std::min({1.0, kUnknownSurfaceSide / shown_w, kUnknownSurfaceSide / shown_h});
  int w = static_cast<int>(std::clamp(std::round(shown_w * scale), 2.0, double{kMaxSurfaceSide}));
  int h = static_cast<int>(std::clamp(std::round(shown_h * scale), 2.0, double{kMaxSurfaceSide}));
  if (sideways) std::swap(w, h);
  SwsContext* sws = sws_getCachedContext(sws_.release(), frame->width, frame->height,
                                         static_cast<AVPixelFormat>(frame->format), w, h,
                                         AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
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

void PlayerSession::HandleVideoFrame(AVFrame* frame, int gen) {
  int64_t pts = next_video_pts_;
  if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
    pts = av_rescale_q(frame->best_effort_timestamp, video_tb_, AV_TIME_BASE_Q) - start_time_;
  next_video_pts_ = pts + frame_duration_us_;
  const int64_t floor = seek_floor_;
  if (floor != INT64_MIN && pts + frame_duration_us_ <= floor) return;  // before an exact target
  {
    std::lock_guard lock(stats_mutex_);
    ++stats_.framesDecoded;
  }
  auto picture = std::make_shared<PlayerFrame>();
  picture->position = pts;
  if (sink_ && !ConvertPicture(frame, *picture)) return;
  pictures_.Push(Picture{std::move(picture), gen}, [this, gen] { return abort_ || gen_ != gen; });
}

void PlayerSession::HandleAudioFrame(AVFrame* frame, int gen) {
  // (Re)build the converter when the decoded format changes.
  if (!swr_ || swr_in_format_ != frame->format || swr_in_rate_ != frame->sample_rate ||
      av_channel_layout_compare(&swr_in_layout_, &frame->ch_layout) != 0) {
    AVChannelLayout in_layout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels <= 0) {
      av_channel_layout_default(&in_layout, std::max(frame->ch_layout.nb_channels, 1));
    } else if (av_channel_layout_copy(&in_layout, &frame->ch_layout) < 0) {
      return;
    }
    AVChannelLayout out_layout{};
    av_channel_layout_default(&out_layout, out_channels_);
    SwrContext* raw = nullptr;
    const int ret = swr_alloc_set_opts2(&raw, &out_layout, AV_SAMPLE_FMT_S16, out_rate_, &in_layout,
                                        static_cast<AVSampleFormat>(frame->format),
                                        frame->sample_rate, 0, nullptr);
    SwrPtr swr(raw);
    av_channel_layout_uninit(&out_layout);
    if (ret < 0 || swr_init(swr.get()) < 0) {
      av_channel_layout_uninit(&in_layout);
      return;
    }
    swr_ = std::move(swr);
    swr_in_format_ = frame->format;
    swr_in_rate_ = frame->sample_rate;
    av_channel_layout_uninit(&swr_in_layout_);
    av_channel_layout_copy(&swr_in_layout_, &frame->ch_layout);
    av_channel_layout_uninit(&in_layout);
  }
  const int capacity = swr_get_out_samples(swr_.get(), frame->nb_samples) + 32;
  if (capacity <= 0) return;
  const int frame_bytes = out_channels_ * 2;
  AudioChunk chunk;
  chunk.gen = gen;
  chunk.data.resize(static_cast<size_t>(capacity) * frame_bytes);
  uint8_t* out[1] = {chunk.data.data()};
  const int got = swr_convert(swr_.get(), out, capacity,
                              const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
  if (got <= 0) return;
  chunk.data.resize(static_cast<size_t>(got) * frame_bytes);

  int64_t pts = next_audio_pts_;
  if (frame->pts != AV_NOPTS_VALUE) pts = av_rescale_q(frame->pts, audio_tb_, AV_TIME_BASE_Q) - start_time_;
  next_audio_pts_ = pts + int64_t{got} * 1000000 / out_rate_;
  chunk.pts = pts;
  const int64_t floor = seek_floor_;
  if (floor != INT64_MIN && pts < floor) {
    // Drop the sound before an exact seek target.
    const int64_t skip = (floor - pts) * out_rate_ / 1000000;
    if (skip >= got) return;
    chunk.offset = static_cast<size_t>(skip) * frame_bytes;
    chunk.pts = pts;  // pts refers to data[0]; the offset is accounted for when played
  }

  const size_t limit = static_cast<size_t>(kAudioBufferUs * out_rate_ / 1000000) * frame_bytes;
  while (!abort_ && gen_ == gen) {
    {
      std::lock_guard lock(audio_mutex_);
      if (gen_ != gen) return;
      if (audio_bytes_ < limit) {
        audio_bytes_ += chunk.data.size() - chunk.offset;
        audio_chunks_.push_back(std::move(chunk));
        return;
      }
    }
    SleepUs(5000);
  }
}

// ---------------------------------------------------------------- sound output

void PlayerSession::SdlCallback(void* opaque, Uint8* stream, int len) {
  auto* session = static_cast<PlayerSession*>(opaque);
  try {
    session->FillAudio(stream, len);
  } catch (...) {
    if (stream) std::memset(stream, 0, static_cast<size_t>(len));
    session->Fail(media::ExceptionText(std::current_exception()));
  }
}

void PlayerSession::FillAudio(uint8_t* stream, int len) {
  if (stream) std::memset(stream, 0, static_cast<size_t>(len));
  // Only a playing player consumes sound (the device may still run at the end).
  if (state_ != FFPlayer::kStatePlaying) return;
  const int gen = gen_;
  // At a new position the sound waits (briefly) for the first picture, so both
  // start together.
  if (video_index_ >= 0 && video_ready_gen_ != gen && clock_.Held() &&
      clock_.HeldFor(PlayerClock::Now()) < kHoldLimitUs)
    return;
  const int frame_bytes = out_channels_ * 2;
  const int volume = mute_ ? 0 : std::clamp(volume_.load(), 0, SDL_MIX_MAXVOLUME);
  int64_t first_pts = INT64_MIN;
  int filled = 0;
  {
    std::lock_guard lock(audio_mutex_);
    while (filled < len && !audio_chunks_.empty()) {
      AudioChunk& chunk = audio_chunks_.front();
      const size_t left = chunk.data.size() - chunk.offset;
      if (chunk.gen != gen) {
        audio_bytes_ -= left;
        audio_chunks_.pop_front();
        continue;
      }
      if (first_pts == INT64_MIN)
        first_pts = chunk.pts + static_cast<int64_t>(chunk.offset / frame_bytes) * 1000000 / out_rate_;
      const size_t n = std::min(static_cast<size_t>(len - filled), left);
      const uint8_t* src = chunk.data.data() + chunk.offset;
      if (stream && volume > 0)
        SDL_MixAudioFormat(stream + filled, src, AUDIO_S16SYS, static_cast<Uint32>(n), volume);
      wave_.Append(reinterpret_cast<const int16_t*>(src), static_cast<int>(n) / frame_bytes, out_channels_);
      filled += static_cast<int>(n);
      chunk.offset += n;
      audio_bytes_ -= n;
      if (chunk.offset >= chunk.data.size()) audio_chunks_.pop_front();
    }
  }
  // What was just handed over is heard after the device's own buffer.
  if (filled > 0) clock_.Set(first_pts - device_latency_us_, PlayerClock::Now());
  if (filled < len && eof_gen_ != gen) {
    std::lock_guard lock(stats_mutex_);
    ++stats_.audioUnderruns;
  }
}

void PlayerSession::PumpLoop() {
  const int frame_bytes = out_channels_ * 2;
  const int step = static_cast<int>(kPumpChunkUs * out_rate_ / 1000000) * frame_bytes;
  std::vector<uint8_t> scratch;  // unused: nothing is heard without a device
  int64_t deadline = PlayerClock::Now();
  while (!abort_) {
    if (state_ != FFPlayer::kStatePlaying) {
      SleepUs(10000);
      deadline = PlayerClock::Now();
      continue;
    }
    FillAudio(nullptr, step);
    deadline += kPumpChunkUs;
    const int64_t now = PlayerClock::Now();
    if (deadline > now) {
      SleepUs(deadline - now);
    } else if (now - deadline > 200000) {
      deadline = now;  // fell far behind (machine busy): do not race to catch up
    }
  }
}

size_t PlayerSession::AudioBuffered(int gen) {
  std::lock_guard lock(audio_mutex_);
  size_t bytes = 0;
  for (const AudioChunk& chunk : audio_chunks_)
    if (chunk.gen == gen) bytes += chunk.data.size() - chunk.offset;
  return bytes;
}

// ---------------------------------------------------------------- presenting

void PlayerSession::Show(std::shared_ptr<PlayerFrame> frame) {
  if (!sink_ || !frame || frame->pixels.empty()) return;
  const bool resized = frame->width != shown_width_ || frame->height != shown_height_;
  shown_width_ = frame->width;
  shown_height_ = frame->height;
  {
    std::lock_guard lock(event_mutex_);
    if (closed_) return;
    EventScope scope(this);
    sink_->PresentFrame(std::move(frame));  // a throwing sink ends the playback (see Guarded)
  }
  if (resized) Emit(FFPlayer::kEventScreenReady);
}

void PlayerSession::ReportPosition(int64_t now, bool force) {
  if (!force && now - last_position_time_ < kPositionIntervalUs) return;
  last_position_time_ = now;
  if (requested_position_ >= 0) return;  // a seek is on its way
  int64_t pos = std::max<int64_t>(0, clock_.Get(now));
  if (duration_ > 0) pos = std::min(pos, duration_);
  if (pos == last_position_) return;
  last_position_ = pos;
  Notify(settings_.onPosition, pos);
}

bool PlayerSession::AtEnd(int gen) {
  if (eof_gen_ != gen) return false;
  if (audio_index_ >= 0 && (audio_done_gen_ != gen || AudioBuffered(gen) > 0)) return false;
  if (video_index_ >= 0 && (video_done_gen_ != gen || !pictures_.Empty())) return false;
  return true;
}

void PlayerSession::FinishIfAtEnd(int gen) {
  if (end_reported_gen_ == gen || !AtEnd(gen)) return;
  int32_t expected = FFPlayer::kStatePlaying;
  if (!state_.compare_exchange_strong(expected, FFPlayer::kStateEnded)) return;
  end_reported_gen_ = gen;
  clock_.SetPaused(true, PlayerClock::Now());
  ReportPosition(PlayerClock::Now(), true);
  Emit(FFPlayer::kEventEndOfFile);
}

// Shows the picture at the head of the queue when it is due. False when there was
// nothing to do (the caller then waits a little).
bool PlayerSession::PresentNextPicture(int gen, int64_t now) {
  // Stale pictures from before a seek go first.
  auto peek = [gen](std::deque<Picture>& items) {
    while (!items.empty() && items.front().gen != gen) items.pop_front();
    std::pair<std::shared_ptr<PlayerFrame>, std::shared_ptr<PlayerFrame>> heads;
    if (!items.empty()) heads.first = items.front().frame;
    if (items.size() > 1 && items[1].gen == gen) heads.second = items[1].frame;
    return heads;
  };
  auto pop_front = [](std::deque<Picture>& items) {
    if (!items.empty()) items.pop_front();
    return 0;
  };
  auto [picture, next] = pictures_.Inspect(peek);
  if (!picture) return false;

  const int32_t state = state_;
  if (state != FFPlayer::kStatePlaying) {
    // Paused: after a seek (or at open) the first picture of the new position shows.
    if (!refresh_pending_.exchange(false)) return false;
    pictures_.Inspect(pop_front);
    Show(picture);
    return true;
  }
  if (clock_.Held()) {
    video_ready_gen_ = gen;
    // Sound starts the clock when it comes; pictures only wait a little for it.
    const bool sound_leads = audio_index_ >= 0 && audio_done_gen_ != gen;
    if (sound_leads && clock_.HeldFor(now) < kHoldLimitUs) return false;
    clock_.Set(picture->position, now);
  }
  const int64_t master = clock_.Get(now);
  const int64_t wait = picture->position - master;
  if (wait > 0) {
    SleepUs(std::min<int64_t>(wait, 10000));
    return true;
  }
  pictures_.Inspect(pop_front);
  refresh_pending_ = false;
  if (next && next->position <= master) {
    // Late: the next picture is already due, so this one is skipped.
    std::lock_guard lock(stats_mutex_);
    ++stats_.framesDropped;
    return true;
  }
  Show(picture);
  std::lock_guard lock(stats_mutex_);
  ++stats_.framesShown;
  const int64_t drift = picture->position - clock_.Get(PlayerClock::Now());
  stats_.lastDriftUs = drift;
  stats_.driftAbsMaxUs = std::max<int64_t>(stats_.driftAbsMaxUs, std::llabs(drift));
  stats_.driftAbsSumUs += static_cast<double>(std::llabs(drift));
  ++stats_.driftCount;
  return true;
}

void PlayerSession::PresentWave(int64_t now) {
  const bool playing = state_ == FFPlayer::kStatePlaying;
  const bool refresh = refresh_pending_.exchange(false);
  if (!refresh && (!playing || now - last_wave_time_ < kWaveIntervalUs)) return;
  last_wave_time_ = now;
  const int fw = std::min<int>(frame_width_, kMaxSurfaceSide);
  const int fh = std::min<int>(frame_height_, kMaxSurfaceSide);
  auto frame = std::make_shared<PlayerFrame>();
  frame->width = fw > 0 && fh > 0 ? fw : kWaveDefaultWidth;
  frame->height = fw > 0 && fh > 0 ? fh : kWaveDefaultHeight;
  std::vector<int16_t> samples;
  {
    std::lock_guard lock(audio_mutex_);
    samples = wave_.Snapshot();
  }
  frame->pixels = RenderPlayerWaveform(samples, frame->width, frame->height);
  frame->position = clock_.Get(now);
  Show(std::move(frame));
}

void PlayerSession::PresenterLoop() {
  while (!abort_) {
    const int gen = gen_;
    const int64_t now = PlayerClock::Now();
    ReportPosition(now, false);
    if (video_index_ >= 0) {
      if (PresentNextPicture(gen, now)) continue;
    } else {
      if (clock_.Held() && audio_done_gen_ == gen && AudioBuffered(gen) == 0) clock_.Set(clock_.Get(now), now);
      if (sink_ && settings_.showAudio == FFPlayer::saWave) PresentWave(now);
    }
    FinishIfAtEnd(gen);
    SleepUs(5000);
  }
}

// ---------------------------------------------------------------- FFPlayer

struct FFPlayer::Impl {
  std::unique_ptr<PlayerSession> session;
  // Sessions stopped from inside their own handlers: their threads are joined by
  // the next call from outside.
  std::vector<std::unique_ptr<PlayerSession>> retired;
  std::string error;
  std::atomic<int> volume{128};
  std::atomic<bool> mute{false};
  std::atomic<int> frame_width{0};  // applied by UpdateScreen, read by the decoder
  std::atomic<int> frame_height{0};
  int screen_width = 0;
  int screen_height = 0;
  int pending_frame_width = 0;
  int pending_frame_height = 0;

  bool InOwnEvent() const {
    if (session && session->InOwnEvent()) return true;
    for (const auto& s : retired)
      if (s->InOwnEvent()) return true;
    return false;
  }
  // Joins and frees every session (none of them may be running this thread).
  void CloseAll() {
    if (session) session->Shutdown();
    session.reset();
    retired.clear();
  }
};

FFPlayer::FFPlayer() : impl_(std::make_unique<Impl>()) {}

FFPlayer::~FFPlayer() {
  if (!impl_->InOwnEvent()) {
    impl_->CloseAll();
    return;
  }
  // Destroyed from one of its own handlers: this thread belongs to the playback
  // and cannot wait for it. Playback ends without further events, and a thread of
  // its own joins the player's threads and frees the rest once they have left.
  if (impl_->session) impl_->session->Abandon(true);
  for (auto& s : impl_->retired) s->Abandon(true);
  Impl* leftover = impl_.release();
  try {
    std::thread([leftover] {
      leftover->CloseAll();
      delete leftover;
    }).detach();
  } catch (...) {
    // No thread to spare: the leftovers stay allocated rather than end the program.
  }
}

bool FFPlayer::AVLibLoaded() { return AVLib::Loaded(); }

bool FFPlayer::LoadAVLib(const std::string& folder, bool recheck) {
  if (!recheck && AVLib::Loaded()) return true;
  return AVLib::Load(folder);
}

bool FFPlayer::Open(const std::string& path, PlayerSink* sink, bool startPaused) {
  Stop(false);
  impl_->error.clear();
  try {
    return OpenSession(path, sink, startPaused);
  } catch (...) {
    impl_->error = "Cannot open file \"" + path + "\": " + media::ExceptionText(std::current_exception());
    return false;
  }
}

bool FFPlayer::OpenSession(const std::string& path, PlayerSink* sink, bool startPaused) {
  PlayerSession::Settings settings;
  settings.showAudio = ShowAudio;
  settings.audioStream = AudioStreamIndex;
  settings.videoStream = VideoStreamIndex;
  settings.readTimeoutMs = ReadTimeout;
  settings.onDuration = OnDuration;
  settings.onPosition = OnPosition;
  settings.onState = OnState;
  // In place before the session's threads start: their handlers may call Stop at once.
  impl_->session = std::make_unique<PlayerSession>(std::move(settings), sink, impl_->volume, impl_->mute,
                                                   impl_->frame_width, impl_->frame_height);
  PlayerSession* session = impl_->session.get();
  if (session->Open(path, startPaused, impl_->error)) return true;
  impl_->session.reset();
  return false;
}

std::string FFPlayer::LastErrorMessage() const {
  if (impl_->session) {
    std::string failure = impl_->session->Failure();
    if (!failure.empty()) return failure;
  }
  return impl_->error;
}

void FFPlayer::TogglePause() {
  if (Paused()) {
    Resume();
  } else {
    Pause();
  }
}

bool FFPlayer::Paused() const { return PlayState() != kStatePlaying; }

void FFPlayer::Pause() {
  if (impl_->session) impl_->session->Pause();
}

void FFPlayer::Resume() {
  if (impl_->session) impl_->session->Resume();
}

bool FFPlayer::Seek(int32_t low, int32_t high, int32_t flags, bool relative) {
  const int64_t target =
      static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32 | static_cast<uint32_t>(low));
  return Seek(target, flags, relative);
}

bool FFPlayer::Seek(int64_t target, int32_t flags, bool relative) {
  PlayerSession* session = impl_->session.get();
  if (!session) {
    impl_->error = "Nothing is playing.";
    return false;
  }
  if (relative) target += session->Position();
  target = std::max<int64_t>(target, 0);
  if (session->Duration() > 0) target = std::min(target, session->Duration());
  session->RequestSeek(target, flags);
  return true;
}

int32_t FFPlayer::PlayState() const {
  return impl_->session ? impl_->session->State() : kStateStopped;
}

int FFPlayer::AudioVolume() const { return impl_->volume; }
void FFPlayer::SetAudioVolume(int volume) { impl_->volume = std::clamp(volume, 0, 128); }
bool FFPlayer::Mute() const { return impl_->mute; }
void FFPlayer::SetMute(bool mute) { impl_->mute = mute; }

int FFPlayer::ScreenWidth() const { return impl_->screen_width; }
int FFPlayer::ScreenHeight() const { return impl_->screen_height; }
int FFPlayer::FrameWidth() const { return impl_->pending_frame_width; }
int FFPlayer::FrameHeight() const { return impl_->pending_frame_height; }
void FFPlayer::SetScreenWidth(int width) { impl_->screen_width = std::max(width, 0); }
void FFPlayer::SetScreenHeight(int height) { impl_->screen_height = std::max(height, 0); }
void FFPlayer::SetFrameWidth(int width) { impl_->pending_frame_width = std::max(width, 0); }
void FFPlayer::SetFrameHeight(int height) { impl_->pending_frame_height = std::max(height, 0); }

void FFPlayer::UpdateScreen() {
  impl_->frame_width = impl_->pending_frame_width;
  impl_->frame_height = impl_->pending_frame_height;
}

uintptr_t FFPlayer::ScreenHandle() const {
  const PlayerSession* session = impl_->session.get();
  if (!session || !session->ShowsPictures()) return 0;
  return reinterpret_cast<uintptr_t>(session->Sink());
}

void FFPlayer::Stop(bool notify) {
  if (impl_->InOwnEvent()) {
    // From a handler: playback ends now and sends no more events; its threads,
    // this one among them, are joined by the next call from outside.
    if (!impl_->session) return;
    auto on_state = impl_->session->settings_.onState;
    impl_->session->Abandon(true);
    impl_->retired.push_back(std::move(impl_->session));
    if (notify && on_state) on_state(kStateStopped);
    return;
  }
  impl_->retired.clear();
  if (!impl_->session) return;
  auto on_state = impl_->session->settings_.onState;
  impl_->session->Shutdown();
  impl_->session.reset();
  if (notify && on_state) on_state(kStateStopped);
}

int64_t FFPlayer::Duration() const { return impl_->session ? impl_->session->Duration() : 0; }
int64_t FFPlayer::Position() const { return impl_->session ? impl_->session->Position() : 0; }
bool FFPlayer::HasVideo() const { return impl_->session && impl_->session->HasVideo(); }
bool FFPlayer::HasAudio() const { return impl_->session && impl_->session->HasAudio(); }

PlayerStatistics FFPlayer::Statistics() const {
  return impl_->session ? impl_->session->Statistics() : PlayerStatistics{};
}
