#include "desktop/LauncherProgress.h"

#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>
#include <cmath>

namespace {
LauncherProgress* g_replacement = nullptr;
}  // namespace

LauncherProgress& LauncherProgress::Session() {
  if (g_replacement) return *g_replacement;
  // Kept to the end of the process: the bus connection must not be torn down after Qt's own.
  static auto* session = new LauncherProgress(QDBusConnection::sessionBus());
  return *session;
}

void LauncherProgress::SetSession(LauncherProgress* instance) { g_replacement = instance; }

void LauncherProgress::Show(double share) {
  const double clamped = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
  const int percent = static_cast<int>(std::floor(clamped * 100.0));
  if (percent == shown_percent_) return;
  shown_percent_ = percent;
  Send(percent / 100.0, true);
}

void LauncherProgress::Hide() {
  if (shown_percent_ < 0) return;
  shown_percent_ = -1;
  Send(0.0, false);
}

void LauncherProgress::Send(double share, bool visible) {
  if (!bus_.isConnected()) return;
  QDBusMessage update = QDBusMessage::createSignal(kPath, kInterface, "Update");
  update << QString(kAppUri) << QVariantMap{{"progress", share}, {"progress-visible", visible}};
  bus_.send(update);  // queued; a desktop without a launcher simply ignores it
}
