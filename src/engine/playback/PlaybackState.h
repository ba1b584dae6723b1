#pragma once
// What the threads of one playback share. The session owns it and its parts (reader,
// decoders, sound output, presenter) get a reference; it knows none of them.
//
// Set once before the threads start, read-only afterwards: the view (sink, volume,
// mute, screen size), the file and the chosen streams. Written while playing:
// - the reader: generation, end of file, read failures, the seek floor;
// - the decoders: their end of a generation, the earliest damage, the first picture;
// - the sound output and the presenter: the clock; the presenter: the play state
//   at the end, the last position reported;
// - the session (the caller's thread): play state, seek requests.
// Events and sink calls go through Notify/Present/Emit, one at a time.
extern "C" {
#include <libavformat/avformat.h>
}

#include <atomic>
#include <climits>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "engine/media/AVPointers.h"
#include "engine/media/MediaInput.h"
#include "engine/playback/PlayerClock.h"
#include "engine/playback/PlayerQueue.h"
#include "engine/playback/PlayerTypes.h"

namespace playback {

struct QueuedPacket {
  media::Packet packet;  // null for the end-of-file marker
  int gen = 0;
};

struct QueuedPicture {
  std::shared_ptr<PlayerFrame> frame;
  int gen = 0;
};

class PlaybackState {
 public:
  struct Settings {
    ShowAudioMode showAudio = saWave;
    int audioStream = -1;
    int videoStream = -1;
    int readTimeoutMs = 10000;
    std::function<void(int64_t)> onDuration;
    std::function<void(int64_t)> onPosition;
    std::function<void(int32_t)> onState;
  };
  struct SeekRequest {
    int64_t target = 0;
    int32_t flags = 0;
  };

  PlaybackState(Settings settings, PlayerSink* sink, std::atomic<int>& volume, std::atomic<bool>& mute,
                std::atomic<int>& frameWidth, std::atomic<int>& frameHeight);
  PlaybackState(const PlaybackState&) = delete;
  PlaybackState& operator=(const PlaybackState&) = delete;

  // ---- set up before the threads start

  // Opens `path` safely (reads limited in time, ended by Abort) and describes it.
  bool OpenFile(const std::string& path, media::SourceDescription* source, std::string* why);
  void SetStreams(int audio, int video) {
    audio_index_ = audio;
    video_index_ = video;
  }
  // Called by Abort, for waits outside this object (the sound output's).
  void SetAbortHook(std::function<void()> hook) { abort_hook_ = std::move(hook); }

  // ---- read-only while playing

  const Settings& Options() const { return settings_; }
  PlayerSink* Sink() const { return sink_; }
  int Volume() const { return volume_; }
  bool Muted() const { return mute_; }
  int FrameWidth() const { return frame_width_; }
  int FrameHeight() const { return frame_height_; }
  AVFormatContext* Format() const { return format_.get(); }
  int AudioIndex() const { return audio_index_; }
  int VideoIndex() const { return video_index_; }
  int64_t StartTime() const { return start_time_; }
  int64_t Duration() const { return duration_; }

  // ---- seeks: the session posts, the reader takes

  // False when the request changes nothing (the same target again while paused).
  bool PostSeek(int64_t target, int32_t flags);
  bool SeekPending() const { return seek_pending_; }
  SeekRequest TakeSeek();
  // The reader carried out the seek it took (unless another one came meanwhile).
  void SeekDone();

  // ---- events and ending

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
  // Hands a picture to the sink unless playback is closed; a throwing sink ends
  // the playback (the caller runs guarded).
  void Present(std::shared_ptr<PlayerFrame> frame);
  // True on a thread that runs one of this playback's handlers or sink calls.
  bool InOwnEvent() const;
  // Ends the playback with `message` (the first failure wins).
  void Fail(const std::string& message);
  // Says why the end came early (see kEventEndedEarly).
  void NoteEarlyEnd(const std::string& message);
  std::string Failure() const;
  // Stops every thread's work and wakes its waits; `silence`: no events follow.
  void Abort(bool silence);
  // Holds events back while the threads start: a handler may stop the player at once.
  std::unique_lock<std::recursive_mutex> HoldEvents() { return std::unique_lock(event_mutex_); }

