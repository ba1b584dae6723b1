#include "conversion/RunEstimate.h"

#include <algorithm>

void RunEstimate::Reset(int taskCount) {
  fractions_.assign(static_cast<size_t>(std::max(taskCount, 0)), 0.0);
}

void RunEstimate::SetFraction(int slot, double fraction) {
  if (slot < 0 || slot >= static_cast<int>(fractions_.size())) return;
  if (!(fraction >= 0.0)) fraction = 0.0;  // also catches NaN
  fractions_[static_cast<size_t>(slot)] = std::min(fraction, 1.0);
}

double RunEstimate::Overall() const {
  if (fractions_.empty()) return 1.0;
  double sum = 0;
  for (double f : fractions_) sum += f;
  return sum / static_cast<double>(fractions_.size());
}

double RunEstimate::Remaining(double elapsedSeconds) const {
  const double done = Overall();
  if (done >= 1.0) return 0.0;
  if (done <= 0.0 || elapsedSeconds <= 0.0) return -1.0;
  return elapsedSeconds * (1.0 - done) / done;
}
