// The rules that clean up and check the values typed into the settings grid.
#include "output/GridItems.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "output/FormatTable.h"

namespace {

bool IsTimeItem(GridItem item) { return item == GridItem::StartTime || item == GridItem::Duration; }

bool AllDigits(QStringView text) {
  if (text.isEmpty()) return false;
  for (QChar c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsCropValue(GridItem item) {
  return item == GridItem::CropTop || item == GridItem::CropBottom || item == GridItem::CropLeft ||
         item == GridItem::CropRight;
}

// Parses a whole (optionally signed) integer; false for anything else.
bool ParseInteger(const QString& text, long long& value) {
  bool ok = false;
  value = text.toInt(&ok);  // int range, so the absolute value cannot overflow
  return ok;
}

}  // namespace

QString CorrectGridItemText(GridItem item, const QString& value) {
  const GridItemInfo& info = GridItemInfoFor(item);
  if (info.kind == GridItemKind::Check) return value;

  QString text = value.trimmed();
  if (item == GridItem::ConstantQuality) return text;
  // A trim time that cannot be read is dropped: the whole file is converted.
  if (IsTimeItem(item))
    return (item == GridItem::StartTime ? IsStartTimeText(text) : IsDurationText(text)) ? text : QString();
  if (text.isEmpty()) {
    return (IsCropValue(item) || item == GridItem::Rotate) ? QString("0") : QString("Auto");
  }
  long long number = 0;
  if (IsCropValue(item)) {
    // A crop value that is not a number is left as typed.
    if (ParseInteger(text, number)) text = QString::number(std::llabs(number));
  } else if (item == GridItem::Rotate) {
    if (!ParseInteger(text, number) || number < -270 || number > 270) text = "0";
  }
  return text;
}

QString GridReplacementNote(GridItem item, const QString& typed, const QString& kept) {
  const QString entered = typed.trimmed();
  // "auto" becoming "Auto" changes nothing the user meant.
  if (entered.isEmpty() || entered.compare(kept, Qt::CaseInsensitive) == 0) return {};
  if (IsTimeItem(item))
    return QCoreApplication::translate("GridItems",
                                       "%1: \"%2\" is not a time, so the whole file is kept (it takes "
                                       "hh:mm:ss.fff or seconds, such as 1:30.5 or 90.5%3).")
        .arg(QCoreApplication::translate("GridItems", GridItemInfoFor(item).caption), entered,
             item == GridItem::Duration ? QCoreApplication::translate("GridItems", ", above 0") : QString());
  const char* takes = "";
  switch (item) {
    case GridItem::VideoBitrate:
    case GridItem::AudioBitrate:
      takes = QT_TRANSLATE_NOOP("GridItems", "digits, optionally ending in k");
      break;
    case GridItem::SampleRate:
      takes = QT_TRANSLATE_NOOP("GridItems", "digits, in Hz");
      break;
    case GridItem::FrameRate:
      takes = QT_TRANSLATE_NOOP("GridItems", "a number above 0");
      break;
    case GridItem::Aspect:
      takes = QT_TRANSLATE_NOOP("GridItems", "width:height in whole numbers, such as 16:9");
      break;
    case GridItem::Rotate:
      takes = QT_TRANSLATE_NOOP("GridItems", "whole degrees from -270 to 270");
      break;
    case GridItem::CropTop:
    case GridItem::CropBottom:
    case GridItem::CropLeft:
    case GridItem::CropRight:
      takes = QT_TRANSLATE_NOOP("GridItems", "pixels, 0 or more");
      break;
    case GridItem::ConstantQuality:
      takes = "a whole number on the scale the description names";
      break;
    default:
      break;
  }
  const QString caption = QCoreApplication::translate("GridItems", GridItemInfoFor(item).caption);
  if (!*takes)
    return QCoreApplication::translate("GridItems", "%1: \"%2\" was replaced by \"%3\".")
        .arg(caption, entered, kept);
  return QCoreApplication::translate("GridItems", "%1: \"%2\" was replaced by \"%3\" (it takes %4).")
      .arg(caption, entered, kept, QCoreApplication::translate("GridItems", takes));
}

QString GridLowValueNote(GridItem item, const QString& kept) {
  if (!AllDigits(kept)) return {};  // "Auto", "1500k" or a value that was replaced
  bool ok = false;
  const qlonglong value = kept.toLongLong(&ok);
  if (!ok) return {};
  switch (item) {
    case GridItem::VideoBitrate:
    case GridItem::AudioBitrate: {
      const bool video = item == GridItem::VideoBitrate;
      if (value >= (video ? 32000 : 8000)) return {};
      return (video ? QCoreApplication::translate(
                          "GridItems",
                          "\"%1\" is %1 bit/s, far below usual video bitrates. Did you mean \"%1k\"?")
                    : QCoreApplication::translate(
                          "GridItems",
                          "\"%1\" is %1 bit/s, far below usual audio bitrates. Did you mean \"%1k\"?"))
          .arg(kept);
    }
    case GridItem::SampleRate:
      if (value >= 8000) return {};
      return QCoreApplication::translate("GridItems",
                                         "\"%1\" is %1 Hz, far below usual sample rates (8000 Hz and more, "
                                         "most often 44100 or 48000).")
          .arg(kept);
    default:
      return {};
  }
}

bool IsBitrateText(const QString& value) {
  if (value == "Auto") return true;
  if (value.endsWith('k', Qt::CaseInsensitive)) return AllDigits(QStringView(value).chopped(1));
  return AllDigits(value);
}

bool IsSampleRateText(const QString& value) { return value == "Auto" || AllDigits(value); }

bool IsFrameRateText(const QString& value) {
  if (value == "Auto") return true;
  bool ok = false;
  const double rate = value.toDouble(&ok);
  return ok && std::isfinite(rate) && rate > 0.0;
}

bool IsAspectText(const QString& value) {
  if (value == "Auto") return true;
  const qsizetype colon = value.indexOf(':');
  if (colon < 0) return false;
  const QString num = value.left(colon);
  const QString den = value.mid(colon + 1);
  if (!AllDigits(num) || !AllDigits(den)) return false;
  return num.toLongLong() > 0 && den.toLongLong() > 0;
}

bool ParseTimeText(const QString& value, qint64* ms) {
  // Up to three parts split by ':'; only the last may have a fraction, and after a
  // ':' it stays below 60.
  const QStringList parts = value.split(':');
  if (value.isEmpty() || parts.size() > 3) return false;
  double total = 0;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    const bool last = i + 1 == parts.size();
    if (part.isEmpty() || !part.front().isDigit() || part.front().unicode() > '9') return false;
    bool ok = false;
    double number = 0;
    if (last) {
      for (QChar c : part)
        if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
      number = part.toDouble(&ok);
      if (!ok || (parts.size() > 1 && number >= 60)) return false;
    } else {
      if (!AllDigits(part)) return false;
      number = part.toDouble(&ok);
      if (!ok || (i > 0 && number >= 60)) return false;
    }
    total = total * 60 + number;
  }
  if (total > 100.0 * 3600) return false;
  if (ms) *ms = std::llround(total * 1000);
  return true;
}

bool IsStartTimeText(const QString& value) { return value.isEmpty() || ParseTimeText(value); }

bool IsDurationText(const QString& value) {
  qint64 ms = 0;
  return value.isEmpty() || (ParseTimeText(value, &ms) && ms > 0);
}

void NormaliseGridValues(GridValues& values) {
  if (!IsStartTimeText(values.startTime)) values.startTime.clear();
  if (!IsDurationText(values.duration)) values.duration.clear();
  if (!IsBitrateText(values.videoBitrate)) values.videoBitrate = "Auto";
  if (!IsBitrateText(values.audioBitrate)) values.audioBitrate = "Auto";
  if (!IsSampleRateText(values.sampleRate)) values.sampleRate = "Auto";
  if (!IsFrameRateText(values.frameRate)) values.frameRate = "Auto";
  if (!IsAspectText(values.aspect)) values.aspect = "Auto";
}

const QualityScale* QualityScaleFor(const QString& formatKey) {
  const FormatRow* row = FindFormat(formatKey.toStdString());
  return row ? QualityScaleOf(*row) : nullptr;
}

QString ConstantQualityDescription(const QualityScale* scale) {
  if (!scale)
    return QCoreApplication::translate("GridItems",
                                       "This format's video encoder has no constant quality mode: it always "
                                       "uses the video bitrate");
  return QCoreApplication::translate(
             "GridItems",
             "The picture quality kept in constant quality mode, on the %1 scale from "
             "%2 (best, largest files) to %3 (worst, smallest files): lower is better. "
             "Starts at %4")
      .arg(QString::fromLatin1(scale->encoder))
      .arg(scale->best)
      .arg(scale->worst)
      .arg(scale->initial);
}

QString CorrectConstantQualityText(const QString& value, const QualityScale* scale) {
  const QString text = value.trimmed();
  if (!scale) return text;
  bool ok = false;
  const int number = text.toInt(&ok);
  if (!ok) return QString::number(scale->initial);
  return QString::number(std::clamp(number, scale->best, scale->worst));
}

int GridIntegerValue(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? value : 0;
}
