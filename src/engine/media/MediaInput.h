#pragma once
// Opening a source file safely: only regular files, read through the engine's own
// I/O (see SourceGuard.h), and no read that may stall longer than the read time limit.
#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "engine/media/AVPointers.h"
#include "engine/media/DisplayMatrix.h"
#include "engine/media/ReadWatch.h"

namespace media {

// One stream of a source as the probe saw it.
struct StreamFacts {
  int index = -1;
  AVMediaType type = AVMEDIA_TYPE_UNKNOWN;
  AVCodecID codec = AV_CODEC_ID_NONE;
  bool cover = false;       // a picture attached to sound (album art), not a video
  bool is_default = false;  // marked as the track to play by default
  bool decodable = false;   // this build has a decoder for it
  AVRational time_base{0, 1};
  int64_t duration = AV_NOPTS_VALUE;  // in time_base, from the header
  // Pictures: stored size and format, and how they are shown upright.
  int width = 0;
  int height = 0;
  int pixel_format = -1;
  AVRational sample_aspect{0, 1};
  AVRational frame_rate{0, 1};  // libav's guess; 0/1 when unknown
  Orientation turn;
  int shown_width = 0;  // the size once shown upright
  int shown_height = 0;
  AVFieldOrder field_order = AV_FIELD_UNKNOWN;  // as the header says (or a look at the pictures found)
  bool Interlaced() const { return field_order > AV_FIELD_PROGRESSIVE; }
  // Sound.
  int sample_rate = 0;
  int sample_format = -1;
  int channels = 0;
};

// What a source holds: read once when a file is opened and carried with the task,
// so listing, planning and converting agree on one view of the file.
struct SourceDescription {
  std::vector<StreamFacts> streams;  // in file order: streams[i].index == i
  int best_video = -1;               // never a cover picture; -1 when none
  int best_audio = -1;
  int64_t duration_us = 0;  // header, else stream durations, else size over bit rate; 0 when unknown
  int64_t start_us = 0;     // the file's start time
  bool ts_jumps = false;    // the container's clock may jump (broadcast streams)

  bool HasVideo() const { return best_video >= 0; }
  bool HasAudio() const { return best_audio >= 0; }
  const StreamFacts* Video() const { return HasVideo() ? &streams[best_video] : nullptr; }
  int Count(AVMediaType type) const;  // cover pictures do not count as video
};

// Reads the description of an opened source.
SourceDescription DescribeSource(const AVFormatContext* input, const std::string& path);

// True when two streams' facts agree in every field.
bool SameStream(const StreamFacts& a, const StreamFacts& b);

// True when both describe the same streams with the same formats: a plan made
// for one fits the other.
bool SameSource(const SourceDescription& a, const SourceDescription& b);

// Updates a stream's facts with what its opened decoder reports (some formats are
// only known once the decoder runs). True when anything changed.
bool RefineFromDecoder(StreamFacts* facts, const AVCodecContext* decoder);

// Opens and probes `path` (file-system bytes). On failure returns null and fills
// `error` with a sentence naming the problem. `watch` must outlive the context.
media::Input OpenInput(const std::string& path, ReadWatch* watch, std::string* error);

// Opens a decoder for `stream` of `input`, with `threads` codec threads (0: as many
// as the machine has). Pictures get the stream's guessed frame rate (`input` is
// read only for that and may be null for other streams). Null, with a sentence
// naming the problem, when the stream cannot be decoded.
media::Codec OpenDecoder(AVFormatContext* input, AVStream* stream, int threads, std::string* error);

// "video", "audio" or "subtitle", for messages.
std::string MediaWord(AVMediaType type);

// "30000/1001": a rational as filter options write it.
std::string Fraction(AVRational r);

// libavfilter's name of a channel layout ("stereo", "5.1"); "stereo" when it has none.
std::string LayoutName(const AVChannelLayout& layout);

// How many sources OpenInput has opened in this process (for tests and
// benchmarks: a file listed first is not probed again when it is queued).
long ProbeCount();

// Keeps libav's console logging down to real errors (once per process).
void QuietLogs();

// The file name prefixed so that libav never reads a protocol out of it.
std::string FileUrl(const std::string& path);

}  // namespace media
