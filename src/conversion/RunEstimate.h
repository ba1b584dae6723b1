#pragma once
// Elapsed time and an estimate of the time left for a conversion run. Each task is
// weighed by what it costs: a picture task by pixels x frames at its output size, a
// sound-only task by its seconds, since an hour of MP3 costs far less than a minute of
// full-HD video. Each kind's speed is measured as the run goes; a task that has run a
// few seconds is judged by its own speed. The tasks still to come are then laid out
// on the run's workers in queue order, as the engine takes them, and the time left is
// when the last worker ends. Plain C++ with the clock passed in, so it can be checked
// without a window or a real clock.
#include <cstddef>
#include <vector>

class RunEstimate {
 public:
  struct Task {
    double seconds = 0;  // source duration, 0 when unknown
    double pixels = 0;   // output picture size (width x height); 0 for sound only
  };

  explicit RunEstimate(int taskCount = 0) {
    Reset(std::vector<Task>(taskCount > 0 ? size_t(taskCount) : 0), 1);
  }

  // One entry per task (slot), in queue order; `workers` tasks run at the same time.
  void Reset(std::vector<Task> tasks, int workers);
  // Fraction 0..1 of one task (0-based slot) at `now` (seconds since the run began);
  // values outside are clamped. A known total duration (seconds, > 0) replaces the
  // slot's listed one.
  void SetFraction(int slot, double fraction, double now, double totalSeconds = 0);
  // A finished task (succeeded, failed or skipped) no longer holds up the run.
  void MarkDone(int slot, double now);

  // Share of the run's expected cost that is done, 0..1 (1 for an empty run).
  double Overall() const;
  // Seconds still to go at `now`, or -1 while no speed has been measured yet.
  double Remaining(double now) const;

 private:
  struct State {
    Task task;
    double fraction = 0;
    double firstFraction = 0;  // at the first report
    double firstSeen = -1;     // time of the first report, -1 before it
    double lastSeen = 0;       // time of the latest report
    bool done = false;
  };
  double Units(const State& s) const;
  double Seconds(const State& s) const;
  // Measured speed in cost units per second; 0 when not measured.
  double KindSpeed(bool picture) const;
  double SourceSecondsSpeed() const;
  double TaskSecondsLeft(const State& s, double now) const;

  std::vector<State> tasks_;
  int workers_ = 1;
};
