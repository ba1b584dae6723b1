#pragma once
// Elapsed time and an estimate of the time left for a conversion run, from the
// per-task progress. Plain C++ so it can be checked without a window.
#include <vector>

class RunEstimate {
 public:
  explicit RunEstimate(int taskCount = 0) { Reset(taskCount); }

  void Reset(int taskCount);
  // Fraction 0..1 of one task (0-based slot); values outside are clamped.
  void SetFraction(int slot, double fraction);
  // A finished task (succeeded or failed) no longer holds up the run.
  void MarkDone(int slot) { SetFraction(slot, 1.0); }

  // Share of the whole run that is done, 0..1 (1 for an empty run).
  double Overall() const;
  // Seconds still to go after `elapsedSeconds`, or -1 while nothing is known yet.
  double Remaining(double elapsedSeconds) const;

 private:
  std::vector<double> fractions_;
};
