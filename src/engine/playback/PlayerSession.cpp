#include "engine/playback/PlayerSession.h"

#include <algorithm>
#include <chrono>

#include "engine/playback/PlayerAudioOutput.h"
#include "engine/playback/PlayerDecoder.h"
#include "engine/playback/PlayerPresenter.h"
#include "engine/playback/PlayerReader.h"

namespace {
// The session whose event handler or sink call this thread is running.
thread_local const PlayerSession* t_event_session = nullptr;
}  // namespace

PlayerSession::EventScope::EventScope(const PlayerSession* session) : previous(t_event_session) {
  t_event_session = session;
}
PlayerSession::EventScope::~EventScope() { t_event_session = previous; }

PlayerSession::PlayerSession(Settings settings, PlayerSink* sink, std::atomic<int>& volume,
                             std::atomic<bool>& mute, std::atomic<int>& frameWidth,
                             std::atomic<int>& frameHeight)
    : settings_(std::move(settings)),
      sink_(sink),
      volume_(volume),
      mute_(mute),
      frame_width_(frameWidth),
      frame_height_(frameHeight) {}

PlayerSession::~PlayerSession() { Shutdown(); }

bool PlayerSession::InOwnEvent() const { return t_event_session == this; }

bool PlayerSession::OpenStreams(const std::string& path, std::string& error) {
  const media::SourceDescription source = media::DescribeSource(format_.get(), path);
  start_time_ = source.start_us;
  duration_ = source.duration_us;
  // The stream the settings ask for when it is of the right kind, else the best one.
  // A cover picture is not a video: such files play as sound with the waveform.
  auto pick = [&source](AVMediaType type, int wanted, int best) {
    const int nb = static_cast<int>(source.streams.size());
    if (wanted >= 0 && wanted < nb && source.streams[wanted].type == type) return wanted;
    return best;
  };
  int video = pick(AVMEDIA_TYPE_VIDEO, settings_.videoStream, source.best_video);
  if (video >= 0 && source.streams[video].cover) video = -1;
  const int audio = pick(AVMEDIA_TYPE_AUDIO, settings_.audioStream, source.best_audio);
  if (video >= 0) {
    auto decoder = std::make_unique<PlayerDecoder>(*this, AVMEDIA_TYPE_VIDEO);
    if (decoder->Open(video)) {
      video_decoder_ = std::move(decoder);
      video_index_ = video;
    }
  }
  if (audio >= 0) {
    auto decoder = std::make_unique<PlayerDecoder>(*this, AVMEDIA_TYPE_AUDIO);
    if (decoder->Open(audio)) {
      audio_decoder_ = std::move(decoder);
      audio_index_ = audio;
    }
  }
  if (video_index_ < 0 && audio_index_ < 0) {
    error = "\"" + path + "\" has no audio or video stream that can be played.";
    return false;
  }
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
  if (!OpenStreams(path, error)) return false;

  if (audio_index_ >= 0) {
    const AVCodecContext* codec = audio_decoder_->Context();
    audio_ = std::make_unique<PlayerAudioOutput>(*this);
    audio_->Open(codec->sample_rate > 0 ? codec->sample_rate : 44100,
                 std::clamp(codec->ch_layout.nb_channels, 1, 2));
  }
  reader_ = std::make_unique<PlayerReader>(*this);
  presenter_ = std::make_unique<PlayerPresenter>(*this);
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

void PlayerSession::Start() {
  // No event reaches a handler before every thread is in place: a handler may
  // stop or destroy the player at once.
  std::lock_guard gate(event_mutex_);
  started_ = true;
  threads_[0] = Guarded([this] { reader_->Loop(); });
  if (audio_decoder_) threads_[1] = Guarded([this] { audio_decoder_->Loop(); });
  if (video_decoder_) threads_[2] = Guarded([this] { video_decoder_->Loop(); });
  threads_[3] = Guarded([this] { presenter_->Loop(); });
  if (audio_) {
    if (audio_->HasDevice()) {
      if (state_ == FFPlayer::kStatePlaying) audio_->SetDevicePaused(false);
    } else {
      threads_[4] = Guarded([this] { audio_->PumpLoop(); });
    }
  }
  UpdateStatistics([this](PlayerStatistics& st) { st.audioDevice = audio_ && audio_->HasDevice(); });
}

void PlayerSession::Abandon(bool silence) {
  if (silence) {
    std::lock_guard lock(event_mutex_);  // recursive: the caller may hold it
    closed_ = true;
  }
  abort_ = true;
  audio_packets_.Abort();
  video_packets_.Abort();
  pictures_.Abort();
  if (audio_) audio_->Wake();
  Wake();
  state_ = FFPlayer::kStateStopped;
}

void PlayerSession::Shutdown() {
  Abandon(false);
  // Closing the device waits for a running callback; none follows.
  if (audio_) audio_->Close();
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
  state_ = FFPlayer::kStateStopped;
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

std::string PlayerSession::Failure() const {
  std::lock_guard lock(failure_mutex_);
  return failure_.empty() ? early_end_ : failure_;
}

void PlayerSession::NoteEarlyEnd(const std::string& message) {
  std::lock_guard lock(failure_mutex_);
  early_end_ = message;
}

PlayerStatistics PlayerSession::Statistics() const {
  std::lock_guard lock(stats_mutex_);
  return stats_;
}

void PlayerSession::Present(std::shared_ptr<PlayerFrame> frame) {
  std::lock_guard lock(event_mutex_);
  if (closed_) return;
  EventScope scope(this);
  sink_->PresentFrame(std::move(frame));
}

void PlayerSession::Nap(int64_t us) {
  std::unique_lock lock(wake_mutex_);
  const uint64_t seen = wake_count_;
  wake_.wait_for(lock, std::chrono::microseconds(us), [&] { return abort_ || wake_count_ != seen; });
}

void PlayerSession::Wake() {
  std::lock_guard lock(wake_mutex_);
  ++wake_count_;
  wake_.notify_all();
}

// ---------------------------------------------------------------- control

void PlayerSession::Pause() {
  int32_t expected = FFPlayer::kStatePlaying;
  if (!state_.compare_exchange_strong(expected, FFPlayer::kStatePaused)) return;
  clock_.SetPaused(true, PlayerClock::Now());
  if (audio_) audio_->SetDevicePaused(true);
  Wake();
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
  if (audio_) audio_->SetDevicePaused(false);
  Wake();
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
  // The reader may wait for room in a queue or for work at the end of the file.
  audio_packets_.Wake();
  video_packets_.Wake();
  Wake();
  int32_t expected = FFPlayer::kStateEnded;
  if (state_.compare_exchange_strong(expected, FFPlayer::kStatePaused)) Emit(FFPlayer::kStatePaused);
}

int64_t PlayerSession::Position() const {
  const int64_t requested = requested_position_;
  if (requested >= 0) return requested;
  const int64_t pos = std::max<int64_t>(0, clock_.Get(PlayerClock::Now()));
  return duration_ > 0 ? std::min(pos, duration_) : pos;
}
