#pragma once
// Opening a source file safely: only regular files, no protocol surprises in the
// name, and no read that may stall longer than the read time limit.
#include <atomic>
#include <chrono>
#include <string>

#include "engine/AVPointers.h"

namespace media {

// Watches one open input: libav asks it between reads whether to give up.
class ReadWatch {
 public:
  ReadWatch(int timeout_ms, const std::atomic<bool>* stop) : timeout_ms_(timeout_ms), stop_(stop) {}
  // Starts a new read window; call before every blocking libav read.
  void Arm() { deadline_ = Clock::now() + std::chrono::milliseconds(timeout_ms_ > 0 ? timeout_ms_ : 10000); }
  bool Expired() const { return Clock::now() > deadline_; }
  bool Stopped() const { return stop_ && stop_->load(); }
  static int Callback(void* opaque);

 private:
  using Clock = std::chrono::steady_clock;
  int timeout_ms_;
  const std::atomic<bool>* stop_;
  Clock::time_point deadline_ = Clock::now();
};

// Opens and probes `path` (file-system bytes). On failure returns null and fills
// `error` with a sentence naming the problem. `watch` must outlive the context.
avptr::Input OpenInput(const std::string& path, ReadWatch* watch, std::string* error);

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
