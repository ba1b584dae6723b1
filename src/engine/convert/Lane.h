#pragma once
// A lane carries one source stream into the output: a picture or sound stream is
// decoded, filtered and encoded (StreamLane), a subtitle track copied or converted
// (SubtitleTrack). The session hands each lane the packets of its source stream
// and the lane passes what it makes to the muxer, so the session need not know
// what kind of stream a lane carries. A lane keeps the first failure's text in the
// error string it was given.
#include <cstdint>

struct AVFormatContext;
struct AVPacket;

namespace convert {

// Where lanes' packets go: the muxer.
class PacketWriter {
 public:
  // `packet` names its output stream and is timed in that stream's time base.
  // False stops the conversion.
  virtual bool Write(AVPacket* packet) = 0;

 protected:
  ~PacketWriter() = default;
};

// What a sound or picture lane could not read: damaged packets the decoder
// refused (skipped) and pictures it patched up from their neighbours.
struct LaneDamage {
  bool video = false;
  int64_t skipped = 0;
  int64_t patched = 0;
  int64_t first_us = -1;  // where the first damage lies, from the start of the source
  int64_t lost_us = 0;    // how long the skipped packets would have played
};

class Lane {
 public:
  virtual ~Lane() = default;
  virtual int SourceIndex() const = 0;
  // Adds the lane's stream to the output, before the output's header is written.
  virtual bool AddOutputStream(AVFormatContext* out) = 0;
  // One packet of the source stream (never null).
  virtual bool Feed(const AVPacket* packet, PacketWriter& writer) = 0;
  // Passes on what the lane still holds once the source has ended.
  virtual bool Flush(PacketWriter& writer) = 0;
  // Sound and picture lanes: where the decoded media ended and where the source's
  // header says the stream ends (0 when it does not say), in microseconds. False
  // for lanes that carry no sound or pictures.
  virtual bool MediaSpan(int64_t* decoded_end_us, int64_t* expected_end_us) const {
    (void)decoded_end_us;
    (void)expected_end_us;
    return false;
  }
  // Sound and picture lanes: what was damaged (false for other lanes).
  virtual bool Damage(LaneDamage* damage) const {
    (void)damage;
    return false;
  }
};

}  // namespace convert
