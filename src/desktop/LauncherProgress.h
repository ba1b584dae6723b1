#pragma once
// A run's progress on the program's launcher or dock icon, where the desktop shows one
// (com.canonical.Unity.LauncherEntry, read by KDE's task manager and several docks): an
// Update signal on the session bus, sent without waiting for anybody.
#include <QDBusConnection>
#include <QString>

class LauncherProgress {
 public:
  static constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";
  static constexpr const char* kPath = "/com/veltranesoftware/VideoConverter/LauncherEntry";
  static constexpr const char* kAppUri = "application://com.veltranesoftware.VideoConverter.desktop";

  explicit LauncherProgress(const QDBusConnection& bus) : bus_(bus) {}

  // The program's instance on the session bus; a test may put its own in place
  // (nullptr goes back to the session bus).
  static LauncherProgress& Session();
  static void SetSession(LauncherProgress* instance);

  // Shows `share` (0..1) of the run done; a signal goes out only when the whole
  // percentage changes, so a busy run does not flood the bus.
  void Show(double share);
  // Takes the progress off the icon (end of the run, window closed).
  void Hide();

 private:
  void Send(double share, bool visible);

  QDBusConnection bus_;
  int shown_percent_ = -1;  // -1: hidden
};
