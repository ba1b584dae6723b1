// Grid item table and value rules.
#include "output/GridItems.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "output/FormatTable.h"

namespace {

const QStringList kVideoBitrates = {"Auto",  "64k",   "96k",   "128k",  "160k",  "192k",  "256k",  "320k",
                                    "384k",  "448k",  "512k",  "640k",  "768k",  "1000k", "1200k", "1500k",
                                    "1800k", "2000k", "2200k", "2500k", "2800k", "3000k", "3500k", "4000k"};
const QStringList kFrameRates = {"Auto", "10", "12",    "15", "20", "23.97",
                                 "24",   "25", "29.97", "30", "50", "60"};
const QStringList kAspects = {"Auto", "4:3", "16:9"};
const QStringList kRotations = {"-90", "90"};
const QStringList kAudioBitrates = {"Auto", "32k",  "40k",  "48k",  "56k",  "64k",  "80k", "96k",
                                    "112k", "128k", "160k", "192k", "224k", "256k", "320k"};
const QStringList kSampleRates = {"Auto", "8000", "11025", "16000", "22050", "32000", "44100", "48000"};
const QStringList kChannels = {QT_TRANSLATE_NOOP("GridItems", "Auto"), "1", "2"};
const QStringList kUpscale = {QT_TRANSLATE_NOOP("GridItems", "Allow"),
                              QT_TRANSLATE_NOOP("GridItems", "Never")};
const QStringList kAudioTracks = {QT_TRANSLATE_NOOP("GridItems", "All"),
                                  QT_TRANSLATE_NOOP("GridItems", "First")};
const QStringList kSubtitles = {QT_TRANSLATE_NOOP("GridItems", "Keep"),
                                QT_TRANSLATE_NOOP("GridItems", "Burn In"),
                                QT_TRANSLATE_NOOP("GridItems", "None")};
const QStringList kQualityModes = {QT_TRANSLATE_NOOP("GridItems", "Bitrate"),
                                   QT_TRANSLATE_NOOP("GridItems", "Constant quality")};
const QStringList kDeinterlace = {QT_TRANSLATE_NOOP("GridItems", "Off"),
                                  QT_TRANSLATE_NOOP("GridItems", "Auto"),
                                  QT_TRANSLATE_NOOP("GridItems", "Always")};

using K = GridItemKind;
using C = GridCategory;

const GridItemInfo kItems[] = {
    {GridItem::FileExtension,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Filename Extension"),
     K::Text,
     "",
     {},
     "",
     true,
     0,
     false},
    {GridItem::KeepFileDate,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Keep File Date"),
     K::Check,
     "True",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Give the output file the modification date of the source file"),
     false,
     0,
     false},
    {GridItem::VideoBitrate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Video Bitrate"), K::Text, "Auto",
     kVideoBitrates, QT_TRANSLATE_NOOP("GridItems", "Set the video bit rate in bps (Bit Per Second)"), false,
     0, false},
    {GridItem::FrameRate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Frame Rate (FPS)"), K::Text, "Auto",
     kFrameRates,
     QT_TRANSLATE_NOOP("GridItems",
                       "Set how many frames should be displayed per second. Higher frame rate increases the "
                       "smoothness when played back"),
     false, 0, false},
    {GridItem::Aspect, C::Video, QT_TRANSLATE_NOOP("GridItems", "Aspect Rate"), K::Text, "Auto", kAspects,
     QT_TRANSLATE_NOOP("GridItems",
                       "Set width to height ratio according to the screen aspect of your playback device"),
     false, 0, false},
    {GridItem::Crop,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Crop Video"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Crop the input video"),
     false,
     CropItemId,
     false},
    {GridItem::CropTop,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Top"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropBottom,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Bottom"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropLeft,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Left"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropRight,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Right"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::VerticalFlip,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Vertically Flip"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Flip the input video vertically"),
     false,
     0,
     false},
    {GridItem::HorizontalFlip,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Horizontally Flip"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Flip the input video horizontally"),
     false,
     0,
     false},
    {GridItem::Rotate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Rotate"), K::Number, "0", kRotations,
     QT_TRANSLATE_NOOP("GridItems",
                       "Rotate the video xx degrees clockwise. Valid number is from -270 to 270"),
     false, 0, false},
    {GridItem::Upscale, C::Video, QT_TRANSLATE_NOOP("GridItems", "Upscale"), K::List, "Allow", kUpscale,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Never: a video smaller than the chosen size keeps its own size instead of being enlarged"),
     false, 0, false},
    {GridItem::QualityMode, C::Video, QT_TRANSLATE_NOOP("GridItems", "Video Quality Mode"), K::List,
     "Bitrate", kQualityModes,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one "
         "picture quality and the size follows the content (the video bitrate is then not used)"),
     false, 0, false},
    {GridItem::ConstantQuality,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Constant Quality"),
     K::Number,
     "22",
     {},
     QT_TRANSLATE_NOOP("GridItems",
                       "The picture quality kept in constant quality mode, on the encoder's own scale: lower "
                       "is better"),
     false,
     0,
     false},
    {GridItem::Deinterlace, C::Video, QT_TRANSLATE_NOOP("GridItems", "Deinterlace"), K::List, "Off",
     kDeinterlace,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: "
         "only sources found to be interlaced. Always: every source"),
     false, 0, false},
    {GridItem::AudioBitrate, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Audio Bitrate"), K::Text, "Auto",
     kAudioBitrates, QT_TRANSLATE_NOOP("GridItems", "Set the audio bitrate in bps(Bit Per Second)"), false, 0,
     false},
    {GridItem::SampleRate, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Sample Rate"), K::Text, "Auto",
     kSampleRates,
     QT_TRANSLATE_NOOP("GridItems", "Set the audio sampling frequency (the number of samples per second)"),
     false, 0, false},
    {GridItem::Channels, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Channels"), K::List, "Auto", kChannels,
     QT_TRANSLATE_NOOP("GridItems", "Set number of audio channels. 1 - Mono, 2 - Stereo"), false, 0, false},
    {GridItem::AudioTracks, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Audio Tracks"), K::List, "All",
     kAudioTracks,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "All: every audio track (other languages, commentary) where the format can hold several. "
         "First: only the main one"),
     false, 0, false},
    {GridItem::RemoveAudio,
     C::Audio,
     QT_TRANSLATE_NOOP("GridItems", "Remove Audio"),
     K::Check,
     "",
     {},
     "",
     false,
     RemoveAudioItemId,
     false},
    {GridItem::Subtitles, C::Subtitle, QT_TRANSLATE_NOOP("GridItems", "Subtitles"), K::List, "Keep",
     kSubtitles,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Keep: subtitle tracks go into the output where the format can hold them. Burn In: the "
         "default text track is drawn into the picture. None: left out"),
     false, 0, false},
    {GridItem::StartTime,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Start Time"),
     K::Text,
     "",
     {},
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning"),
     false,
     0,
     false},
    {GridItem::Duration,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Duration"),
     K::Text,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end"),
     false,
     0,
     false},
};

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

QString GridCategoryCaption(GridCategory category) {
  switch (category) {
    case GridCategory::OutputFile:
      return QCoreApplication::translate("GridItems", "Output File");
    case GridCategory::Video:
      return QCoreApplication::translate("GridItems", "Video Settings");
    case GridCategory::Audio:
      return QCoreApplication::translate("GridItems", "Audio Settings");
    case GridCategory::Subtitle:
      return QCoreApplication::translate("GridItems", "Subtitle Settings");
  }
  return {};
}

std::span<const GridItemInfo> GridItemTable() { return kItems; }

const GridItemInfo& GridItemInfoFor(GridItem item) { return kItems[static_cast<int>(item)]; }

QString GridItemCaption(const GridItemInfo& info) {
  return QCoreApplication::translate("GridItems", info.caption);
}

QString GridItemDescription(const GridItemInfo& info) {
  return *info.description ? QCoreApplication::translate("GridItems", info.description) : QString();
}

QStringList GridEntriesShown(const GridItemInfo& info) {
  QStringList shown;
  for (const QString& entry : info.entries)
    shown << (info.kind == GridItemKind::List || entry == "Auto"
                  ? QCoreApplication::translate("GridItems", entry.toUtf8().constData())
                  : entry);
  return shown;
}

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