  template <typename Fn>
  void UpdateStatistics(Fn fn) {
    std::lock_guard lock(stats_mutex_);
    fn(stats_);
  }
  PlayerStatistics Statistics() const;

  // ---- waiting

  // Sleeps up to `us`, less when Wake() is called or playback ends.
  void Nap(int64_t us);
  // Waits until `ready` holds (checked again at every Wake()) or playback ends.
  template <typename Ready>
  void WaitUntil(Ready ready) {
    std::unique_lock lock(wake_mutex_);
    wake_.wait(lock, [&] { return abort_ || ready(); });
  }
  // Something a waiting thread may be waiting for changed: state, seek, stop.
  void Wake();

  // ---- shared while playing (atomics; writers named above)

  std::atomic<bool> abort_{false};
  // Each seek starts a new generation; what belongs to an older one is dropped.
  std::atomic<int> gen_{0};
  std::atomic<int> eof_gen_{-1};
  std::atomic<int> audio_done_gen_{-1};
  std::atomic<int> video_done_gen_{-1};
  std::atomic<int> read_failed_gen_{-1};             // the reading of this generation ended on damage
  std::atomic<int64_t> first_damage_us_{INT64_MAX};  // where the earliest undecodable packet lies
  std::atomic<int64_t> seek_floor_{INT64_MIN};       // exact seek target, or INT64_MIN
  std::atomic<int32_t> state_{kStateStopped};
  std::atomic<bool> refresh_pending_{false};  // show the first picture of a position even paused
  std::atomic<int> end_reported_gen_{-1};
  std::atomic<int> video_ready_gen_{-1};         // the first picture of this position is decoded
  std::atomic<int64_t> requested_position_{-1};  // a seek on its way
  std::atomic<int64_t> last_position_{-1};       // reset by the reader at a seek

  PlayerQueue<QueuedPacket> audio_packets_{512};
  PlayerQueue<QueuedPacket> video_packets_{256};
  PlayerQueue<QueuedPicture> pictures_{3};
  PlayerClock clock_;

 private:
  // Marks the thread as running one of this playback's handlers or sink calls.
  struct EventScope {
    explicit EventScope(const PlaybackState* state);
    ~EventScope();
    const PlaybackState* previous;
  };

  const Settings settings_;
  PlayerSink* const sink_;
  std::atomic<int>& volume_;
  std::atomic<bool>& mute_;
  std::atomic<int>& frame_width_;
  std::atomic<int>& frame_height_;

  // Limits every read of the file in time and ends it on Abort; outlives format_,
  // whose I/O layer keeps a pointer to it.
  media::ReadWatch watch_{settings_.readTimeoutMs, &abort_};
  media::Input format_;
  int audio_index_ = -1;
  int video_index_ = -1;
  int64_t start_time_ = 0;
  int64_t duration_ = 0;
  std::function<void()> abort_hook_;

  std::mutex seek_mutex_;
  std::atomic<bool> seek_pending_{false};
  int64_t seek_target_ = 0;  // (seek_mutex_)
  int32_t seek_flags_ = 0;   // (seek_mutex_)
  bool seek_done_ = false;   // seek_target_ was reached (seek_mutex_)

  std::mutex wake_mutex_;
  std::condition_variable wake_;
  uint64_t wake_count_ = 0;  // (wake_mutex_)

  mutable std::mutex stats_mutex_;
  PlayerStatistics stats_;

  mutable std::mutex failure_mutex_;
  std::string failure_;
  std::string early_end_;  // (failure_mutex_)

  // Held while a handler or the sink runs; recursive, as a handler may call
  // Pause or Resume, which raise events of their own.
  std::recursive_mutex event_mutex_;
  bool closed_ = false;  // (event_mutex_) no more events or sink calls
};

}  // namespace playback
