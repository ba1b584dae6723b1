#pragma once
// Keeps one stream's presentation times rising where its time stamps start again,
// as in recordings joined end to end (a camera's split files copied into one).
// Without it, everything after the join would look hopelessly late and rush by.
#include <cstdint>

namespace playback {

class PlayerTimeline {
 public:
  // A step back larger than this is a join, not the usual reordering jitter.
  static constexpr int64_t kJoinStepUs = 250000;

  // `stamp`: a frame's time from the file (microseconds from the file's start);
  // `expected`: where the previous frame ended. Returns the time to play it at.
  int64_t Place(int64_t stamp, int64_t expected);
  // At a seek: the file's own times hold again.
  void Reset();

 private:
  int64_t offset_ = 0;
  bool started_ = false;
};

}  // namespace playback
