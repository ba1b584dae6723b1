// Veltrane Video Converter: reads the command line, hands files to a copy that is
// already running, or starts the main window.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/PathInbox.h"
#include "app/SingleInstance.h"
#include "core/AppState.h"
#include "core/Helpers.h"
#include "core/ProgramInfo.h"
#include "core/Translations.h"
#include "engine/convert/AtomicOutputFile.h"

int main(int argc, char** argv) {
  // A logout or kill in the middle of a run leaves no half-written files behind.
  convert::InstallTerminationCleanup();
  // --help and --version need no window system, so they are answered before there is one.
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  CommandLine commandLine = ParseCommandLine(arguments, QDir::currentPath());
  std::unique_ptr<QCoreApplication> console;
  std::unique_ptr<Translations> consoleTranslations;
  if (commandLine.action != CommandLine::Action::Run) {
    // Answered in the user's language: the texts are read again with the translation.
    console = std::make_unique<QCoreApplication>(argc, argv);
    consoleTranslations = std::make_unique<Translations>();
    commandLine = ParseCommandLine(arguments, QDir::currentPath());
  }
  if (commandLine.action == CommandLine::Action::PrintAndExit) {
    std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (commandLine.action == CommandLine::Action::Fail) {
    std::fputs(commandLine.output.toLocal8Bit().constData(), stderr);
    return 2;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(ProgramInfo::kTitle);
  QApplication::setApplicationDisplayName(ProgramInfo::kTitle);
  QApplication::setApplicationVersion(ProgramInfo::kVersion);
  QApplication::setDesktopFileName("com.veltranesoftware.VideoConverter");
  if (SingleInstance::HandOver(commandLine.paths)) return 0;
  SingleInstance instance;
  // Another copy may have started in the meantime; without either, this copy runs alone.
  if (!instance.Listen() && SingleInstance::HandOver(commandLine.paths)) return 0;
  QApplication::setWindowIcon(QIcon(ResourceFolder() + "veltrane.png"));
  const Translations translations;

  AppState state;
  MainWindow formMain(state);
  // Files handed over while the start-up question is open wait for the list.
  PathInbox inbox(&formMain);
  QObject::connect(&instance, &SingleInstance::pathsReceived, &inbox, &PathInbox::Receive);
  inbox.Receive(commandLine.paths);
  if (!formMain.Load()) return 1;
  formMain.show();
  inbox.SetFiles(formMain.Files());
  return app.exec();
}
