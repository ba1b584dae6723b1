#pragma once
// The playback clock: a position in microseconds that advances with a steady
// time source while running. Audio output re-anchors it every time it hands data
// to the device; without audio it simply runs on the wall clock.
#include <cstdint>
#include <mutex>

namespace playback {

class PlayerClock {
 public:
  // Steady time in microseconds, the clock's time base.
  static int64_t Now();

  // Holds the clock at `value` until Set() starts it again (after open and seeks,
  // while the first data of the new position is still being decoded).
  void Hold(int64_t value);
  // Anchors the clock: `value` at time `now`. Ends a hold; keeps a pause.
  void Set(int64_t value, int64_t now);
  // The position at time `now`.
  int64_t Get(int64_t now) const;
  void SetPaused(bool paused, int64_t now);
  bool Held() const;
  bool Paused() const;
  // Time `now` minus the moment the current hold began (0 when not held).
  int64_t HeldFor(int64_t now) const;

 private:
  int64_t GetLocked(int64_t now) const;

  mutable std::mutex mutex_;
  int64_t value_ = 0;
  int64_t anchor_ = 0;
  int64_t held_since_ = 0;
  bool held_ = true;
  bool paused_ = false;
};

}  // namespace playback
