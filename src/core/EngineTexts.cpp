#include "core/EngineTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Whole engine messages, word for word as the engine writes them.
const char* const kFixedTexts[] = {
    QT_TRANSLATE_NOOP("EngineTexts", "Not a media file, or the file is damaged"),
    QT_TRANSLATE_NOOP("EngineTexts", "The file is empty"),
    QT_TRANSLATE_NOOP("EngineTexts", "The file holds no audio or video"),
    QT_TRANSLATE_NOOP("EngineTexts", "Reading the file timed out"),
    QT_TRANSLATE_NOOP("EngineTexts", "The path is a folder, not a file"),
    QT_TRANSLATE_NOOP("EngineTexts", "The path is not a regular file"),
    QT_TRANSLATE_NOOP("EngineTexts", "The file refers to other files, which are not read"),
    QT_TRANSLATE_NOOP("EngineTexts", "The source changed on disk during the conversion"),
    QT_TRANSLATE_NOOP("EngineTexts", "The conversion failed"),
};

}  // namespace

QString EngineText(const QString& text) {
  for (const char* fixed : kFixedTexts)
    if (text == QLatin1String(fixed)) return QCoreApplication::translate("EngineTexts", fixed);
  static const QRegularExpression kSkipped("^Skipped: (.+) already exists$");
  if (const QRegularExpressionMatch skipped = kSkipped.match(text); skipped.hasMatch())
    return QCoreApplication::translate("EngineTexts", "Skipped: %1 already exists").arg(skipped.captured(1));
  return text;
}
