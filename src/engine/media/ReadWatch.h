#pragma once
// The time limit on reading one source, shared by the safe opening (MediaInput.h)
// and the engine's own I/O (SourceGuard.h).
#include <atomic>
#include <chrono>

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
  // libav's interrupt callback: non-zero ends the work (stopped, or a read stalled).
  static int Callback(void* opaque) {
    const auto* watch = static_cast<const ReadWatch*>(opaque);
    if (!watch) return 0;
    return (watch->Stopped() || watch->Expired()) ? 1 : 0;
  }

 private:
  std::chrono::steady_clock::duration limit_;
  const std::atomic<bool>* stop_;
  bool stalled_ = false;
};

}  // namespace media
