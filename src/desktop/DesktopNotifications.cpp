#include "desktop/DesktopNotifications.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

#include "core/ProgramInfo.h"
#include "desktop/UiServices.h"

namespace {
QPointer<DesktopNotifications> g_session;
bool g_replaced = false;  // a test's instance is in place
constexpr const char* kDesktopEntry = "com.veltranesoftware.VideoConverter";
}  // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {
  if (!bus_.isConnected()) return;
  // Any sender: naming the service would make the bus connection look up its owner,
  // a call that waits. The ids tell our notifications apart.
  bus_.connect(QString(), kPath, kService, "ActionInvoked", this, SLOT(OnActionInvoked(uint, QString)));
  bus_.connect(QString(), kPath, kService, "NotificationClosed", this, SLOT(OnClosed(uint, uint)));
}

DesktopNotifications& DesktopNotifications::Session() {
  if (!g_session) {
    g_replaced = false;
    g_session = new DesktopNotifications(QDBusConnection::sessionBus(), QCoreApplication::instance());
  }
  return *g_session;
}

void DesktopNotifications::SetSession(DesktopNotifications* instance) {
  if (g_session && !g_replaced) delete g_session.data();
  g_session = instance;
  g_replaced = instance != nullptr;
}

void DesktopNotifications::Notify(const QString& text, const QString& folder,
                                  std::function<void()> fallback) {
  if (!bus_.isConnected()) {
    if (fallback) fallback();
    return;
  }
  QStringList actions;
  if (!folder.isEmpty()) {
    const QString open = tr("Open Folder");
    actions << "default" << open << "open-folder" << open;
  }
  const QVariantMap hints{{"desktop-entry", QString(kDesktopEntry)}};
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
  call << QString(ProgramInfo::kTitle) << last_id_ << QString(kDesktopEntry) << QString(ProgramInfo::kTitle)
       << text << actions << hints << -1;
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kAnswerTimeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, folder, fallback = std::move(fallback)](QDBusPendingCallWatcher* done) {
            done->deleteLater();
            const QDBusPendingReply<uint> reply = *done;
            if (reply.isError()) {
              if (fallback) fallback();
              return;
            }
            folders_.erase(last_id_);
            last_id_ = reply.value();
            if (!folder.isEmpty()) folders_[last_id_] = folder;
          });
}

void DesktopNotifications::OnActionInvoked(uint id, const QString& action) {
  const auto it = folders_.find(id);
  if (it == folders_.end() || (action != "default" && action != "open-folder")) return;
  const QString folder = it->second;
  Ui::OpenFolder(folder);
}

void DesktopNotifications::OnClosed(uint id, uint) {
  folders_.erase(id);
  if (id == last_id_) last_id_ = 0;
}
