#pragma once
// The player's reader thread: reads packets from the file into the streams' queues,
// marks the end of the file, and carries out seeks (a new generation each).
extern "C" {
#include <libavcodec/packet.h>
}

#include <cstdint>

#include "engine/playback/PlayerQueue.h"

namespace playback {

class PlaybackState;
class PlayerAudioOutput;
struct QueuedPacket;

class PlayerReader {
 public:
  // `audio`: the sound output emptied at a seek, or null without sound.
  PlayerReader(PlaybackState& shared, PlayerAudioOutput* audio) : shared_(shared), audio_(audio) {}

  void Loop();

 private:
  void Seek();
  void Push(PlayerQueue<QueuedPacket>& queue, AVPacket* packet, int gen);
  void MarkEndOfFile();
  bool Interrupted() const;

  PlaybackState& shared_;
  PlayerAudioOutput* audio_;
};

}  // namespace playback
