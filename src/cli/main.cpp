// veltrane-convert: the converter's engine, catalogue and option-string builder on the
// command line.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliSignals.h"
#include "common/FileNames.h"
#include "common/Globals.h"
#include "engine/FFEncoder.h"

namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& message) {
  std::fprintf(stderr, "veltrane-convert: %s\nTry 'veltrane-convert --help'.\n", message.c_str());
  return kUsageError;
}

bool OnTerminal() {
  const char* term = std::getenv("TERM");
  return isatty(STDOUT_FILENO) && !(term && std::string(term) == "dumb");
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok) return UsageError(parsed.error);
  const CliOptions& options = parsed.options;
  if (options.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("veltrane-convert %s\n", Globals::ProgramVersion);
    return 0;
  }
  if (options.listProfiles) {
    std::fputs(ProfileListing().c_str(), stdout);
    return 0;
  }

  CliPlan plan;
  std::string error;
  if (!BuildPlan(options, plan, error)) return UsageError(error);
  if (options.inputs.empty()) return UsageError("no input files or folders");
  std::vector<SourceFile> sources;
  if (!CollectSources(options.inputs, options.keepTree, sources, error, TextToNameString(plan.outputFolder)))
    return UsageError(error);

  if (!FFEncoder::AVLibLoaded()) {
    std::fputs("veltrane-convert: Video lib not found\n", stderr);
    return 1;
  }

  // Ctrl-C during probing ends the program at once: nothing has been written yet.
  std::vector<PlannedTask> tasks = PlanTasks(plan, sources);
  std::unique_ptr<RunReporter> reporter =
      options.json ? MakeJsonReporter(stdout)
                   : (!options.dryRun && OnTerminal() ? MakeLiveReporter(stdout)
                                                      : MakePlainReporter(stdout));
  if (options.dryRun) return DryRun(tasks, plan, *reporter);
  return RunTasks(tasks, plan, *reporter, InstallInterruptPipe());
}
