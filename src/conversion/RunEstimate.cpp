#include "conversion/RunEstimate.h"

#include <algorithm>

namespace {
// Throughput is measured over this much recent wall time once that much has passed.
constexpr double kWindowSeconds = 20.0;
}  // namespace

void RunEstimate::Reset(std::vector<double> durations) {
  durations_ = std::move(durations);
  for (double& d : durations_)
    if (!(d > 0)) d = 0;
  fractions_.assign(durations_.size(), 0.0);
  samples_.clear();
}

void RunEstimate::SetFraction(int slot, double fraction, double totalSeconds) {
  if (slot < 0 || slot >= static_cast<int>(fractions_.size())) return;
  if (!(fraction >= 0.0)) fraction = 0.0;  // also catches NaN
  fractions_[static_cast<size_t>(slot)] = std::min(fraction, 1.0);
  if (totalSeconds > 0) durations_[static_cast<size_t>(slot)] = totalSeconds;
}

// A task of unknown length counts as long as the average known one (1 s if none).
double RunEstimate::Weight(size_t slot) const {
  if (durations_[slot] > 0) return durations_[slot];
  double sum = 0;
  int known = 0;
  for (double d : durations_)
    if (d > 0) {
      sum += d;
      ++known;
    }
  return known ? sum / known : 1.0;
}

double RunEstimate::DoneWork() const {
  double done = 0;
  for (size_t i = 0; i < fractions_.size(); ++i) done += fractions_[i] * Weight(i);
  return done;
}

double RunEstimate::TotalWork() const {
  double total = 0;
  for (size_t i = 0; i < fractions_.size(); ++i) total += Weight(i);
  return total;
}

double RunEstimate::Overall() const {
  const double total = TotalWork();
  return total > 0 ? std::min(DoneWork() / total, 1.0) : 1.0;
}

double RunEstimate::Remaining(double elapsedSeconds) {
  const double total = TotalWork();
  const double done = DoneWork();
  if (total <= 0 || done >= total) return 0.0;
  if (!samples_.empty() && elapsedSeconds < samples_.back().elapsed) samples_.clear();
  samples_.push_back({elapsedSeconds, done});
  while (samples_.size() > 2 && elapsedSeconds - samples_[1].elapsed >= kWindowSeconds) samples_.pop_front();
  // The whole run's average until the window has filled, then the window's.
  double rate = elapsedSeconds > 0 ? done / elapsedSeconds : 0;
  const Sample& oldest = samples_.front();
  const double span = elapsedSeconds - oldest.elapsed;
  if (span >= kWindowSeconds && done > oldest.work) rate = (done - oldest.work) / span;
  if (done <= 0 || rate <= 0) return -1.0;
  return (total - done) / rate;
}
