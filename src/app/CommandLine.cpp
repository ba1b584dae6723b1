#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
      QCoreApplication::translate(
          "CommandLine",
          "%1: converts video and audio files. Files and folders named here are added "
          "to the list;\nwhen the program is already running, they are added to its window.")
          .arg(ProgramInfo::kTitle));
  const QCommandLineOption help({"h", "help"},
                                QCoreApplication::translate("CommandLine", "Shows this help and exits."));
  const QCommandLineOption version(
      {"v", "version"}, QCoreApplication::translate("CommandLine", "Shows the version and exits."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument(
      "FILE|FOLDER",
      QCoreApplication::translate("CommandLine", "Media files, or folders to search for media files."),
      "[FILE|FOLDER...]");

  CommandLine result;
  if (!parser.parse(arguments)) {
    result.action = CommandLine::Action::Fail;
    result.output = parser.errorText() + "\n" +
                    QCoreApplication::translate("CommandLine", "Try '--help' for more information.") + "\n";
    return result;
  }
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::PrintAndExit;
    result.output = parser.helpText();
    // The usage line names the program by its file name. Before the application object
    // exists Qt cannot name it; with one (help in the user's language) it writes the path
    // the program was started with.
    const QString named =
        QCoreApplication::instance() ? QCoreApplication::arguments().value(0) : QString("<executable_name>");
    if (!named.isEmpty()) result.output.replace(named, QFileInfo(arguments.value(0)).fileName());
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
