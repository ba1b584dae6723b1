#pragma once
// One opened file's playback: the state the player's threads share (ffplay's
// VideoState) and the parts that run them: the reader, a decoder per stream, the
// sound output and the presenter. FFPlayer owns one session per opened file.
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
#include <thread>

#include "engine/FFPlayer.h"
#include "engine/media/AVPointers.h"
#include "engine/media/ExceptionText.h"
#include "engine/media/MediaInput.h"
#include "engine/playback/PlayerClock.h"
#include "engine/playback/PlayerQueue.h"

class PlayerAudioOutput;
class PlayerDecoder;
class PlayerPresenter;
class PlayerReader;

struct QueuedPacket {
  avptr::Packet packet;  // null for the end-of-file marker
  int gen = 0;
};

struct QueuedPicture {
  std::shared_ptr<PlayerFrame> frame;
  int gen = 0;
};

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

  PlayerSession(Settings settings, PlayerSink* sink, std::atomic<int>& volume, std::atomic<bool>& mute,
                std::atomic<int>& frameWidth, std::atomic<int>& frameHeight);
  ~PlayerSession();
  PlayerSession(const PlayerSession&) = delete;
  PlayerSession& operator=(const PlayerSession&) = delete;

  bool Open(const std::string& path, bool startPaused, std::string& error);
  // Stops and joins every thread (not from one of them).
  void Shutdown();
  // Ends playback without waiting for the threads (from inside a handler): they
  // leave on their own and are joined when the session is destroyed.
  void Abandon(bool silence);

  void Pause();
  void Resume();
  void RequestSeek(int64_t target, int32_t flags);
  int32_t State() const { return state_; }
  int64_t Position() const;
  int64_t Duration() const { return duration_; }
  bool HasVideo() const { return video_index_ >= 0; }
  bool HasAudio() const { return audio_index_ >= 0; }
  // True on a thread that runs one of this session's handlers or sink calls.
  bool InOwnEvent() const;
  // Why playback ended on its own with an error, or why it ended short of the
  // file's length; empty when neither happened.
  std::string Failure() const;
  // Says why the end came early (see FFPlayer::kEventEndedEarly).
  void NoteEarlyEnd(const std::string& message);
  bool ShowsPictures() const { return sink_ && (HasVideo() || settings_.showAudio == FFPlayer::saWave); }
  PlayerSink* Sink() const { return sink_; }
  PlayerStatistics Statistics() const;

  // ---- for the session's parts

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
  // Hands a picture to the sink unless the session is closed; a throwing sink ends
  // the playback (the caller runs guarded).
  void Present(std::shared_ptr<PlayerFrame> frame);
  // Ends the playback with `message` (the first failure wins).
  void Fail(const std::string& message);
  template <typename Fn>
  void UpdateStatistics(Fn fn) {
    std::lock_guard lock(stats_mutex_);
    fn(stats_);
  }
  // Sleeps up to `us`, less when Wake() is called or the session ends.
  void Nap(int64_t us);
  // Waits until `ready` holds (checked again at every Wake()) or the session ends.
  template <typename Ready>
  void WaitUntil(Ready ready) {
    std::unique_lock lock(wake_mutex_);
    wake_.wait(lock, [&] { return abort_ || ready(); });
  }
  // Something a waiting thread may be waiting for changed: state, seek, stop.
  void Wake();

  Settings settings_;
  PlayerSink* sink_;
  std::atomic<int>& volume_;
  std::atomic<bool>& mute_;
  std::atomic<int>& frame_width_;
  std::atomic<int>& frame_height_;

  std::atomic<bool> abort_{false};
  // Limits every read of the file in time and ends it on Stop; outlives format_,
  // whose I/O layer keeps a pointer to it.
  media::ReadWatch watch_{settings_.readTimeoutMs, &abort_};
  avptr::Input format_;
  int audio_index_ = -1;
  int video_index_ = -1;
  int64_t start_time_ = 0;
  int64_t duration_ = 0;

  // Each seek starts a new generation; what belongs to an older one is dropped.
  std::atomic<int> gen_{0};
  std::atomic<int> eof_gen_{-1};
  std::atomic<int> audio_done_gen_{-1};
  std::atomic<int> video_done_gen_{-1};
  std::atomic<int> read_failed_gen_{-1};        // the reading of this generation ended on damage
  std::atomic<int64_t> first_damage_us_{INT64_MAX};  // where the earliest undecodable packet lies
  std::atomic<int64_t> seek_floor_{INT64_MIN};  // exact seek target, or INT64_MIN
  std::atomic<bool> seek_pending_{false};

  PlayerQueue<QueuedPacket> audio_packets_{512};
  PlayerQueue<QueuedPacket> video_packets_{256};
  PlayerQueue<QueuedPicture> pictures_{3};

  PlayerClock clock_;
  std::atomic<int32_t> state_{FFPlayer::kStateStopped};
  std::atomic<bool> refresh_pending_{false};     // show the first picture of a position even paused
  std::atomic<int> end_reported_gen_{-1};
  std::atomic<int> video_ready_gen_{-1};         // the first picture of this position is decoded
  std::atomic<int64_t> requested_position_{-1};  // a seek on its way
  std::atomic<int64_t> last_position_{-1};       // reset by the reader at a seek

  std::unique_ptr<PlayerAudioOutput> audio_;
  std::unique_ptr<PlayerReader> reader_;
  std::unique_ptr<PlayerDecoder> audio_decoder_;
  std::unique_ptr<PlayerDecoder> video_decoder_;
  std::unique_ptr<PlayerPresenter> presenter_;

 private:
  // Marks the thread as running one of this session's handlers or sink calls.
  struct EventScope {
    explicit EventScope(const PlayerSession* session);
    ~EventScope();
    const PlayerSession* previous;
  };

  bool OpenStreams(const std::string& path, std::string& error);
  void Start();
  // Runs a worker's loop; whatever it throws ends the playback, not the program.
  template <typename Loop>
  std::thread Guarded(Loop loop) {
    return std::thread([this, loop] {
      try {
        loop();
      } catch (...) {
        Fail(media::ExceptionText(std::current_exception()));
      }
    });
  }

  std::mutex seek_mutex_;
  int64_t seek_target_ = 0;
  int32_t seek_flags_ = 0;
  bool seek_done_ = false;  // seek_target_ was reached (guarded by seek_mutex_)

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

  std::thread threads_[5];  // reader, decoders, presenter, sound pump
  bool started_ = false;

  friend class PlayerReader;  // takes the seek requests
};
