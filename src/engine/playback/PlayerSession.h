#pragma once
// One opened file's playback: the state the player's threads share (PlaybackState)
// and the parts that run them: the reader, a decoder per stream, the sound output
// and the presenter. FFPlayer owns one session per opened file.
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "engine/media/ExceptionText.h"
#include "engine/playback/PlaybackState.h"
#include "engine/playback/PlayerTypes.h"

namespace playback {

class PlayerAudioOutput;
class PlayerDecoder;
class PlayerPresenter;
class PlayerReader;

class PlayerSession {
 public:
  using Settings = PlaybackState::Settings;

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
  void Abandon(bool silence) { shared_.Abort(silence); }

  void Pause();
  void Resume();
  void RequestSeek(int64_t target, int32_t flags);
  int32_t State() const { return shared_.state_; }
  int64_t Position() const;
  int64_t Duration() const { return shared_.Duration(); }
  bool HasVideo() const { return shared_.VideoIndex() >= 0; }
  bool HasAudio() const { return shared_.AudioIndex() >= 0; }
  // True on a thread that runs one of this session's handlers or sink calls.
  bool InOwnEvent() const { return shared_.InOwnEvent(); }
  // Why playback ended on its own with an error, or why it ended short of the
  // file's length; empty when neither happened.
  std::string Failure() const { return shared_.Failure(); }
  bool ShowsPictures() const {
    return shared_.Sink() && (HasVideo() || shared_.Options().showAudio == saWave);
  }
  PlayerSink* Sink() const { return shared_.Sink(); }
  PlayerStatistics Statistics() const { return shared_.Statistics(); }
  const std::function<void(int32_t)>& OnState() const { return shared_.Options().onState; }

 private:
  bool OpenStreams(const std::string& path, std::string& error);
  void Start();
  // Runs a worker's loop; whatever it throws ends the playback, not the program.
  template <typename Loop>
  std::thread Guarded(Loop loop) {
    return std::thread([this, loop] {
      try {
        loop();
      } catch (...) {
        shared_.Fail(media::ExceptionText(std::current_exception()));
      }
    });
  }

  PlaybackState shared_;
  std::unique_ptr<PlayerAudioOutput> audio_;
  std::unique_ptr<PlayerReader> reader_;
  std::unique_ptr<PlayerDecoder> audio_decoder_;
  std::unique_ptr<PlayerDecoder> video_decoder_;
  std::unique_ptr<PlayerPresenter> presenter_;

  std::thread threads_[5];  // reader, decoders, presenter, sound pump
};

}  // namespace playback
