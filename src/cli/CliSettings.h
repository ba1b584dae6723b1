#pragma once
// Turns the command line into the output settings record the dialog would hold, through
// the dialog's own operations and value rules, plus the run's own choices.
#include <QString>
#include <string>

#include "cli/CliOptions.h"
#include "engine/FFEncoder.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettings.h"

struct CliPlan {
  OutputSettings settings;
  QString outputFolder;  // validated, ending in "/"
  QString outputName;    // set when -o named a file: the one source's output name
  ExistingOutput ifExists = ExistingOutput::KeepBoth;
  int jobs = 1;
};

// The if-exists words and their engine choice. False for an unknown word.
bool ParseIfExists(const std::string& text, ExistingOutput& mode);

// Applies the profile or format and every value option in the dialog's order: profile,
// size, qualities (which reset the bitrates they govern), grid values; then checks the
// grid values with the dialog's rules and ranges. A value the dialog would throw away,
// or one outside what the engine takes, is an error naming the option and the range.
// -o names an existing folder, or a file in one (outputName; the caller checks that
// there is exactly one source).
bool BuildPlan(const CliOptions& options, CliPlan& plan, std::string& error);
