#pragma once
// What a conversion will make, worked out from the parsed options and the source's
// description alone (no file is read or written): the container, and for each
// converted stream an encoder and the filters that lead to it, the picture size
// and the subtitle tracks kept. SetOutput makes the plan once; the task carries it
// to the run.
#include <string>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

#include "engine/convert/EncoderOptions.h"
#include "engine/convert/StreamSelection.h"
#include "engine/media/MediaInput.h"

struct AVOutputFormat;
struct AVCodec;

namespace convert {

// One source stream's way into the output: decoded, filtered by `chain`, encoded.
struct LanePlan {
  int stream = -1;  // index in the source
  AVMediaType type = AVMEDIA_TYPE_UNKNOWN;
  const AVCodec* encoder = nullptr;
  std::string chain;            // libavfilter chain; empty when the stream's format is not known yet
  AVRational frame_rate{0, 1};  // video: the rate encoded
};

struct OutputPlan {
  const AVOutputFormat* format = nullptr;
  const AVCodec* video = nullptr;  // null: no video in the output
  const AVCodec* audio = nullptr;  // null: no audio in the output
  int width = 0;                   // output picture size (video only)
  int height = 0;
  std::vector<LanePlan> lanes;                     // the picture first, then the sound tracks in source order
  std::vector<convert::SubtitleChoice> subtitles;  // tracks that go along as text or as they are
  std::string burn_in;             // the filter drawing a subtitle track into the picture, or ""
  int burn_in_stream = -1;         // the source stream it draws
  std::vector<std::string> notes;  // said with a success: what could not be kept, one each
};

// Resolves the container and encoders, checks that they fit together and that the
// picture geometry is possible, and lays out every lane. False with a message
// naming the problem. `source_path` is not read: no filter names the source (the
// subtitles to burn in are prepared by the session).
bool MakeOutputPlan(const Options& options, const std::string& source_path, const std::string& output_path,
                    const media::SourceDescription& source, OutputPlan* plan, std::string* error);

// The source facts that option parsing depends on.
SourceFacts FactsOf(const media::SourceDescription& source);

// Output picture size after the filter chain and -s, adjusted to what the encoder
// accepts. False with a message when a crop does not fit the picture.
bool OutputSize(const Options& options, const AVCodec* codec, int source_width, int source_height, int* width,
                int* height, std::string* error);

// The video lane for `in` (see VideoPlan.cpp); sets the plan's picture size.
bool PlanVideoLane(const Options& options, const media::StreamFacts& in, const AVCodec* codec,
                   const std::string& burn_in, LanePlan* lane, int* width, int* height, std::string* error);

// The sound lane for `in` (see OutputPlan.cpp). False only when memory ran out.
bool PlanAudioLane(const Options& options, const media::StreamFacts& in, const AVCodec* codec, LanePlan* lane,
                   std::string* error);

}  // namespace convert
