#pragma once
// Plans one task per source with the builder and runs them on the engine.
#include <vector>

#include "cli/CliReporters.h"
#include "cli/CliSettings.h"
#include "cli/CliSources.h"
#include "cli/CliTask.h"

// Probes every source and builds its option string and output path, in order, the way
// the window's queue does (a row without a readable picture size reuses the previous
// row's pixel count for the automatic bitrate).
std::vector<PlannedTask> PlanTasks(const CliPlan& plan, const std::vector<SourceFile>& sources);

// Prints every planned task with the output name a run would use; sources that
// cannot be opened and outputs the engine refuses are reported as failed.
// Returns the exit code.
int DryRun(std::vector<PlannedTask>& tasks, const CliPlan& plan, RunReporter& reporter);

// Queues the tasks on a fresh encoder, runs them with plan.jobs at once and reports
// every event. A byte arriving on `interruptFd` (-1 for none) stops the run: the engine
// discards unfinished outputs. Returns the exit code.
int RunTasks(std::vector<PlannedTask>& tasks, const CliPlan& plan, RunReporter& reporter, int interruptFd);
