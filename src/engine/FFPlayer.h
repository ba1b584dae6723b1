#pragma once
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

// One picture for the screen: RGB32 pixels (0xffRRGGBB, native endian), rows of
// `width` pixels without padding.
struct PlayerFrame {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  int64_t position = 0;  // microseconds from the start of the file
};

// The screen the player draws into. PresentFrame is called from a worker thread;
// the sink keeps the frame (shared) and repaints on its own thread.
class PlayerSink {
 public:
  virtual ~PlayerSink() = default;
  virtual void PresentFrame(std::shared_ptr<const PlayerFrame> frame) = 0;
};

// Counters for measuring playback (the benchmark reads them).
struct PlayerStatistics {
  int64_t framesDecoded = 0;   // video pictures out of the decoder (after seek trimming)
  int64_t framesShown = 0;     // pictures handed to the sink
  int64_t framesDropped = 0;   // pictures skipped because they were late
  int64_t driftCount = 0;      // pictures the drift figures cover
  double driftAbsSumUs = 0;    // sum of |picture time - clock| at presentation
  int64_t driftAbsMaxUs = 0;
  int64_t lastDriftUs = 0;     // signed, picture time - clock, of the last shown picture
  int64_t audioUnderruns = 0;  // sound requests that found too little decoded sound
  bool audioDevice = false;    // true when a real (or SDL dummy) audio device plays
};

class FFPlayer {
 public:
  // PlayState() values; OnState carries them too when the state changes.
  static constexpr int32_t kStateStopped = 0;  // nothing open, or stopped
  static constexpr int32_t kStatePaused = 1;   // paused; the picture stays
  static constexpr int32_t kStatePlaying = 2;
  static constexpr int32_t kStateEnded = 3;    // the end was reached; the last picture stays
  // Codes only OnState carries.
  static constexpr int32_t kEventScreenReady = 4;  // the screen shows a picture of a new size
  static constexpr int32_t kEventEndOfFile = 5;    // playback reached the end of the file
  // Playback reached the end of what could be read, well short of the file's
  // length (a file cut short, or damage that ends the reading); the state is
  // kStateEnded and LastErrorMessage() says where and why.
  static constexpr int32_t kEventEndedEarly = 6;

  // Seek flags.
  static constexpr int32_t kSeekExact = 0;     // continue exactly at the target
  static constexpr int32_t kSeekKeyFrame = 4;  // continue at the key frame at or before it

  enum ShowAudioMode { saNone = 0, saWave = 1 };

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
