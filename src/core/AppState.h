#pragma once
// What several windows share while the program runs. main makes one and hands it to
// the main window, which passes it on to the windows that read or change it. Plain
// values, touched only on the UI thread.
#include <QString>

struct AppState {
  QString outputFolder;        // ending in "/" once the conversion has accepted it
  int encoderThreads = 1;      // the CPU choice of the last queued conversion
  bool stopRequested = false;  // the user stopped (or is quitting during) the run
};
