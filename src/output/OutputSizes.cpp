// Size list parsing and the width/height corrections.
#include "output/OutputSizes.h"

#include <QCoreApplication>
#include <limits>

const QStringList& SizeEntries() {
  static const QStringList entries = {QT_TRANSLATE_NOOP("OutputSizes", "Auto"),
                                      "128 x 96 (sqcif)",
                                      "176 x 144 (qcif)",
                                      "320 x 240 (qvga)",
                                      "352 x 240",
                                      "352 x 288 (cif)",
                                      "480 x 320",
                                      "640 x 480 (vga)",
                                      "720 x 480 (NTSC)",
                                      "704 x 576 (4cif)",
                                      "720 x 576 (PAL)",
                                      "800 x 600",
                                      "1024 x 576",
                                      "1280 x 720",
                                      "1920 x 1080",
                                      QT_TRANSLATE_NOOP("OutputSizes", "Custom...")};
  return entries;
}

long long LeadingNumber(const QString& text) {
  constexpr long long limit = std::numeric_limits<int>::max();
  long long value = 0;
  qsizetype i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
    ++i;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c.unicode() - '0');
    if (value > limit) value = limit;
  }
  return value;
}

bool ParseSizeEntry(const QString& entry, QString& width, QString& height) {
  const qsizetype p = entry.indexOf(" x ");
  if (p < 0) return false;
  width = QString::number(LeadingNumber(entry.left(p)));
  height = QString::number(LeadingNumber(entry.mid(p + 3)));
  return true;
}

QString CorrectDimensionText(const QString& text) {
  QString result = text;
  const long long value = LeadingNumber(result);
  if (value < MinDimension) {
    result = QString::number(MinDimension);
  } else if (value > MaxDimension) {
    result = QString::number(MaxDimension);
  }
  const long long corrected = LeadingNumber(result);
  if (corrected % 2 != 0) result = QString::number(corrected + 1);
  return result;
}

bool IsKeptDimensionText(const QString& text) {
  if (text.isEmpty() || text.size() > 9) return false;
  for (const QChar c : text)
    if (c < '0' || c > '9') return false;
  return CorrectDimensionText(text) == text;
}

QString DimensionReplacementNote(const QString& caption, const QString& typed, const QString& kept) {
  if (typed == kept) return {};
  const QString was =
      typed.isEmpty() ? QCoreApplication::translate("OutputSizes", "an empty box") : "\"" + typed + "\"";
  //: %1 is "Width" or "Height", %2 the typed value in quotes or "an empty box".
  return QCoreApplication::translate("OutputSizes",
                                     "%1: %2 was replaced by \"%3\" (it takes an even number from %4 to %5).")
      .arg(caption, was, kept, QString::number(MinDimension), QString::number(MaxDimension));
}

SizeChoice ChooseSize(int index) {
  SizeChoice choice;
  const QStringList& entries = SizeEntries();
  if (index <= SizeAutoIndex || index >= entries.size()) return choice;  // "Auto"
  if (index == entries.size() - 1) {                                     // "Custom..."
    choice.boxesEnabled = true;
    choice.keepText = true;
    choice.focusWidth = true;
    return choice;
  }
  ParseSizeEntry(entries[index], choice.width, choice.height);
  return choice;
}
