#pragma once
// One conversion: decode the source, filter, encode and mux into a temporary file
// beside the output, renamed over the output name only when everything succeeded.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include <vector>

#include "engine/AtomicOutputFile.h"
#include "engine/EncoderOptions.h"

struct AVOutputFormat;
struct AVCodec;

namespace encoder {

// What SetOutput settles before a task may run: container and encoders.
struct Plan {
  const AVOutputFormat* format = nullptr;
  const AVCodec* video = nullptr;  // null: no video in the output
  const AVCodec* audio = nullptr;  // null: no audio in the output
  int width = 0;                   // output picture size (video only)
  int height = 0;
};

struct SourceInfo {
  bool has_video = false;
  bool has_audio = false;
  SourceFacts facts;
};

// Resolves the container and codecs and checks that they fit together and that
// the picture geometry is possible. False with a message naming the problem.
bool MakePlan(const Options& options, const std::string& output_path, const SourceInfo& source,
              Plan* plan, std::string* error);

// Output picture size after the filter chain and -s, adjusted to what the encoder
// accepts. False with a message when a crop does not fit the picture.
bool OutputSize(const Options& options, const AVCodec* codec, int source_width, int source_height,
                int* width, int* height, std::string* error);

enum class Outcome { Succeeded, Failed, Stopped, Skipped };

struct Job {
  std::string source;
  std::string output;
  Options options;
  int threads = 1;  // codec threads; 0 lets the codecs choose
  int read_timeout_ms = 10000;
  const std::atomic<bool>* stop = nullptr;
  media::Existing existing = media::Existing::KeepBoth;  // a file already at `output`
  std::vector<media::FileId> keep;  // files never to be replaced (sources of the run)
  // bytes written, output position and source duration in microseconds
  std::function<void(int64_t, int64_t, int64_t)> progress;
};

// Runs the whole conversion; `error` gets the reason when it did not succeed (after
// a success, a note on what could not be kept, or nothing) and `written` the name
// the output was given (or would have had, when skipped).
Outcome Transcode(const Job& job, std::string* error, std::string* written);

}  // namespace encoder
