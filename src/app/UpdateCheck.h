#pragma once
// The "visit the web site?" reminder: due when the last check lies more than 15 days
// back, in the future, or cannot be read as a date.
#include <QDate>
#include <QString>

namespace UpdateCheck {
inline constexpr const char* DefaultLastCheck = "2005-1-1";
inline constexpr int IntervalDays = 15;

// Reads a stored check date ("2005-1-1", ISO, or the user's short date form).
QDate ParseCheckDate(const QString& text);
// The text stored after a prompt.
QString FormatCheckDate(const QDate& date);
// `last` is the stored text; an empty text counts as the default date.
bool IsDue(const QString& last, const QDate& today);
}  // namespace UpdateCheck
