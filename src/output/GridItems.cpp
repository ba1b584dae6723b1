// Grid item table and value rules.
#include "output/GridItems.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

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
const QStringList kChannels = {"Auto", "1", "2"};
const QStringList kUpscale = {"Allow", "Never"};
const QStringList kAudioTracks = {"All", "First"};
const QStringList kSubtitles = {"Keep", "Burn In", "None"};

using K = GridItemKind;
using C = GridCategory;

const GridItemInfo kItems[] = {
    {GridItem::FileExtension, C::OutputFile, "Filename Extension", K::Text, "", {}, "", true, 0, false},
    {GridItem::KeepFileDate,
     C::OutputFile,
     "Keep File Date",
     K::Check,
     "True",
     {},
     "Give the output file the modification date of the source file",
     false,
     0,
     false},
    {GridItem::VideoBitrate, C::Video, "Video Bitrate", K::Text, "Auto", kVideoBitrates,
     "Set the video bit rate in bps (Bit Per Second)", false, 0, false},
    {GridItem::FrameRate, C::Video, "Frame Rate (FPS)", K::Text, "Auto", kFrameRates,
     "Set how many frames should be displayed per second. Higher frame rate increases the "
     "smoothness when played back",
     false, 0, false},
    {GridItem::Aspect, C::Video, "Aspect Rate", K::Text, "Auto", kAspects,
     "Set width to height ratio according to the screen aspect of your playback device", false, 0, false},
    {GridItem::Crop,
     C::Video,
     "Crop Video",
     K::Check,
     "",
     {},
     "Crop the input video",
     false,
     CropItemId,
     false},
    {GridItem::CropTop, C::Video, "Top", K::Number, "0", {}, "", true, 0, true},
    {GridItem::CropBottom, C::Video, "Bottom", K::Number, "0", {}, "", true, 0, true},
    {GridItem::CropLeft, C::Video, "Left", K::Number, "0", {}, "", true, 0, true},
    {GridItem::CropRight, C::Video, "Right", K::Number, "0", {}, "", true, 0, true},
    {GridItem::VerticalFlip,
     C::Video,
     "Vertically Flip",
     K::Check,
     "",
     {},
     "Flip the input video vertically",
     false,
     0,
     false},
    {GridItem::HorizontalFlip,
     C::Video,
     "Horizontally Flip",
     K::Check,
     "",
     {},
     "Flip the input video horizontally",
     false,
     0,
     false},
    {GridItem::Rotate, C::Video, "Rotate", K::Number, "0", kRotations,
     "Rotate the video xx degrees clockwise. Valid number is from -270 to 270", false, 0, false},
    {GridItem::Upscale, C::Video, "Upscale", K::List, "Allow", kUpscale,
     "Never: a video smaller than the chosen size keeps its own size instead of being enlarged", false, 0,
     false},
    {GridItem::AudioBitrate, C::Audio, "Audio Bitrate", K::Text, "Auto", kAudioBitrates,
     "Set the audio bitrate in bps(Bit Per Second)", false, 0, false},
    {GridItem::SampleRate, C::Audio, "Sample Rate", K::Text, "Auto", kSampleRates,
     "Set the audio sampling frequency (the number of samples per second)", false, 0, false},
    {GridItem::Channels, C::Audio, "Channels", K::List, "Auto", kChannels,
     "Set number of audio channels. 1 - Mono, 2 - Stereo", false, 0, false},
    {GridItem::AudioTracks, C::Audio, "Audio Tracks", K::List, "All", kAudioTracks,
     "All: every audio track (other languages, commentary) where the format can hold several. "
     "First: only the main one",
     false, 0, false},
    {GridItem::RemoveAudio, C::Audio, "Remove Audio", K::Check, "", {}, "", false, RemoveAudioItemId, false},
    {GridItem::Subtitles, C::Subtitle, "Subtitles", K::List, "Keep", kSubtitles,
     "Keep: subtitle tracks go into the output where the format can hold them. Burn In: the "
     "default text track is drawn into the picture. None: left out",
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
      return "Output File";
    case GridCategory::Video:
      return "Video Settings";
    case GridCategory::Audio:
      return "Audio Settings";
    case GridCategory::Subtitle:
      return "Subtitle Settings";
  }
  return {};
}

std::span<const GridItemInfo> GridItemTable() { return kItems; }

const GridItemInfo& GridItemInfoFor(GridItem item) { return kItems[static_cast<int>(item)]; }

QString CorrectGridItemText(GridItem item, const QString& value) {
  const GridItemInfo& info = GridItemInfoFor(item);
  if (info.kind == GridItemKind::Check) return value;

  QString text = value.trimmed();
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
      takes = "digits, optionally ending in k";
      break;
    case GridItem::SampleRate:
      takes = "digits, in Hz";
      break;
    case GridItem::FrameRate:
      takes = "a number above 0";
      break;
    case GridItem::Aspect:
      takes = "width:height in whole numbers, such as 16:9";
      break;
    case GridItem::Rotate:
      takes = "whole degrees from -270 to 270";
      break;
    case GridItem::CropTop:
    case GridItem::CropBottom:
    case GridItem::CropLeft:
    case GridItem::CropRight:
      takes = "pixels, 0 or more";
      break;
    default:
      break;
  }
  QString note = QString::fromUtf8(GridItemInfoFor(item).caption) + ": \"" + entered +
                 "\" was replaced by \"" + kept + "\"";
  if (*takes) note += QString(" (it takes ") + takes + ")";
  return note + ".";
}

QString GridLowValueNote(GridItem item, const QString& kept) {
  if (!AllDigits(kept)) return {};  // "Auto", "1500k" or a value that was replaced
  bool ok = false;
  const qlonglong value = kept.toLongLong(&ok);
  if (!ok) return {};
  const QString quoted = "\"" + kept + "\"";
  switch (item) {
    case GridItem::VideoBitrate:
    case GridItem::AudioBitrate: {
      const bool video = item == GridItem::VideoBitrate;
      if (value >= (video ? 32000 : 8000)) return {};
      return quoted + " is " + kept + " bit/s, far below usual " + (video ? "video" : "audio") +
             " bitrates. Did you mean \"" + kept + "k\"?";
    }
    case GridItem::SampleRate:
      if (value >= 8000) return {};
      return quoted + " is " + kept +
             " Hz, far below usual sample rates (8000 Hz and more, most often 44100 or 48000).";
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

int GridIntegerValue(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? value : 0;
}
