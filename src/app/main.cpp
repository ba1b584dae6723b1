// Veltrane Video Converter: starts the main window.
#include <QApplication>
#include <QIcon>

#include "app/FormMain.h"
#include "common/Globals.h"
#include "common/Helpers.h"
#include "engine/AtomicOutputFile.h"

int main(int argc, char** argv) {
  // A logout or kill in the middle of a run leaves no half-written files behind.
  media::InstallTerminationCleanup();
  QApplication app(argc, argv);
  QApplication::setApplicationName(Globals::ProgramTitle);
  QApplication::setApplicationDisplayName(Globals::ProgramTitle);
  QApplication::setWindowIcon(QIcon(ProgramFolder() + "veltrane.png"));

  FormMain formMain;
  if (!formMain.Load()) return 1;
  formMain.show();
  return app.exec();
}
