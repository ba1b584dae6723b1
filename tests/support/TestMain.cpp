// Test entry point: a private settings location and home folder, no session bus, an offscreen
// QApplication, GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  QTemporaryDir config_home;
  setenv("XDG_CONFIG_HOME", config_home.path().toLocal8Bit().constData(), 1);
  QTemporaryDir data_home;  // and saved presets
  setenv("XDG_DATA_HOME", data_home.path().toLocal8Bit().constData(), 1);
  // Folders the program makes in the user's home (the videos folder) stay in the test's.
  QTemporaryDir home;
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  // No notification reaches the user's desktop: the session bus is one nobody listens
  // on, and tests that need a bus start their own.
  const QString noBus = "unix:path=" + home.path() + "/no-session-bus";
  setenv("DBUS_SESSION_BUS_ADDRESS", noBus.toLocal8Bit().constData(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
