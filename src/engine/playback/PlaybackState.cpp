#include "engine/playback/PlaybackState.h"

#include <chrono>

namespace playback {

namespace {
// The playback whose event handler or sink call this thread is running.
thread_local const PlaybackState* t_event_state = nullptr;
}  // namespace

PlaybackState::EventScope::EventScope(const PlaybackState* state) : previous(t_event_state) {
  t_event_state = state;
}
PlaybackState::EventScope::~EventScope() { t_event_state = previous; }

PlaybackState::PlaybackState(Settings settings, PlayerSink* sink, std::atomic<int>& volume,
                             std::atomic<bool>& mute, std::atomic<int>& frameWidth,
                             std::atomic<int>& frameHeight)
    : settings_(std::move(settings)),
      sink_(sink),
      volume_(volume),
      mute_(mute),
      frame_width_(frameWidth),
      frame_height_(frameHeight) {}

bool PlaybackState::OpenFile(const std::string& path, media::SourceDescription* source, std::string* why) {
  format_ = media::OpenInput(path, &watch_, why);
  if (!format_) return false;
  *source = media::DescribeSource(format_.get(), path);
  start_time_ = source->start_us;
  duration_ = source->duration_us;
  return true;
}

bool PlaybackState::InOwnEvent() const { return t_event_state == this; }

bool PlaybackState::PostSeek(int64_t target, int32_t flags) {
  {
    std::lock_guard lock(seek_mutex_);
    // Seeking a paused player again to the position it is already going to (or
    // showing) would only restart the decoding: leave the running seek alone.
    const bool same = target == seek_target_ && flags == seek_flags_;
    if (same && state_ == kStatePaused &&
        (seek_pending_ || (seek_done_ && clock_.Get(PlayerClock::Now()) == target)))
      return false;
    seek_target_ = target;
    seek_flags_ = flags;
    seek_pending_ = true;
  }
  requested_position_ = target;
  // The reader may wait for room in a queue or for work at the end of the file.
  audio_packets_.Wake();
  video_packets_.Wake();
  Wake();
  return true;
}

PlaybackState::SeekRequest PlaybackState::TakeSeek() {
  std::lock_guard lock(seek_mutex_);
  seek_pending_ = false;
  seek_done_ = false;
  return SeekRequest{seek_target_, seek_flags_};
}

void PlaybackState::SeekDone() {
  std::lock_guard lock(seek_mutex_);
  seek_done_ = !seek_pending_;
}

void PlaybackState::Abort(bool silence) {
  if (silence) {
    std::lock_guard lock(event_mutex_);  // recursive: the caller may hold it
    closed_ = true;
  }
  abort_ = true;
  audio_packets_.Abort();
  video_packets_.Abort();
  pictures_.Abort();
  if (abort_hook_) abort_hook_();
  Wake();
  state_ = kStateStopped;
}

void PlaybackState::Fail(const std::string& message) {
  {
    std::lock_guard lock(failure_mutex_);
    if (!failure_.empty()) return;
    failure_ = "Playback stopped: " + message;
  }
  Abort(false);
  Emit(kStateStopped);
}

std::string PlaybackState::Failure() const {
  std::lock_guard lock(failure_mutex_);
  return failure_.empty() ? early_end_ : failure_;
}

void PlaybackState::NoteEarlyEnd(const std::string& message) {
  std::lock_guard lock(failure_mutex_);
  early_end_ = message;
}

PlayerStatistics PlaybackState::Statistics() const {
  std::lock_guard lock(stats_mutex_);
  return stats_;
}

void PlaybackState::Present(std::shared_ptr<PlayerFrame> frame) {
  std::lock_guard lock(event_mutex_);
  if (closed_) return;
  EventScope scope(this);
  sink_->PresentFrame(std::move(frame));
}

void PlaybackState::Nap(int64_t us) {
  std::unique_lock lock(wake_mutex_);
  const uint64_t seen = wake_count_;
  wake_.wait_for(lock, std::chrono::microseconds(us), [&] { return abort_ || wake_count_ != seen; });
}

void PlaybackState::Wake() {
  std::lock_guard lock(wake_mutex_);
  ++wake_count_;
  wake_.notify_all();
}

}  // namespace playback
