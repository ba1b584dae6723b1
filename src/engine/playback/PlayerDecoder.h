#pragma once
// One stream's decoder thread, the same type for sound and pictures: takes packets
// from the stream's queue and hands decoded sound to the sound output, or pictures
// (converted for the screen) to the presenter's queue.
#include <memory>

#include "engine/media/AVPointers.h"
#include "engine/media/DisplayMatrix.h"
#include "engine/playback/PlayerQueue.h"
#include "engine/playback/PlayerTimeline.h"

namespace playback {

struct PlayerFrame;

class PlaybackState;
class PlayerAudioOutput;
struct QueuedPacket;

class PlayerDecoder {
 public:
  PlayerDecoder(PlaybackState& shared, AVMediaType type);
  PlayerDecoder(const PlayerDecoder&) = delete;
  PlayerDecoder& operator=(const PlayerDecoder&) = delete;

  // Opens the decoder for stream `index` of the session's file. False when the
  // stream cannot be decoded.
  bool Open(int index);
  const AVCodecContext* Context() const { return codec_.get(); }
  // Where decoded sound goes (sound decoders only), set before Loop runs.
  void SetAudioOutput(PlayerAudioOutput* audio) { audio_ = audio; }

  void Loop();

 private:
  bool IsAudio() const { return type_ == AVMEDIA_TYPE_AUDIO; }
  void HandleVideoFrame(AVFrame* frame, int gen);
  void SkipPicturesBeforeTarget(const AVPacket* packet);
  void NoteDamage(const AVPacket* packet);
  bool ConvertPicture(AVFrame* frame, PlayerFrame& out);
  void HandleAudioFrame(AVFrame* frame, int gen);
  bool UpdateResampler(const AVFrame* frame);

  PlaybackState& shared_;
  PlayerAudioOutput* audio_ = nullptr;
  AVMediaType type_;
  PlayerQueue<QueuedPacket>& packets_;
  media::Codec codec_;
  AVRational time_base_{1, 1};
  int64_t frame_duration_us_ = 40000;  // pictures only
  int64_t next_pts_ = 0;
  PlayerTimeline timeline_;

  media::Scaler sws_;
  media::Orientation turn_;  // how the stored pictures are shown upright
  media::Resampler swr_;
  int swr_in_format_ = -1;
  int swr_in_rate_ = 0;
  media::Layout swr_in_layout_;
};

}  // namespace playback
