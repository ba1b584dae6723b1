#pragma once
// The player's presenter thread: shows each picture when the clock reaches it
// (dropping late ones), or the waveform for sound without pictures; reports the
// position a few times a second and the end once everything has played.
#include <cstdint>
#include <memory>
#include <string>

namespace playback {

struct PlayerFrame;

class PlaybackState;
class PlayerAudioOutput;

class PlayerPresenter {
 public:
  // `audio`: the sound output whose waveform and leftovers count, or null.
  PlayerPresenter(PlaybackState& shared, PlayerAudioOutput* audio) : shared_(shared), audio_(audio) {}

  void Loop();

 private:
  // Shows the picture at the head of the queue when it is due. False when there
  // was nothing to do (the caller then waits a little).
  bool PresentNextPicture(int gen, int64_t now);
  void PresentWave(int64_t now);
  void Show(std::shared_ptr<PlayerFrame> frame);
  bool AtEnd(int gen);
  void FinishIfAtEnd(int gen);
  std::string EarlyEnd(int gen, int64_t reached) const;
  void ReportPosition(int64_t now, bool force);

  PlaybackState& shared_;
  PlayerAudioOutput* audio_;
  int64_t last_position_time_ = 0;
  int64_t last_wave_time_ = 0;
  int shown_width_ = 0;
  int shown_height_ = 0;
  int64_t shown_position_ = 0;  // of the last picture shown
};

}  // namespace playback
