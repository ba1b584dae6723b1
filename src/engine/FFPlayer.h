#pragma once
// The engine's front door for playing, for the player window without libav or SDL
// headers. Behind it: playback/ (one session per opened file and its reader,
// decoder, sound and presenter threads) on media/.
//
// Plays one media file: demuxing and decoding on worker threads, sound through the
// SDL2 audio subsystem, pictures converted to RGB32 and handed to a PlayerSink.
// Pictures follow the audio clock; without a sound device (or without audio) a
// wall clock paces playback instead.
//
// Call every method from one thread (the UI thread). Events are raised from the
// player's worker threads (and, for pause/resume, from the calling thread); a host
// with a UI re-delivers them to its own thread. Called from inside an event
// handler or a sink call, Stop() ends playback at once but joins the player's
// threads only at the next call from outside, and the destructor leaves that to
// a thread of its own; no events follow either.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/playback/PlayerTypes.h"

// The picture, screen and counters of playback/PlayerTypes.h, under the names the
// callers use.
using PlayerFrame = playback::PlayerFrame;
using PlayerSink = playback::PlayerSink;
using PlayerStatistics = playback::PlayerStatistics;

class FFPlayer {
 public:
  // PlayState() values; OnState carries them too when the state changes.
  static constexpr int32_t kStateStopped = playback::kStateStopped;  // nothing open, or stopped
  static constexpr int32_t kStatePaused = playback::kStatePaused;    // paused; the picture stays
  static constexpr int32_t kStatePlaying = playback::kStatePlaying;
  static constexpr int32_t kStateEnded =
      playback::kStateEnded;  // the end was reached; the last picture stays
  // Codes only OnState carries: the screen shows a picture of a new size; playback
  // reached the end of the file; playback reached the end of what could be read,
  // well short of the file's length (a file cut short, or damage that ends the
  // reading): the state is kStateEnded and LastErrorMessage() says where and why.
  static constexpr int32_t kEventScreenReady = playback::kEventScreenReady;
  static constexpr int32_t kEventEndOfFile = playback::kEventEndOfFile;
  static constexpr int32_t kEventEndedEarly = playback::kEventEndedEarly;

  // Seek flags: continue exactly at the target, or at the key frame at or before it.
  static constexpr int32_t kSeekExact = playback::kSeekExact;
  static constexpr int32_t kSeekKeyFrame = playback::kSeekKeyFrame;

  using ShowAudioMode = playback::ShowAudioMode;
  static constexpr ShowAudioMode saNone = playback::saNone;
  static constexpr ShowAudioMode saWave = playback::saWave;

  FFPlayer();
  ~FFPlayer();
  FFPlayer(const FFPlayer&) = delete;
  FFPlayer& operator=(const FFPlayer&) = delete;

  // Stored settings, read by Open().
  ShowAudioMode ShowAudio = saWave;  // what a file without video shows
  int AudioStreamIndex = -1;         // -1: the best audio stream
  int VideoStreamIndex = -1;         // -1: the best video stream
  int ReadTimeout = 10000;           // ms a read may stall before it fails

  // Events. Set them before Open().
  std::function<void(int64_t duration)> OnDuration;  // microseconds, once per Open
  std::function<void(int64_t position)> OnPosition;  // microseconds, a few times a second
  std::function<void(int32_t state)> OnState;

  static bool AVLibLoaded();
  // `recheck` forces a fresh check even when the libraries answered before.
  static bool LoadAVLib(const std::string& folder, bool recheck);

  // Opens `path` (the file system's bytes; always a local file) and starts playing
  // unless `startPaused`. Pictures go to `sink` (may be null: sound only). False on
  // failure, LastErrorMessage() says why. An open player is stopped first.
  // Damaged packets are skipped. Should playback fail later (no memory, a file
  // that cannot be read at all), the player stops by itself: OnState(kStateStopped),
  // and LastErrorMessage() says why.
  bool Open(const std::string& path, PlayerSink* sink, bool startPaused);
  std::string LastErrorMessage() const;

  void TogglePause();
  bool Paused() const;  // true unless playing
  void Pause();
  void Resume();
  // Target in microseconds from the start of the file; flags kSeekExact or
  // kSeekKeyFrame; `relative` adds the target to the current position. The state
  // is kept, except that an ended player becomes paused. False when nothing is open.
  bool Seek(int32_t low, int32_t high, int32_t flags, bool relative);
  bool Seek(int64_t target, int32_t flags, bool relative);
  int32_t PlayState() const;

  int AudioVolume() const;          // 0..128
  void SetAudioVolume(int volume);  // clamped to 0..128, takes effect at once
  bool Mute() const;
  void SetMute(bool mute);

  // Display size (the sink's area) and output picture size in pixels; 0 means the
  // picture's own size. Changes take effect at UpdateScreen(). Pictures keep their
  // aspect ratio inside the frame size.
  int ScreenWidth() const;
  int ScreenHeight() const;
  int FrameWidth() const;
  int FrameHeight() const;
  void SetScreenWidth(int width);
  void SetScreenHeight(int height);
  void SetFrameWidth(int width);
  void SetFrameHeight(int height);
  void UpdateScreen();
  // An id of the screen in use, 0 when nothing is shown (no sink, or no picture
  // source: no video and no waveform).
  uintptr_t ScreenHandle() const;

  // Ends playback and closes the file. `notify` raises OnState(kStateStopped).
  void Stop(bool notify);

  int64_t Duration() const;  // microseconds, 0 when unknown
  int64_t Position() const;  // microseconds
  bool HasVideo() const;
  bool HasAudio() const;
  PlayerStatistics Statistics() const;

 private:
  bool OpenSession(const std::string& path, PlayerSink* sink, bool startPaused);

  struct Impl;
  std::unique_ptr<Impl> impl_;
};
