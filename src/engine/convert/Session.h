#pragma once
// One conversion: the source is opened, each planned stream goes through its lane
// (decode, filter, encode) and the muxer writes into a temporary file beside the
// output, renamed over the output name only when everything succeeded.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/ConversionOutcome.h"
#include "engine/convert/AtomicOutputFile.h"
#include "engine/convert/EncoderOptions.h"
#include "engine/convert/OutputFolder.h"
#include "engine/convert/OutputPlan.h"
#include "engine/media/MediaInput.h"

namespace convert {

struct Job {
  std::string source;
  std::string output;
  convert::FolderHandle folder;  // `output`'s folder, opened when the task was set up; null: opened now
  Options options;
  media::SourceDescription description;  // the source as it was opened for the task
  OutputPlan plan;                       // made for `description` when the task was set up
  bool planned = false;                  // false: the run makes the plan itself
  int threads = 1;                       // codec threads; 0 lets the codecs choose
  int read_timeout_ms = 10000;
  const std::atomic<bool>* stop = nullptr;
  ExistingOutput existing = ExistingOutput::KeepBoth;  // a file already at `output`
  std::vector<convert::FileId> keep;                   // files never to be replaced (sources of the run)
  // bytes written, output position and source duration in microseconds
  std::function<void(int64_t, int64_t, int64_t)> progress;
};

// Runs the whole conversion and says how it ended (a skip's text is left to the
// caller); `written` gets the name the output was given (or would have had, when
// skipped). A source that changed since it was described is planned again.
ConversionOutcome Transcode(const Job& job, std::string* written);

}  // namespace convert
