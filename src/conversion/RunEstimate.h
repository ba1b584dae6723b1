#pragma once
// Elapsed time and an estimate of the time left for a conversion run. The work of
// the run is the total source duration; the time left is the duration still to
// convert divided by the recently measured throughput (seconds of source per
// second of wall time), so a long file after several short ones is judged by
// its length, not by the number of files. Plain C++ so it can be checked without
// a window or a real clock.
#include <cstddef>
#include <deque>
#include <vector>

class RunEstimate {
 public:
  explicit RunEstimate(int taskCount = 0) { Reset(std::vector<double>(static_cast<size_t>(taskCount > 0 ? taskCount : 0), 0.0)); }

  // One entry per task (slot): its source duration in seconds, 0 when unknown.
  void Reset(std::vector<double> durations);
  void Reset(int taskCount) { *this = RunEstimate(taskCount); }
  // Fraction 0..1 of one task (0-based slot); values outside are clamped. A known
  // total duration (seconds, > 0) replaces the slot's listed one.
  void SetFraction(int slot, double fraction, double totalSeconds = 0);
  // A finished task (succeeded, failed or skipped) no longer holds up the run.
  void MarkDone(int slot) { SetFraction(slot, 1.0); }

  // Share of the whole run's source duration that is done, 0..1 (1 for an empty run).
  double Overall() const;
  // Seconds still to go at `elapsedSeconds` (non-decreasing from call to call), or
  // -1 while nothing is known yet.
  double Remaining(double elapsedSeconds);

 private:
  double Weight(size_t slot) const;
  double DoneWork() const;
  double TotalWork() const;

  std::vector<double> durations_;
  std::vector<double> fractions_;
  struct Sample {
    double elapsed;
    double work;
  };
  std::deque<Sample> samples_;  // recent (time, work done) readings for the throughput
};
