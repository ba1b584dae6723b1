#include "conversion/UserMessages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "core/EngineTexts.h"
#include "core/Helpers.h"

namespace {

QString NameOf(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  return name.isEmpty() ? path : name;
}

// The dialog's name for an option of the option string.
QString SettingFor(const QString& option) {
  static const struct {
    const char* option;
    const char* setting;
  } kNames[] = {
      {"-s", QT_TRANSLATE_NOOP("UserMessages", "picture size")},
      {"-vb", QT_TRANSLATE_NOOP("UserMessages", "video bitrate")},
      {"-ab", QT_TRANSLATE_NOOP("UserMessages", "audio bitrate")},
      {"-r", QT_TRANSLATE_NOOP("UserMessages", "frame rate")},
      {"-ar", QT_TRANSLATE_NOOP("UserMessages", "sample rate")},
      {"-ac", QT_TRANSLATE_NOOP("UserMessages", "channels")},
      {"-aspect", QT_TRANSLATE_NOOP("UserMessages", "aspect")},
      {"-vf", QT_TRANSLATE_NOOP("UserMessages", "crop, flip or rotate setting")},
      {"-vcodec", QT_TRANSLATE_NOOP("UserMessages", "video codec")},
      {"-acodec", QT_TRANSLATE_NOOP("UserMessages", "audio codec")},
      {"-f", QT_TRANSLATE_NOOP("UserMessages", "output format")},
  };
  for (const auto& n : kNames)
    if (option == n.option) return QCoreApplication::translate("UserMessages", n.setting);
  return QString();
}

QString SentenceEnd(QString text) {
  text = text.trimmed();
  if (!text.isEmpty() && !text.endsWith('.') && !text.endsWith('!') && !text.endsWith('?')) text += '.';
  return text;
}

}  // namespace

QString CropProblem(const OutputSettings& settings, const RowFacts& facts, const QString& sourcePath) {
  const GridValues& g = settings.grid;
  if (!g.crop || !facts.hasVideo || facts.sourceWidth <= 0 || facts.sourceHeight <= 0) return QString();
  QStringList margins;
  if (qint64(g.cropLeft) + g.cropRight >= facts.sourceWidth) {
    if (g.cropLeft) margins << QCoreApplication::translate("UserMessages", "left %1").arg(g.cropLeft);
    if (g.cropRight) margins << QCoreApplication::translate("UserMessages", "right %1").arg(g.cropRight);
  }
  if (qint64(g.cropTop) + g.cropBottom >= facts.sourceHeight) {
    if (g.cropTop) margins << QCoreApplication::translate("UserMessages", "top %1").arg(g.cropTop);
    if (g.cropBottom) margins << QCoreApplication::translate("UserMessages", "bottom %1").arg(g.cropBottom);
  }
  if (margins.isEmpty()) return QString();
  return QCoreApplication::translate("UserMessages",
                                     "The crop margins (%1) are larger than the picture (%2×%3) of %4. "
                                     "Make them smaller under Crop Video in the advanced settings.")
      .arg(margins.join(ListSeparator()), QString::number(facts.sourceWidth),
           QString::number(facts.sourceHeight), NameOf(sourcePath));
}

QString ExplainOpenFailure(const QString& sourcePath, const QString& engineMessage) {
  return QCoreApplication::translate("UserMessages", "%1 cannot be opened: %2")
      .arg(NameOf(sourcePath), SentenceEnd(EngineText(engineMessage)));
}

QString ExplainConversionFailure(const QString& sourcePath, const QString& engineMessage) {
  const QString name = NameOf(sourcePath);
  static const QRegularExpression kBadValue("^Bad value '([^']*)' for option (-[a-z]+)");
  const QRegularExpressionMatch bad = kBadValue.match(engineMessage);
  if (bad.hasMatch()) {
    const QString setting = SettingFor(bad.captured(2));
    if (!setting.isEmpty())
      //: %1 is a file name, %2 a setting such as "video bitrate", %3 its value.
      return QCoreApplication::translate(
                 "UserMessages",
                 "%1 cannot be converted: the %2 \"%3\" cannot be used for it. Choose "
                 "another value in the output settings.")
          .arg(name, setting, bad.captured(1));
  }
  if (engineMessage.contains("crop", Qt::CaseInsensitive) &&
      (engineMessage.contains("larger", Qt::CaseInsensitive) || engineMessage.contains("Bad crop")))
    return QCoreApplication::translate(
               "UserMessages",
               "The crop margins are larger than the picture of %1. Make them smaller "
               "under Crop Video in the advanced settings.")
        .arg(name);
  QString text = QCoreApplication::translate("UserMessages", "%1 cannot be converted: %2")
                     .arg(name, SentenceEnd(EngineText(engineMessage)));
  // Only a codec or container problem is helped by choosing another format.
  static const QRegularExpression kFormatProblem("encoder|codec|container|format|muxer",
                                                 QRegularExpression::CaseInsensitiveOption);
  if (kFormatProblem.match(engineMessage).hasMatch())
    text += " " + QCoreApplication::translate("UserMessages", "Please try to convert it to another format.");
  return text;
}
