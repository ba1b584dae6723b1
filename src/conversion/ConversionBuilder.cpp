#include "conversion/ConversionBuilder.h"

#include <array>
#include <cmath>
#include <limits>

#include "common/Helpers.h"

namespace {

using Triple = std::array<const char*, 3>;  // High / Normal / Low

// One output format. The pattern is the format part of the option string; {VRATE},
// {ARATE}, {SRATE}, {PRESET} ("libx264-veryfast"), {SPEED} (its bare word, which the
// engine turns into each newer encoder's own speed setting) and {SIZE} are filled per row.
struct FormatEntry {
  const char* key;
  const char* extension;
  bool audio;
  int bitrateFactor;       // factor of the automatic video bitrate; 0 = none
  Triple fixedVideoRate;   // automatic video bitrate by quality when there is no factor
  Triple audioRate;
  Triple sampleRate;
  bool defaultFrameRate;   // an unset frame rate becomes 29.97
  int videoRateCap;        // kbit/s ceiling of the video bitrate; 0 = none
  const char* pattern;
};

constexpr Triple kNone{nullptr, nullptr, nullptr};
constexpr Triple kSr44{"44100", "44100", "22050"};
constexpr Triple kSr48{"48000", "44100", "22050"};
constexpr Triple kAr256{"256k", "128k", "64k"};
constexpr Triple kAr256Low96{"256k", "128k", "96k"};
constexpr Triple kAr320{"320k", "128k", "64k"};
constexpr Triple kAr320Low96{"320k", "128k", "96k"};
constexpr Triple kAr128{"128k", "64k", "32k"};

constexpr const char* kPlainVideo = "-vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}";
constexpr const char* kPlainAudio = "-vn -ab {ARATE} -ar {SRATE}";
constexpr const char* kPcmAudio = "-vn  -ar {SRATE}";

const FormatEntry kFormats[] = {
    // Video formats.
    {"3gp", "3gp", false, 330, kNone, {"12200", "6700", "4750"}, kNone, false, 0,
     "-vb {VRATE} -ab {ARATE} -ac 1 -ar 8000{SIZE}"},
    {"avi", "avi", false, 847, kNone, {"320k", "128k", "64k"}, kSr44, false, 0,
     "-vcodec libxvid -vb {VRATE} -acodec libmp3lame -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"asf", "asf", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec msmpeg4v2 -vb {VRATE} -acodec wmav2 -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"wmv", "wmv", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec wmv2 -vb {VRATE} -acodec wmav2 -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"flv", "flv", false, 512, kNone, kAr128, kSr44, false, 0, kPlainVideo},
    {"f4v", "f4v", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -f flv -vb {VRATE} -acodec libfaac -ab {ARATE} -ar {SRATE}"
     " -ac 2{SIZE}"},
    {"swf", "swf", false, 512, kNone, kAr128, kSr44, false, 0, kPlainVideo},
    {"mkv", "mkv", false, 512, kNone, kAr320, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE}  -acodec libmp3lame -ab {ARATE} -ar {SRATE}"
     "{SIZE}"},
    {"mov", "mov", false, 512, kNone, {"320k", "256k", "96k"}, kSr44, true, 0, kPlainVideo},
    {"mp4", "mp4", false, 512, kNone, kAr256Low96, kSr44, true, 0, kPlainVideo},
    {"mp4h264", "mp4", false, 512, kNone, kAr256Low96, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mpg", "mpg", false, 512, kNone, kAr256Low96, kSr44, false, 0, kPlainVideo},
    {"ntsc-vcd", "mpg", false, 0, kNone, kNone, kNone, false, 0,
     "-target ntsc-vcd -vb 1150k -ab 224k -ar 44100{SIZE}"},
    {"pal-vcd", "mpg", false, 0, kNone, kNone, kNone, false, 0,
     "-target pal-vcd -vb 1150k -ab 224k -ar 44100{SIZE}"},
    {"mpg2", "mpg", false, 512, kNone, kAr256Low96, kSr44, false, 0,
     "-vcodec mpeg2video -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"ntsc-dvd", "mpg", false, 0, kNone, kAr256Low96, kSr44, false, 0,
     "-target ntsc-dvd -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"pal-dvd", "mpg", false, 0, kNone, kAr256Low96, kSr44, false, 0,
     "-target pal-dvd -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"rm", "rm", false, 512, kNone, kAr256Low96, kSr44, false, 1000,
     "-vcodec rv20 -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"vob", "vob", false, 0, {"3800k", "3300k", "768k"}, {"320k", "192k", "96k"},
     {"48000", "48000", "44100"}, false, 0, "-target dvd -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webm", "webm", false, 512, kNone, kAr320, kSr44, false, 0,
     "-vcodec libvpx -vb {VRATE}  -acodec libvorbis -ab {ARATE} -ar {SRATE}{SIZE}"},
    // Newer codecs: smaller automatic bitrates for the same picture.
    {"mp4hevc", "mp4", false, 320, kNone, kAr256Low96, kSr48, false, 0,
     "-vcodec libx265 -vpre {SPEED} -vb {VRATE} -acodec aac -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webmvp9", "webm", false, 320, kNone, kAr128, kSr48, false, 0,
     "-vcodec libvpx-vp9 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mkvav1", "mkv", false, 256, kNone, kAr128, kSr48, false, 0,
     "-vcodec libaom-av1 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webmav1", "webm", false, 256, kNone, kAr128, kSr48, false, 0,
     "-vcodec libaom-av1 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mkvh264", "mkv", false, 512, kNone, kAr256Low96, kSr48, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE} -acodec aac -ab {ARATE} -ar {SRATE}{SIZE}"},
    // Audio formats.
    {"opus", "opus", true, 0, kNone, kAr128, kSr48, false, 0, "-vn -acodec libopus -ab {ARATE} -ar {SRATE}"},
    {"aac", "aac", true, 0, kNone, kAr256Low96, kSr48, false, 0, kPlainAudio},
    {"ac3", "ac3", true, 0, kNone, kAr320Low96, kSr48, false, 0, kPlainAudio},
    {"aiff", "aiff", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"flac", "flac", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"m4a", "m4a", true, 0, kNone, kAr256Low96, kSr48, false, 0, kPlainAudio},
    {"mp2", "mp2", true, 0, kNone, kAr320, kSr48, false, 0, kPlainAudio},
    {"mp3", "mp3", true, 0, kNone, kAr320, kSr48, false, 0, kPlainAudio},
    {"ogg", "ogg", true, 0, kNone, kAr320, kSr48, false, 0,
     "-vn -acodec libvorbis -ab {ARATE} -ar {SRATE}"},
    {"ra", "ra", true, 0, kNone, kAr256Low96, kSr44, false, 0, "-vn  -ab {ARATE} -ar {SRATE}"},
    {"wav", "wav", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"wma", "wma", true, 0, kNone, kAr320, kSr48, false, 0,
     "-vn  -acodec wmav2 -ab {ARATE} -ar {SRATE}"},
};

const FormatEntry* FindFormat(const QString& key) {
  for (const FormatEntry& entry : kFormats) {
    if (key == QLatin1String(entry.key)) return &entry;
  }
  return nullptr;
}

QString Pick(const Triple& values, int quality) {
  if (quality < 0 || quality > 2 || values[quality] == nullptr) return {};
  return QString::fromLatin1(values[quality]);
}

bool IsAuto(const QString& value) { return value.trimmed().compare("Auto", Qt::CaseInsensitive) == 0; }

// Rounds to the nearest integer, halves to even (the current rounding mode's default).
qint64 RoundEven(double value) { return static_cast<qint64>(std::nearbyint(value)); }

// A positive integer typed into a size box, or 0 when it is not one.
int PositiveInt(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok && value > 0 ? value : 0;
}

bool CropHasMargins(const GridValues& grid) {
  return grid.cropTop > 0 || grid.cropBottom > 0 || grid.cropLeft > 0 || grid.cropRight > 0;
}

// The row's picture size can be used: read from the row and neither side 0.
bool HasPictureSize(const RowFacts& facts) {
  return facts.hasVideo && facts.sizeFound && facts.sourceWidth > 0 && facts.sourceHeight > 0;
}

// Cropping is on, has a margin, and there is a picture size to measure it from.
bool CropApplies(const GridValues& grid, const RowFacts& facts) {
  return grid.crop && CropHasMargins(grid) && HasPictureSize(facts);
}

// Both size boxes hold a usable number (a chosen size is then applied).
bool HasChosenSize(const OutputSettings& settings) {
  return settings.sizeIndex > 0 && PositiveInt(settings.width) > 0 && PositiveInt(settings.height) > 0;
}

// A bitrate text whose leading number exceeds `capKbits` becomes "<cap>k". Leading
// numbers too long to read are above any cap.
QString CapBitrate(const QString& rate, int capKbits) {
  qsizetype digits = 0;
  while (digits < rate.size() && rate.at(digits) >= '0' && rate.at(digits) <= '9') ++digits;
  if (digits == 0) return rate;
  bool ok = false;
  const qint64 leading = rate.left(digits).toLongLong(&ok);
  if (!ok || leading > capKbits) return QString::number(capKbits) + "k";
  return rate;
}

QString FillPattern(const char* pattern, const QString& vrate, const QString& arate,
                    const QString& srate, const QString& preset, const QString& size) {
  const QString text = QString::fromLatin1(pattern);
  QString out;
  qsizetype pos = 0;
  while (pos < text.size()) {
    const qsizetype open = text.indexOf('{', pos);
    if (open < 0) break;
    const qsizetype close = text.indexOf('}', open);
    out += text.mid(pos, open - pos);
    const QString name = text.mid(open + 1, close - open - 1);
    if (name == "VRATE") out += vrate;
    else if (name == "ARATE") out += arate;
    else if (name == "SRATE") out += srate;
    else if (name == "PRESET") out += preset;
    else if (name == "SPEED") out += preset.mid(preset.indexOf('-') + 1);  // the bare speed word
    else if (name == "SIZE") out += size;
    pos = close + 1;
  }
  out += text.mid(pos);
  return out;
}

// The size part of a video format, and the pixel count it implies (unchanged when the
// picture size is unknown).
QString BuildSizePart(const OutputSettings& settings, const RowFacts& facts, qint64& pixelCount) {
  if (!facts.hasVideo) return " -vn ";
  QString size;
  if (HasChosenSize(settings)) {
    const int w = PositiveInt(settings.width);
    const int h = PositiveInt(settings.height);
    size = QString(" -s %1x%2").arg(w).arg(h);
    pixelCount = static_cast<qint64>(w) * h;
  } else if (!facts.sizeFound) {
    return " -vn ";
  } else {
    pixelCount = static_cast<qint64>(facts.sourceWidth) * facts.sourceHeight;
    // A source whose size reads as 0 gets no size part: the engine keeps its size.
    if (HasPictureSize(facts)) {
      size = QString(" -s %1x%2").arg(facts.sourceWidth).arg(facts.sourceHeight);
    }
  }
  // Cropping scales through the filter chain instead. Crop switched on without any
  // margin crops nothing, so the chosen size still applies.
  if (CropApplies(settings.grid, facts)) size.clear();
  return size;
}

// The blank-terminated prefix pieces that stand in front of every format part.
QString BuildPrefix(const GridValues& grid, bool defaultFrameRate) {
  QString prefix;
  if (grid.removeAudio) prefix += "-an ";
  if (!IsAuto(grid.frameRate)) prefix += "-r " + grid.frameRate.trimmed() + " ";
  else if (defaultFrameRate) prefix += "-r 29.97 ";
  if (!IsAuto(grid.aspect)) prefix += "-aspect " + grid.aspect.trimmed() + " ";
  prefix += grid.channels != 0 ? QString("-ac %1 ").arg(grid.channels) : QString("-ac 2 ");
  return prefix;
}

// The engine's own choices, written only when they differ from its defaults so the
// strings of everything else stay as they were.
QString BuildChoices(const GridValues& grid, bool audioOnly) {
  QString choices;
  if (!grid.keepFileDate) choices += " -filedate now";
  if (grid.upscale == 1 && !audioOnly) choices += " -upscale never";
  if (grid.audioTracks == 1 && !grid.removeAudio) choices += " -audiotracks first";
  if (grid.subtitles == 1 && !audioOnly) choices += " -subtitles burn";
  if (grid.subtitles == 2 && !audioOnly) choices += " -subtitles none";
  return choices;
}

}  // namespace

RowFacts ReadRowFacts(const FileRow& row) {
  RowFacts facts;
  facts.hasVideo = row.videoCodec != "N/A";
  facts.hasAudio = row.audioCodec != "N/A";
  if (!facts.hasVideo) return facts;
  const qsizetype x = row.videoSize.indexOf('x', 0, Qt::CaseInsensitive);
  if (x < 0) return facts;
  facts.sizeFound = true;
  bool okW = false;
  bool okH = false;
  const int w = row.videoSize.left(x).trimmed().toInt(&okW);
  const int h = row.videoSize.mid(x + 1).trimmed().toInt(&okH);
  if (okW) facts.sourceWidth = w;
  if (okH) facts.sourceHeight = h;
  return facts;
}

QString AutoVideoBitrate(int factor, qint64 pixelCount, int videoQuality) {
  const qint64 base = RoundEven(static_cast<double>(pixelCount) / 76800.0 * factor);
  qint64 rate = 0;
  switch (videoQuality) {
    case 0: rate = RoundEven(static_cast<double>(base) * 1.5); break;
    case 1: rate = base; break;
    case 2: rate = RoundEven(static_cast<double>(base) / 1.5); break;
    default: return {};
  }
  return QString::number(rate) + "k";
}

QString BuildCropScale(const OutputSettings& settings, const RowFacts& facts) {
  const GridValues& grid = settings.grid;
  if (!CropApplies(grid, facts)) return {};
  QString chain = QString("crop=%1:%2:%3:%4")
                      .arg(facts.sourceWidth - grid.cropLeft - grid.cropRight)
                      .arg(facts.sourceHeight - grid.cropTop - grid.cropBottom)
                      .arg(grid.cropLeft)
                      .arg(grid.cropTop);
  // A chosen size with an empty or zero box falls back to the source size, as it
  // does without cropping: crop only.
  if (HasChosenSize(settings)) chain += ",scale=" + settings.width + ":" + settings.height;
  return chain;
}

QString BuildVideoFilter(const OutputSettings& settings, const RowFacts& facts) {
  const FormatEntry* format = FindFormat(settings.outputFormatKey);
  if (!facts.hasVideo || settings.audioOnly || (format && format->audio)) return {};
  QString chain = BuildCropScale(settings, facts);
  if (settings.grid.verticalFlip) chain += ",vflip";
  if (settings.grid.horizontalFlip) chain += ",hflip";
  if (settings.grid.rotate != 0) chain += ",rotate=" + QString::number(settings.grid.rotate);
  if (chain.startsWith(',')) chain.remove(0, 1);
  if (chain.isEmpty()) return {};
  return " -vf \"" + chain + "\"";
}

QString OutputPathFor(const QString& folder, const QString& sourcePath, const QString& extension) {
  QString base = FileBaseName(sourcePath);
  if (base.isEmpty()) {
    // No extension (or only a leading dot): the whole file name is the base name, so
    // such a file does not turn into a nameless hidden output.
    base = sourcePath.mid(sourcePath.lastIndexOf('/') + 1);
  }
  return folder + base + "." + extension;
}

QString OutputExtensionFor(const QString& formatKey) {
  const FormatEntry* format = FindFormat(formatKey);
  return format ? QString::fromLatin1(format->extension) : QString();
}

ConversionJob BuildConversion(const OutputSettings& settings, const FileRow& row,
                              const QString& folder, qint64* pixelCount) {
  ConversionJob job;
  const FormatEntry* format = FindFormat(settings.outputFormatKey);
  if (!format) return job;
  const GridValues& grid = settings.grid;
  const RowFacts facts = ReadRowFacts(row);
  qint64 localPixels = 0;
  qint64& pixels = pixelCount ? *pixelCount : localPixels;

  QString size;
  if (!format->audio) {
    size = BuildSizePart(settings, facts, pixels);
    if (settings.outputFormatKey == "3gp" && settings.sizeIndex == 0) {
      size = " -s 176x144";
      pixels = 176 * 144;
    }
  }

  QString vrate = IsAuto(grid.videoBitrate) ? QString() : grid.videoBitrate.trimmed();
  if (vrate.isEmpty() && !format->audio) {
    vrate = format->bitrateFactor > 0
                ? AutoVideoBitrate(format->bitrateFactor, pixels, settings.videoQuality)
                : Pick(format->fixedVideoRate, settings.videoQuality);
  }
  if (format->videoRateCap > 0) vrate = CapBitrate(vrate, format->videoRateCap);
  const QString arate =
      IsAuto(grid.audioBitrate) ? Pick(format->audioRate, settings.audioQuality) : grid.audioBitrate.trimmed();
  const QString srate =
      IsAuto(grid.sampleRate) ? Pick(format->sampleRate, settings.audioQuality) : grid.sampleRate.trimmed();
  static const Triple kPresets{"libx264-default", "libx264-veryfast", "libx264-ultrafast"};
  const QString preset = Pick(kPresets, settings.videoQuality);

  job.extension = QString::fromLatin1(format->extension);
  job.options = BuildPrefix(grid, format->defaultFrameRate) +
                FillPattern(format->pattern, vrate, arate, srate, preset, size) +
                BuildVideoFilter(settings, facts) + BuildChoices(grid, format->audio);
  job.outputPath = OutputPathFor(folder, row.path, job.extension);
  job.valid = true;
  return job;
}

bool NormaliseOutputFolder(QString& text) {
  text = text.trimmed();
  if (!text.endsWith('/')) text += '/';
  return text.size() >= 3 && FolderExists(text);
}
