#pragma once
// The program's command line: files and folders to add, --help and --version.
#include <QString>
#include <QStringList>

struct CommandLine {
  enum class Action { Run, PrintAndExit, Fail };
  Action action = Action::Run;
  QStringList paths;  // absolute paths to add, in the order given
  QString output;     // what to print for PrintAndExit (stdout) and Fail (stderr)
};

// Reads `arguments` (the program name first). Relative paths are made absolute against
// `workingFolder`, so another running copy of the program can use them; file:// URLs are
// taken as the local paths they name.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingFolder);
