#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "core/ProgramInfo.h"

namespace {

QString AbsolutePath(const QString& argument, const QString& workingFolder) {
  if (argument.startsWith("file:", Qt::CaseInsensitive)) {
    const QUrl url(argument);
    if (url.isLocalFile()) return QDir::cleanPath(url.toLocalFile());
  }
  return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingFolder) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QString(ProgramInfo::kTitle) +
      ": converts video and audio files. Files and folders named here are added to the list;\n"
      "when the program is already running, they are added to its window.");
  const QCommandLineOption help({"h", "help"}, "Shows this help and exits.");
  const QCommandLineOption version({"v", "version"}, "Shows the version and exits.");
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument("FILE|FOLDER", "Media files, or folders to search for media files.",
                               "[FILE|FOLDER...]");

  CommandLine result;
  if (!parser.parse(arguments)) {
    result.action = CommandLine::Action::Fail;
    result.output = parser.errorText() + "\nTry '--help' for more information.\n";
    return result;
  }
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::PrintAndExit;
    result.output = parser.helpText();
    // Before the application object exists Qt cannot name the program in the usage line.
    result.output.replace("<executable_name>", QFileInfo(arguments.value(0)).fileName());
    return result;
  }
  if (parser.isSet(version)) {
    result.action = CommandLine::Action::PrintAndExit;
    result.output = QString("%1 %2\n").arg(ProgramInfo::kTitle, ProgramInfo::kVersion);
    return result;
  }
  for (const QString& argument : parser.positionalArguments())
    if (!argument.isEmpty()) result.paths << AbsolutePath(argument, workingFolder);
  return result;
}
