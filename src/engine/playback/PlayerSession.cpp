#include "engine/playback/PlayerSession.h"

#include <algorithm>
#include <chrono>

#include "engine/playback/PlayerAudioOutput.h"
#include "engine/playback/PlayerDecoder.h"
#include "engine/playback/PlayerPresenter.h"
#include "engine/playback/PlayerReader.h"

namespace playback {

PlayerSession::PlayerSession(Settings settings, PlayerSink* sink, std::atomic<int>& volume,
                             std::atomic<bool>& mute, std::atomic<int>& frameWidth,
                             std::atomic<int>& frameHeight)
    : shared_(std::move(settings), sink, volume, mute, frameWidth, frameHeight) {}

PlayerSession::~PlayerSession() { Shutdown(); }

bool PlayerSession::OpenStreams(const std::string& path, std::string& error) {
  media::SourceDescription source;
  std::string why;
  if (!shared_.OpenFile(path, &source, &why)) {
    error = "Cannot open file \"" + path + "\": " + why;
    return false;
  }
  // The stream the settings ask for when it is of the right kind, else the best one.
  // A cover picture is not a video: such files play as sound with the waveform.
  auto pick = [&source](AVMediaType type, int wanted, int best) {
    const int nb = static_cast<int>(source.streams.size());
    if (wanted >= 0 && wanted < nb && source.streams[wanted].type == type) return wanted;
    return best;
  };
  int video = pick(AVMEDIA_TYPE_VIDEO, shared_.Options().videoStream, source.best_video);
  if (video >= 0 && source.streams[video].cover) video = -1;
  const int audio = pick(AVMEDIA_TYPE_AUDIO, shared_.Options().audioStream, source.best_audio);
  if (video >= 0) {
    auto decoder = std::make_unique<PlayerDecoder>(shared_, AVMEDIA_TYPE_VIDEO);
    if (decoder->Open(video)) video_decoder_ = std::move(decoder);
  }
  if (audio >= 0) {
    auto decoder = std::make_unique<PlayerDecoder>(shared_, AVMEDIA_TYPE_AUDIO);
    if (decoder->Open(audio)) audio_decoder_ = std::move(decoder);
  }
  shared_.SetStreams(audio_decoder_ ? audio : -1, video_decoder_ ? video : -1);
  if (!audio_decoder_ && !video_decoder_) {
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
  if (!OpenStreams(path, error)) return false;

  if (audio_decoder_) {
    const AVCodecContext* codec = audio_decoder_->Context();
    audio_ = std::make_unique<PlayerAudioOutput>(shared_);
    audio_->Open(codec->sample_rate > 0 ? codec->sample_rate : 44100,
                 std::clamp(codec->ch_layout.nb_channels, 1, 2));
    PlayerAudioOutput* audio = audio_.get();
    shared_.SetAbortHook([audio] { audio->Wake(); });
    audio_decoder_->SetAudioOutput(audio);
  }
  reader_ = std::make_unique<PlayerReader>(shared_, audio_.get());
  presenter_ = std::make_unique<PlayerPresenter>(shared_, audio_.get());
  shared_.state_ = startPaused ? kStatePaused : kStatePlaying;
  shared_.clock_.Hold(0);
  shared_.clock_.SetPaused(startPaused, PlayerClock::Now());
  shared_.refresh_pending_ = true;
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
  auto gate = shared_.HoldEvents();
  threads_[0] = Guarded([this] { reader_->Loop(); });
  if (audio_decoder_) threads_[1] = Guarded([this] { audio_decoder_->Loop(); });
  if (video_decoder_) threads_[2] = Guarded([this] { video_decoder_->Loop(); });
  threads_[3] = Guarded([this] { presenter_->Loop(); });
  if (audio_) {
    if (audio_->HasDevice()) {
      if (shared_.state_ == kStatePlaying) audio_->SetDevicePaused(false);
    } else {
      threads_[4] = Guarded([this] { audio_->PumpLoop(); });
    }
  }
  shared_.UpdateStatistics([this](PlayerStatistics& st) { st.audioDevice = audio_ && audio_->HasDevice(); });
}

void PlayerSession::Shutdown() {
  shared_.Abort(false);
  // Closing the device waits for a running callback; none follows.
  if (audio_) audio_->Close();
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
  shared_.state_ = kStateStopped;
}

// ---------------------------------------------------------------- control

void PlayerSession::Pause() {
  int32_t expected = kStatePlaying;
  if (!shared_.state_.compare_exchange_strong(expected, kStatePaused)) return;
  shared_.clock_.SetPaused(true, PlayerClock::Now());
  if (audio_) audio_->SetDevicePaused(true);
  shared_.Wake();
  shared_.Emit(kStatePaused);
}

void PlayerSession::Resume() {
  int32_t expected = kStatePaused;
  if (!shared_.state_.compare_exchange_strong(expected, kStatePlaying)) {
    expected = kStateEnded;
    if (!shared_.state_.compare_exchange_strong(expected, kStatePlaying)) return;
    shared_.end_reported_gen_ = -1;  // resuming at the end reports the end again
  }
  shared_.clock_.SetPaused(false, PlayerClock::Now());
  if (audio_) audio_->SetDevicePaused(false);
  shared_.Wake();
  shared_.Emit(kStatePlaying);
}

void PlayerSession::RequestSeek(int64_t target, int32_t flags) {
  if (!shared_.PostSeek(target, flags)) return;
  int32_t expected = kStateEnded;
  if (shared_.state_.compare_exchange_strong(expected, kStatePaused)) shared_.Emit(kStatePaused);
}

int64_t PlayerSession::Position() const {
  const int64_t requested = shared_.requested_position_;
  if (requested >= 0) return requested;
  const int64_t pos = std::max<int64_t>(0, shared_.clock_.Get(PlayerClock::Now()));
  const int64_t duration = shared_.Duration();
  return duration > 0 ? std::min(pos, duration) : pos;
}

}  // namespace playback
