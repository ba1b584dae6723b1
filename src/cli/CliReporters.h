#pragma once
// How a run shows itself: JSON event lines, plain lines for logs and pipes, or live
// lines redrawn in place on a terminal. Every call comes under the runner's lock.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliTask.h"

class RunReporter {
 public:
  virtual ~RunReporter() = default;
  virtual void Planned(const PlannedTask&) {}   // --dry-run
  virtual void Queued(const PlannedTask&) {}
  virtual void Progress(const PlannedTask&) {}
  virtual void Finished(const PlannedTask&) {}
  // A few times a second from the main thread while the run goes on.
  virtual void Tick(const std::vector<PlannedTask>&, const RunTotals&) {}
  virtual void Summary(const RunTotals&) {}
};

std::unique_ptr<RunReporter> MakeJsonReporter(std::FILE* out);
std::unique_ptr<RunReporter> MakePlainReporter(std::FILE* out);
std::unique_ptr<RunReporter> MakeLiveReporter(std::FILE* out);

// The JSON event objects, one line each, without the newline.
std::string JsonPlannedEvent(const PlannedTask& task);
std::string JsonQueuedEvent(const PlannedTask& task);
std::string JsonProgressEvent(const PlannedTask& task);
std::string JsonFinishedEvent(const PlannedTask& task);
std::string JsonSummaryEvent(const RunTotals& totals);

// "source<TAB>output<TAB>options": the dry run's line for one source.
std::string DryRunLine(const PlannedTask& task);

// The live view's lines: one per running task, and the overall line with percent,
// speed (x real time) and time left.
std::string LiveTaskLine(const PlannedTask& task, size_t width);
std::string OverallLine(const RunTotals& totals);
// "hh:mm:ss".
std::string ClockText(double seconds);
