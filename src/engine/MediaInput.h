#pragma once
// Opening a source file safely: only regular files, read through the engine's own
// I/O (see SourceGuard.h), and no read that may stall longer than the read time limit.
#include <atomic>
#include <chrono>
#include <string>

#include "engine/AVPointers.h"

namespace media {

// Watches one open input: every read of the file is timed, and a single read
// that stalls longer than the limit ends the work (a slow source that keeps
// delivering is fine). libav also asks it between reads whether to give up.
class ReadWatch {
 public:
  ReadWatch(int timeout_ms, const std::atomic<bool>* stop)
      : limit_(std::chrono::milliseconds(timeout_ms > 0 ? timeout_ms : 10000)), stop_(stop) {}
  // Records how long one read took; false when it stalled past the limit. A
  // stall is final: libav keeps a failed read's error for the rest of the file.
  bool NoteRead(std::chrono::steady_clock::duration took) {
    if (took > limit_) stalled_ = true;
    return !stalled_;
  }
  bool Expired() const { return stalled_; }
  bool Stopped() const { return stop_ && stop_->load(); }
  static int Callback(void* opaque);

 private:
  std::chrono::steady_clock::duration limit_;
  const std::atomic<bool>* stop_;
  bool stalled_ = false;
};

// Opens and probes `path` (file-system bytes). On failure returns null and fills
// `error` with a sentence naming the problem. `watch` must outlive the context.
avptr::Input OpenInput(const std::string& path, ReadWatch* watch, std::string* error);

// Opens a decoder for `stream` of `input`, with `threads` codec threads (0: as many
// as the machine has). Pictures get the stream's guessed frame rate. Null, with a
// sentence naming the problem, when the stream cannot be decoded.
avptr::Codec OpenDecoder(AVFormatContext* input, AVStream* stream, int threads, std::string* error);

// "video", "audio" or "subtitle", for messages.
std::string MediaWord(AVMediaType type);

// Best-effort duration in microseconds: header value, else stream durations, else
// size over bit rate. 0 when nothing is known.
int64_t EstimateDuration(const AVFormatContext* ctx, const std::string& path);

// Best stream of a kind, skipping cover pictures; -1 when none.
int BestStream(AVFormatContext* ctx, AVMediaType type);

// Keeps libav's console logging down to real errors (once per process).
void QuietLogs();

// True when two paths name the same file (also through links); false when either
// does not exist.
bool SameFile(const std::string& a, const std::string& b);

// The file name prefixed so that libav never reads a protocol out of it.
std::string FileUrl(const std::string& path);

}  // namespace media
