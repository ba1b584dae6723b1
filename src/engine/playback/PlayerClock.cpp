#include "engine/playback/PlayerClock.h"

#include <chrono>

namespace playback {

int64_t PlayerClock::Now() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void PlayerClock::Hold(int64_t value) {
  std::lock_guard lock(mutex_);
  value_ = value;
  held_ = true;
  held_since_ = Now();
}

void PlayerClock::Set(int64_t value, int64_t now) {
  std::lock_guard lock(mutex_);
  value_ = value;
  anchor_ = now;
  held_ = false;
}

int64_t PlayerClock::GetLocked(int64_t now) const {
  if (held_ || paused_) return value_;
  return value_ + (now - anchor_);
}

int64_t PlayerClock::Get(int64_t now) const {
  std::lock_guard lock(mutex_);
  return GetLocked(now);
}

void PlayerClock::SetPaused(bool paused, int64_t now) {
  std::lock_guard lock(mutex_);
  if (paused == paused_) return;
  if (paused) {
    value_ = GetLocked(now);
  } else {
    anchor_ = now;
  }
  paused_ = paused;
}

bool PlayerClock::Held() const {
  std::lock_guard lock(mutex_);
  return held_;
}

bool PlayerClock::Paused() const {
  std::lock_guard lock(mutex_);
  return paused_;
}

int64_t PlayerClock::HeldFor(int64_t now) const {
  std::lock_guard lock(mutex_);
  return held_ ? now - held_since_ : 0;
}

}  // namespace playback
