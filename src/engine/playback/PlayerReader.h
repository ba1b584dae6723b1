#pragma once
// The player's reader thread: reads packets from the file into the streams' queues,
// marks the end of the file, and carries out seeks (a new generation each).
extern "C" {
#include <libavcodec/packet.h>
}

#include <cstdint>

#include "engine/playback/PlayerQueue.h"

class PlayerSession;
struct QueuedPacket;

class PlayerReader {
 public:
  explicit PlayerReader(PlayerSession& session) : session_(session) {}

  void Loop();

 private:
  void Seek();
  void Push(PlayerQueue<QueuedPacket>& queue, AVPacket* packet, int gen);
  void MarkEndOfFile();
  bool Interrupted() const;

  PlayerSession& session_;
};
