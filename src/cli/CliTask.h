#pragma once
// One source of a command-line run and what became of it.
#include <string>
#include <vector>

#include "conversion/ConversionBuilder.h"
#include "engine/ConversionOutcome.h"
#include "filelist/FileRow.h"

// Warning: converted with problems; the output is kept and the message says what.
enum class TaskOutcome { Pending, Converted, Warning, Failed, Skipped, Stopped };

struct PlannedTask {
  size_t index = 0;          // position among the sources, from 0
  std::string source;        // the file system's bytes
  std::string outputFolder;  // where the output goes (with --keep-tree, a subfolder)
  FileRow row;
  ConversionJob job;    // the builder's option string and output path
  bool probed = false;  // false: the source could not be opened
  std::string probeError;
  qint64 estimatedBytes = -1;  // the output's estimated size (see EstimateRowBytes)

  // Filled while running.
  int handle = -1;
  TaskOutcome outcome = TaskOutcome::Pending;
  std::string output;              // the file actually written (or that would be), in its exact bytes
  std::string message;             // the failure or skip; after a success, the notes one a line
  std::vector<std::string> notes;  // a warning's notes, one each
  double position = 0;             // seconds converted so far
  double duration = 0;             // seconds of source
};

// Totals of a run, for the overall line and the summary.
struct RunTotals {
  size_t total = 0;
  size_t converted = 0;  // warnings included
  size_t warnings = 0;
  size_t failed = 0;
  size_t skipped = 0;
  size_t stopped = 0;
  double elapsed = 0;     // wall seconds since the start
  double mediaTotal = 0;  // seconds of all sources
  double mediaDone = 0;   // seconds converted (finished tasks count whole)
  bool interrupted = false;
  int signal = 0;  // the signal that interrupted the run, 0 for Ctrl-C's default

  size_t Done() const { return converted + failed + skipped + stopped; }
};

const char* OutcomeName(TaskOutcome outcome);

// Records the engine's outcome of one task: done with notes is a warning, a stop or a
// skip is itself.
void RecordOutcome(PlannedTask& task, const ConversionOutcome& outcome);

// 0 all converted or skipped, 1 some failed, 128 + the signal when interrupted.
int ExitCodeFor(const RunTotals& totals);
