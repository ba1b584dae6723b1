#pragma once
// Collects an FFEncoder's events (they arrive on worker threads) and waits for the
// end of a run.
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "engine/FFEncoder.h"

namespace enginetest {

// The outcome flattened for checks: the text, or after a success the notes one a line.
struct FinishedEvent {
  int task;
  bool succeeded;
  bool failed;
  std::string message;
  ConversionOutcome::Kind kind = ConversionOutcome::Kind::Failed;
  std::vector<std::string> notes;
};

class EventRecorder {
 public:
  explicit EventRecorder(FFEncoder& encoder) {
    encoder.SetProgressHandler([this](int task, int64_t, int64_t position, int64_t total) {
      std::lock_guard lock(mutex_);
      ++progress_[task];
      if (position < 0 || total < 0) bad_progress_ = true;
      if (ended_count_ > 0) events_after_end_ = true;
    });
    encoder.SetFinishedHandler([this](int task, const ConversionOutcome& outcome) {
      std::lock_guard lock(mutex_);
      if (ended_count_ > 0) events_after_end_ = true;
      finished_.push_back({task, outcome.Converted(), outcome.kind == ConversionOutcome::Kind::Failed,
                           outcome.Converted() ? JoinedNotes(outcome.notes) : outcome.text, outcome.kind,
                           outcome.notes});
      if (task < 0) ++ended_count_;
      cv_.notify_all();
    });
  }

  // True when Finished(-1) arrived `runs` times within the time.
  bool WaitForEnd(int seconds = 120, int runs = 1) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, std::chrono::seconds(seconds), [&] { return ended_count_ >= runs; });
  }

  std::vector<FinishedEvent> Finished() {
    std::lock_guard lock(mutex_);
    return finished_;
  }
  // The task's own Finished event (not the end-of-run one).
  FinishedEvent For(int task) {
    std::lock_guard lock(mutex_);
    for (const auto& e : finished_)
      if (e.task == task) return e;
    return {task, false, false, "<no event>", ConversionOutcome::Kind::Failed, {}};
  }
  int ProgressCount(int task) {
    std::lock_guard lock(mutex_);
    return progress_[task];
  }
  int EndCount() {
    std::lock_guard lock(mutex_);
    return ended_count_;
  }
  bool BadProgress() {
    std::lock_guard lock(mutex_);
    return bad_progress_;
  }
  bool EventsAfterEnd() {
    std::lock_guard lock(mutex_);
    return events_after_end_;
  }
  void Reset() {
    std::lock_guard lock(mutex_);
    finished_.clear();
    progress_.clear();
    ended_count_ = 0;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::vector<FinishedEvent> finished_;
  std::map<int, int> progress_;
  int ended_count_ = 0;
  bool bad_progress_ = false;
  bool events_after_end_ = false;
};

}  // namespace enginetest
