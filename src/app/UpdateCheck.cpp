#include "app/UpdateCheck.h"

#include <QLocale>

namespace UpdateCheck {

QDate ParseCheckDate(const QString& text) {
  const QString t = text.trimmed();
  for (const char* format : {"yyyy-M-d", "yyyy/M/d"}) {
    const QDate d = QDate::fromString(t, format);
    if (d.isValid()) return d;
  }
  QDate d = QLocale::system().toDate(t, QLocale::ShortFormat);
  if (!d.isValid()) d = QLocale::c().toDate(t, QLocale::ShortFormat);
  return d;
}

// Year first with four digits: the short form that reads back without guessing the century.
QString FormatCheckDate(const QDate& date) { return date.toString("yyyy-MM-dd"); }

bool IsDue(const QString& last, const QDate& today) {
  const QDate lastDate = ParseCheckDate(last.isEmpty() ? DefaultLastCheck : last);
  if (!lastDate.isValid()) return true;
  const qint64 days = lastDate.daysTo(today);
  return days > IntervalDays || days < 0;
}
}  // namespace UpdateCheck
