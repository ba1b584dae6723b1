#include "engine/playback/PlayerTimeline.h"

namespace playback {

int64_t PlayerTimeline::Place(int64_t stamp, int64_t expected) {
  const int64_t placed = stamp + offset_;
  if (started_ && placed < expected - kJoinStepUs) {
    // The stamps started again: carry on from where the previous frame ended.
    offset_ += expected - placed;
    return expected;
  }
  started_ = true;
  return placed;
}

void PlayerTimeline::Reset() {
  offset_ = 0;
  started_ = false;
}

}  // namespace playback
