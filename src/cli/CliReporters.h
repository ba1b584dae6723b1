#pragma once
// How a run shows itself: JSON event lines, plain lines for logs and pipes, or live
// lines redrawn in place on a terminal. Results go to `out`; failures and warnings to
// `err` in every form. Every call comes under the runner's lock.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliTask.h"

class RunReporter {
 public:
  virtual ~RunReporter() = default;
  virtual void Planned(const PlannedTask&) {}  // --dry-run
  virtual void Queued(const PlannedTask&) {}
  virtual void Progress(const PlannedTask&) {}
  virtual void Finished(const PlannedTask&) {}
  // A few times a second from the main thread while the run goes on.
  virtual void Tick(const std::vector<PlannedTask>&, const RunTotals&) {}
  virtual void Summary(const RunTotals&) {}
};

// `quiet`: only failures and warnings, no results, progress or summary.
std::unique_ptr<RunReporter> MakeJsonReporter(std::FILE* out, std::FILE* err);
std::unique_ptr<RunReporter> MakePlainReporter(std::FILE* out, std::FILE* err, bool quiet);
std::unique_ptr<RunReporter> MakeLiveReporter(std::FILE* out, std::FILE* err, bool quiet);

// A name made safe for a terminal and for tab-separated columns: control characters as
// \e, \t, \n, \r, \a, \b, \f, \v or \xNN, bytes that are not UTF-8 as \xNN.
std::string TerminalText(const std::string& bytes);
// Columns a terminal gives the text (wide East Asian characters take two).
size_t TextColumns(const std::string& text);
// The text cut in the middle ("long...name.mp4") to at most `columns` columns.
std::string FitMiddle(const std::string& text, size_t columns);

// "source<TAB>output<TAB>options": the dry run's line for one source, names escaped.
std::string DryRunLine(const PlannedTask& task);

// The live view's lines, each at most `columns` wide: one per running task, and the
// overall line with percent, speed (x real time) and time left.
std::string LiveTaskLine(const PlannedTask& task, size_t columns);
std::string OverallLine(const RunTotals& totals, size_t columns = 1000);
// "hh:mm:ss".
std::string ClockText(double seconds);
