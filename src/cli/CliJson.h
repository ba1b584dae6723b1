#pragma once
// The --json event objects (docs/json-events.md), one compact line each without the
// newline. Every event carries "schema": kJsonSchema; additions keep the old fields, a
// change of meaning raises the number.
#include <string>

#include "cli/CliTask.h"

inline constexpr int kJsonSchema = 1;

std::string JsonPlannedEvent(const PlannedTask& task);
std::string JsonQueuedEvent(const PlannedTask& task);
std::string JsonProgressEvent(const PlannedTask& task);
std::string JsonFinishedEvent(const PlannedTask& task);
std::string JsonSummaryEvent(const RunTotals& totals);

// --list-profiles --json: an array of {id, caption, menu, key, extension}.
std::string JsonProfileList();
