#pragma once
// The player's sound output: decoded sound waits here in chunks until the SDL
// device's callback takes it, or, without a device, a pump thread consumes it at
// the wall clock's pace. Whoever takes sound sets the playback clock.
#include <SDL.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "engine/playback/PlayerWaveform.h"

namespace playback {

class PlaybackState;

struct AudioChunk {
  std::vector<uint8_t> data;  // interleaved signed 16-bit samples
  size_t offset = 0;
  int64_t pts = 0;  // microseconds of data[0]
  int gen = 0;
};

class PlayerAudioOutput {
 public:
  explicit PlayerAudioOutput(PlaybackState& shared) : shared_(shared) {}
  ~PlayerAudioOutput();
  PlayerAudioOutput(const PlayerAudioOutput&) = delete;
  PlayerAudioOutput& operator=(const PlayerAudioOutput&) = delete;

  // Opens the device for `rate` and `channels` (it may choose others); without one
  // the pump takes its place.
  void Open(int rate, int channels);
  bool HasDevice() const { return device_ != 0; }
  void SetDevicePaused(bool paused);
  // Closes the device; waits for a running callback, none follows.
  void Close();
  int Rate() const { return out_rate_; }
  int Channels() const { return out_channels_; }

  // Waits for room, then queues the chunk. False when the session ends or a seek
  // makes the chunk stale first.
  bool Queue(AudioChunk chunk);
  // Drops every chunk and the waveform (at a seek).
  void Clear();
  // Sound of generation `gen` not yet taken.
  size_t Buffered(int gen);
  std::vector<int16_t> WaveSnapshot();
  // Wakes a waiting Queue() to look at the session again.
  void Wake();

  // The no-device pump: takes sound at the wall clock's pace while playing.
  void PumpLoop();

 private:
  static void SdlCallback(void* opaque, Uint8* stream, int len);
  void Fill(uint8_t* stream, int len);

  PlaybackState& shared_;
  std::mutex mutex_;
  std::condition_variable room_;
  std::deque<AudioChunk> chunks_;
  size_t bytes_ = 0;
  PlayerWaveRing wave_;
  bool sdl_audio_ = false;
  SDL_AudioDeviceID device_ = 0;
  int out_rate_ = 44100;
  int out_channels_ = 2;
  int64_t device_latency_us_ = 0;
};

}  // namespace playback
