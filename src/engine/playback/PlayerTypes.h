#pragma once
// What the player's threads and its callers share: the picture handed to the
// screen, the screen, the counters, and the state, event and seek codes. FFPlayer
// offers them under its own names.
#include <cstdint>
#include <memory>
#include <vector>

namespace playback {

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
  int64_t framesDecoded = 0;  // video pictures out of the decoder (after seek trimming)
  int64_t framesShown = 0;    // pictures handed to the sink
  int64_t framesDropped = 0;  // pictures skipped because they were late
  int64_t driftCount = 0;     // pictures the drift figures cover
  double driftAbsSumUs = 0;   // sum of |picture time - clock| at presentation
  int64_t driftAbsMaxUs = 0;
  int64_t lastDriftUs = 0;     // signed, picture time - clock, of the last shown picture
  int64_t audioUnderruns = 0;  // sound requests that found too little decoded sound
  bool audioDevice = false;    // true when a real (or SDL dummy) audio device plays
};

// Play states (FFPlayer::PlayState()); OnState carries them too when the state changes.
constexpr int32_t kStateStopped = 0;  // nothing open, or stopped
constexpr int32_t kStatePaused = 1;   // paused; the picture stays
constexpr int32_t kStatePlaying = 2;
constexpr int32_t kStateEnded = 3;  // the end was reached; the last picture stays
// Codes only OnState carries.
constexpr int32_t kEventScreenReady = 4;  // the screen shows a picture of a new size
constexpr int32_t kEventEndOfFile = 5;    // playback reached the end of the file
// Playback reached the end of what could be read, well short of the file's
// length (a file cut short, or damage that ends the reading); the state is
// kStateEnded and FFPlayer::LastErrorMessage() says where and why.
constexpr int32_t kEventEndedEarly = 6;

// Seek flags.
constexpr int32_t kSeekExact = 0;     // continue exactly at the target
constexpr int32_t kSeekKeyFrame = 4;  // continue at the key frame at or before it

enum ShowAudioMode { saNone = 0, saWave = 1 };

}  // namespace playback
