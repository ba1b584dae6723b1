#pragma once
// The end of a run told through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), with an "Open Folder" action.
// Everything goes asynchronously: the window never waits for the bus. When no service
// takes the notification (no session bus, nobody owns the name, an error or no answer
// in time), the caller's own notice is shown instead.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

class DesktopNotifications : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kService = "org.freedesktop.Notifications";
  static constexpr const char* kPath = "/org/freedesktop/Notifications";
  // How long a service may take to answer before the fallback shows.
  static constexpr int kAnswerTimeoutMs = 3000;

  explicit DesktopNotifications(const QDBusConnection& bus, QObject* parent = nullptr);

  // The program's instance on the session bus, made on first use; a test may put its
  // own in place (nullptr goes back to the session bus).
  static DesktopNotifications& Session();
  static void SetSession(DesktopNotifications* instance);

  // Shows `text` under the program's title. With a `folder`, clicking the notification
  // or its "Open Folder" action opens that folder. `fallback` runs instead, at once or
  // later on this thread, when no service takes the notification.
  void Notify(const QString& text, const QString& folder, std::function<void()> fallback);

 private slots:
  void OnActionInvoked(uint id, const QString& action);
  void OnClosed(uint id, uint reason);

 private:
  QDBusConnection bus_;
  std::map<uint, QString> folders_;  // notifications on screen -> the folder they open
  uint last_id_ = 0;                 // replaced by the next run's notification
};
