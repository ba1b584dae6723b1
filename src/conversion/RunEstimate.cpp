#include "conversion/RunEstimate.h"

#include <algorithm>
#include <utility>

namespace {
// A task's own speed counts once it has been measured over this long.
constexpr double kOwnSpeedAfterSeconds = 3.0;
// Frames per second assumed for the cost of a picture task; only the ratio between
// tasks matters, and measured speeds take over as soon as there are any.
constexpr double kFramesPerSecond = 25.0;
constexpr double kDefaultPixels = 640.0 * 480.0;
}  // namespace

void RunEstimate::Reset(std::vector<Task> tasks, int workers) {
  tasks_.clear();
  for (Task& task : tasks) {
    if (!(task.seconds > 0)) task.seconds = 0;
    if (!(task.pixels >= 0)) task.pixels = kDefaultPixels;
    tasks_.push_back({task});
  }
  workers_ = std::max(1, workers);
}

void RunEstimate::SetFraction(int slot, double fraction, double now, double totalSeconds) {
  if (slot < 0 || slot >= static_cast<int>(tasks_.size())) return;
  State& s = tasks_[static_cast<size_t>(slot)];
  if (!(fraction >= 0.0)) fraction = 0.0;  // also catches NaN
  fraction = std::min(fraction, 1.0);
  if (totalSeconds > 0) s.task.seconds = totalSeconds;
  if (s.firstSeen < 0) {
    s.firstSeen = now;
    s.firstFraction = fraction;
  }
  s.fraction = std::max(s.fraction, fraction);
  s.lastSeen = std::max(s.lastSeen, now);
}

void RunEstimate::MarkDone(int slot, double now) {
  if (slot < 0 || slot >= static_cast<int>(tasks_.size())) return;
  SetFraction(slot, 1.0, now);
  tasks_[static_cast<size_t>(slot)].done = true;
}

// A task of unknown length counts as long as the average known one (1 s if none).
double RunEstimate::Seconds(const State& s) const {
  if (s.task.seconds > 0) return s.task.seconds;
  double sum = 0;
  int known = 0;
  for (const State& other : tasks_)
    if (other.task.seconds > 0) {
      sum += other.task.seconds;
      ++known;
    }
  return known ? sum / known : 1.0;
}

double RunEstimate::Units(const State& s) const {
  const double seconds = Seconds(s);
  return s.task.pixels > 0 ? s.task.pixels * seconds * kFramesPerSecond : seconds;
}

double RunEstimate::KindSpeed(bool picture) const {
  double units = 0, time = 0;
  for (const State& s : tasks_) {
    if ((s.task.pixels > 0) != picture || s.firstSeen < 0) continue;
    units += (s.fraction - s.firstFraction) * Units(s);
    time += s.lastSeen - s.firstSeen;
  }
  return time > 0 && units > 0 ? units / time : 0;
}

// Seconds of source per second over every measured task: the last resort for a kind
// of work that has not been seen yet.
double RunEstimate::SourceSecondsSpeed() const {
  double seconds = 0, time = 0;
  for (const State& s : tasks_) {
    if (s.firstSeen < 0) continue;
    seconds += (s.fraction - s.firstFraction) * Seconds(s);
    time += s.lastSeen - s.firstSeen;
  }
  return time > 0 && seconds > 0 ? seconds / time : 0;
}

// Seconds the task still needs from `now`; -1 when nothing tells its speed.
double RunEstimate::TaskSecondsLeft(const State& s, double now) const {
  if (s.done || s.fraction >= 1.0) return 0;
  const double ran = s.firstSeen >= 0 ? s.lastSeen - s.firstSeen : 0;
  double left = -1;
  if (ran >= kOwnSpeedAfterSeconds && s.fraction > s.firstFraction) {
    left = (1.0 - s.fraction) * ran / (s.fraction - s.firstFraction);
  } else if (const double speed = KindSpeed(s.task.pixels > 0); speed > 0) {
    left = (1.0 - s.fraction) * Units(s) / speed;
  } else if (const double speed = SourceSecondsSpeed(); speed > 0) {
    left = (1.0 - s.fraction) * Seconds(s) / speed;
  }
  // The task has gone on since its last report.
  if (left > 0 && s.firstSeen >= 0) left = std::max(0.0, left - (now - s.lastSeen));
  return left;
}

double RunEstimate::Overall() const {
  // Costs of both kinds in one unit: seconds at the measured speeds where known.
  const double pictureSpeed = KindSpeed(true), soundSpeed = KindSpeed(false);
  double total = 0, done = 0;
  for (const State& s : tasks_) {
    const double speed = s.task.pixels > 0 ? pictureSpeed : soundSpeed;
    const double cost = speed > 0 ? Units(s) / speed : Seconds(s);
    total += cost;
    done += s.fraction * cost;
  }
  return total > 0 ? std::min(done / total, 1.0) : 1.0;
}

double RunEstimate::Remaining(double now) const {
  // The running tasks hold their workers until they end; the others follow in queue
  // order, each on the worker that is free first.
  std::vector<double> running, waiting;
  for (const State& s : tasks_) {
    if (s.done || s.fraction >= 1.0) continue;
    const double left = TaskSecondsLeft(s, now);
    if (left < 0) return -1;
    (s.firstSeen >= 0 ? running : waiting).push_back(left);
  }
  std::vector<double> workers(static_cast<size_t>(std::max<int>(workers_, static_cast<int>(running.size()))),
                              0.0);
  std::copy(running.begin(), running.end(), workers.begin());
  for (const double left : waiting)
    *std::min_element(workers.begin(), workers.end()) += left;
  return workers.empty() ? 0.0 : *std::max_element(workers.begin(), workers.end());
}
