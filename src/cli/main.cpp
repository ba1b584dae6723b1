// veltrane-convert: the converter's engine, catalogue and option-string builder on the
// command line.
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliJson.h"
#include "cli/CliOptions.h"
#include "cli/CliProfiles.h"
#include "cli/CliReporters.h"
#include "cli/CliRun.h"
#include "cli/CliSettings.h"
#include "cli/CliSignals.h"
#include "cli/CliText.h"
#include "core/FileNames.h"
#include "core/ProgramInfo.h"
#include "core/Translations.h"
#include "engine/FFEncoder.h"
#include "output/OutputCatalogue.h"

namespace {

constexpr int kUsageError = 2;
// libav's log levels (AV_LOG_WARNING, AV_LOG_INFO) for -v and -vv, read by the engine.
constexpr const char* kLibraryLogLevels[] = {"24", "32"};

// The message's lines with every name in them escaped for the terminal.
int UsageError(const std::string& message) {
  std::string text;
  for (size_t start = 0; start <= message.size();) {
    const size_t end = std::min(message.find('\n', start), message.size());
    text += (start ? "\n" : "") + TerminalText(message.substr(start, end - start));
    start = end + 1;
  }
  std::fprintf(stderr, "veltrane-convert: %s\n%s\n", text.c_str(),
               CliText::tr("Try 'veltrane-convert --help'.").toStdString().c_str());
  return kUsageError;
}

bool OnTerminal() {
  const char* term = std::getenv("TERM");
  return isatty(STDOUT_FILENO) && !(term && std::string(term) == "dumb");
}

// The names in a --files-from list: one per line (a final line without its newline
// counts), or NUL-terminated with -0; empty entries are skipped.
bool ReadNameList(const std::string& name, bool nul, std::vector<std::string>& names, std::string& error) {
  std::FILE* file = name == "-" ? stdin : std::fopen(name.c_str(), "rb");
  if (!file) {
    error = "--files-from: " + name + ": " + std::strerror(errno);
    return false;
  }
  const int separator = nul ? '\0' : '\n';
  std::string current;
  int c = 0;
  while ((c = std::fgetc(file)) != EOF) {
    if (c != separator) {
      current.push_back(static_cast<char>(c));
      continue;
    }
    if (!current.empty()) names.push_back(current);
    current.clear();
  }
  const bool failed = std::ferror(file);
  if (!current.empty()) names.push_back(current);
  if (file != stdin) std::fclose(file);
  if (failed) {
    error = CliFormat(CliText::tr("--files-from: %1: cannot be read"), {name});
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  InstallQuietSignals();
  // The application object carries the translation; it must not change the C library's
  // locale, which the number formatting and parsing here and in the engine rely on.
  const std::string cLocale = std::setlocale(LC_ALL, nullptr);
  int qtArgc = 1;
  QCoreApplication application(qtArgc, argv);
  std::setlocale(LC_ALL, cLocale.c_str());
  auto translations = std::make_unique<Translations>();
  const ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok) return UsageError(parsed.error);
  CliOptions options = parsed.options;
  if (options.json) translations.reset();  // events for programs, in the words of the schema
  if (options.help) {
    std::fputs(UsageText(ProfileCatalogue().size()).c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("veltrane-convert %s\n", ProgramInfo::kVersion);
    return 0;
  }
  if (options.listProfiles) {
    std::fputs(options.json ? (JsonProfileList() + "\n").c_str() : ProfileListing().c_str(), stdout);
    return 0;
  }
  if (options.quiet && options.verbose > 0)
    return UsageError(CliText::tr("-q: give -q or -v, not both").toStdString());
  if (options.verbose > 0) setenv("VELTRANE_AV_LOG", kLibraryLogLevels[options.verbose > 1 ? 1 : 0], 1);

  CliPlan plan;
  std::string error;
  if (!BuildPlan(options, plan, error)) return UsageError(error);
  if (options.nulSeparated && !options.filesFrom)
    return UsageError(CliText::tr("-0: only with --files-from").toStdString());
  for (const std::string& input : options.inputs)
    if (input == "-")
      return UsageError(
          CliText::tr("-: to read the names from standard input, give --files-from -").toStdString());
  if (options.filesFrom && !ReadNameList(*options.filesFrom, options.nulSeparated, options.inputs, error))
    return UsageError(error);
  if (options.inputs.empty()) return UsageError(CliText::tr("no input files or folders").toStdString());
  std::vector<SourceFile> sources;
  if (!CollectSources(options.inputs, options.keepTree, sources, error, TextToNameString(plan.outputFolder)))
    return UsageError(error);
  if (!plan.outputName.isEmpty() && sources.size() != 1)
    return UsageError(CliFormat(
        CliText::tr("-o: \"%1\" is not an existing folder (a file name is taken for one source only)"),
        {*options.outputFolder}));

  if (!FFEncoder::AVLibLoaded()) {
    std::fprintf(stderr, "veltrane-convert: %s\n", CliText::tr("Video lib not found").toStdString().c_str());
    return 1;
  }

  // Ctrl-C during probing ends the program at once: nothing has been written yet.
  std::vector<PlannedTask> tasks = PlanTasks(plan, sources);
  std::unique_ptr<RunReporter> reporter = options.json ? MakeJsonReporter(stdout, stderr)
                                          : !options.dryRun && OnTerminal()
                                              ? MakeLiveReporter(stdout, stderr, options.quiet)
                                              : MakePlainReporter(stdout, stderr, options.quiet);
  if (options.dryRun) return DryRun(tasks, plan, *reporter);
  return RunTasks(tasks, plan, *reporter, InstallInterruptPipe());
}
