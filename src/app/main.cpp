// Veltrane Video Converter: starts the main window.
#include <QApplication>
#include <QIcon>

#include "app/FormMain.h"
#include "common/Globals.h"
#include "common/Helpers.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(Globals::ProgramTitle);
  QApplication::setApplicationDisplayName(Globals::ProgramTitle);
  QApplication::setWindowIcon(QIcon(ProgramFolder() + "veltrane.png"));

  FormMain formMain;
  if (!formMain.Load()) return 1;
  formMain.show();
  return app.exec();
}
