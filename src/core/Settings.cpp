#include "core/Settings.h"

#include <QSettings>
#include <QVariant>

namespace {
QSettings& Store() {
  static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Veltrane Software",
                            "Veltrane Video Converter");
  return settings;
}
}  // namespace

QString ReadSetting(const QString& name) {
  QSettings& s = Store();
  s.sync();
  const QVariant v = s.value(name);
  if (!v.isValid()) return {};
  // Strings read as they are, numbers as their decimal text, anything else as empty.
  QString text = v.canConvert<QString>() ? v.toString() : QString();
  // A value written by another tool may carry its terminating NUL.
  if (text.isEmpty() || text.front() == QChar(0)) return {};
  if (text.back() == QChar(0)) text.chop(1);
  return text;
}

void WriteSetting(const QString& name, const QString& value) {
  QSettings& s = Store();
  s.setValue(name, value);  // an empty value stays present
  s.sync();
}
