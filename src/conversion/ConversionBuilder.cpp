#include "conversion/ConversionBuilder.h"

#include <algorithm>

#include <cmath>
#include <limits>

#include "core/Helpers.h"
#include "output/FormatTable.h"
#include "output/GridItems.h"

namespace {

// The row of a key as the settings hold it; exact match.
const FormatRow* RowOf(const QString& key) { return FindFormat(key.toStdString()); }

QString Pick(const QualityValues& values, int quality) {
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

// The row's picture size can be used: neither side 0.
bool HasPictureSize(const RowFacts& facts) {
  return facts.hasVideo && facts.sourceWidth > 0 && facts.sourceHeight > 0;
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
  while (digits < rate.size() && rate.at(digits) >= '0' && rate.at(digits) <= '9')
    ++digits;
  if (digits == 0) return rate;
  bool ok = false;
  const qint64 leading = rate.left(digits).toLongLong(&ok);
  if (!ok || leading > capKbits) return QString::number(capKbits) + "k";
  return rate;
}

QString FillPattern(const char* pattern, const QString& vrate, const QString& arate, const QString& srate,
                    const QString& preset, const QString& size) {
  const QString text = QString::fromLatin1(pattern);
  QString out;
  qsizetype pos = 0;
  while (pos < text.size()) {
    const qsizetype open = text.indexOf('{', pos);
    if (open < 0) break;
    const qsizetype close = text.indexOf('}', open);
    out += text.mid(pos, open - pos);
    const QString name = text.mid(open + 1, close - open - 1);
    if (name == "VRATE")
      out += vrate;
    else if (name == "ARATE")
      out += arate;
    else if (name == "SRATE")
      out += srate;
    else if (name == "PRESET")
      out += preset;
    else if (name == "SPEED")
      out += preset.mid(preset.indexOf('-') + 1);  // the bare speed word
    else if (name == "SIZE")
      out += size;
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
  if (!IsAuto(grid.frameRate))
    prefix += "-r " + grid.frameRate.trimmed() + " ";
  else if (defaultFrameRate)
    prefix += "-r 29.97 ";
  if (!IsAuto(grid.aspect)) prefix += "-aspect " + grid.aspect.trimmed() + " ";
  prefix += grid.channels != 0 ? QString("-ac %1 ").arg(grid.channels) : QString("-ac 2 ");
  return prefix;
}

// The engine's own choices, written only when they differ from its defaults so the
// strings of everything else stay as they were.
QString BuildChoices(const GridValues& grid, const FormatRow& format) {
  const bool audioOnly = format.audioOnly;
  QString choices;
  if (!grid.keepFileDate) choices += " -filedate now";
  if (grid.upscale == 1 && !audioOnly) choices += " -upscale never";
  if (grid.audioTracks == 1 && !grid.removeAudio) choices += " -audiotracks first";
  if (grid.subtitles == 1 && !audioOnly) choices += " -subtitles burn";
  if (grid.subtitles == 2 && !audioOnly) choices += " -subtitles none";
  // Constant quality only where the format's encoder has a quality scale.
  if (grid.qualityMode == 1 && QualityScaleOf(format))
    choices += QString(" -crf %1").arg(grid.constantQuality);
  static const char* const kDeinterlace[] = {"", " -deinterlace auto", " -deinterlace always"};
  if (grid.deinterlace > 0 && grid.deinterlace < 3 && !audioOnly) choices += kDeinterlace[grid.deinterlace];
  if (IsStartTimeText(grid.startTime) && !grid.startTime.isEmpty()) choices += " -ss " + grid.startTime;
  if (IsDurationText(grid.duration) && !grid.duration.isEmpty()) choices += " -t " + grid.duration;
  return choices;
}

}  // namespace

RowFacts ReadRowFacts(const FileRow& row) {
  RowFacts facts;
  facts.hasVideo = row.source.HasVideo();
  facts.hasAudio = row.source.HasAudio();
  if (!facts.hasVideo) return facts;
  facts.sourceWidth = row.source.uprightWidth;
  facts.sourceHeight = row.source.uprightHeight;
  return facts;
}

QString AutoVideoBitrate(int factor, qint64 pixelCount, int videoQuality) {
  const qint64 base = RoundEven(static_cast<double>(pixelCount) / 76800.0 * factor);
  qint64 rate = 0;
  switch (videoQuality) {
    case 0:
      rate = RoundEven(static_cast<double>(base) * 1.5);
      break;
    case 1:
      rate = base;
      break;
    case 2:
      rate = RoundEven(static_cast<double>(base) / 1.5);
      break;
    default:
      return {};
  }
  // The engine takes at most 1e9 bit/s; a computed value never goes past it.
  constexpr qint64 kMaxAutoKbits = 1000000;
  return QString::number(std::min(rate, kMaxAutoKbits)) + "k";
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
  const FormatRow* format = RowOf(settings.outputFormatKey);
  if (!facts.hasVideo || settings.audioOnly || (format && format->audioOnly)) return {};
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

ConversionJob BuildConversion(const OutputSettings& settings, const FileRow& row, const QString& folder,
                              qint64* pixelCount) {
  ConversionJob job;
  const FormatRow* format = RowOf(settings.outputFormatKey);
  if (!format) return job;
  const GridValues& grid = settings.grid;
  const RowFacts facts = ReadRowFacts(row);
  qint64 localPixels = 0;
  qint64& pixels = pixelCount ? *pixelCount : localPixels;

  QString size;
  if (!format->audioOnly) {
    size = BuildSizePart(settings, facts, pixels);
    // A format with a size of its own uses it while the size is "Auto", with or without a picture.
    if (format->autoWidth > 0 && settings.sizeIndex == 0) {
      size = QString(" -s %1x%2").arg(format->autoWidth).arg(format->autoHeight);
      pixels = static_cast<qint64>(format->autoWidth) * format->autoHeight;
    }
  }

  QString vrate = IsAuto(grid.videoBitrate) ? QString() : grid.videoBitrate.trimmed();
  if (vrate.isEmpty() && !format->audioOnly) {
    vrate = format->bitrateFactor > 0 ? AutoVideoBitrate(format->bitrateFactor, pixels, settings.videoQuality)
                                      : Pick(format->fixedVideoRate, settings.videoQuality);
  }
  if (format->videoRateCap > 0) vrate = CapBitrate(vrate, format->videoRateCap);
  const QString arate = IsAuto(grid.audioBitrate) ? Pick(format->audioRate, settings.audioQuality)
                                                  : grid.audioBitrate.trimmed();
  const QString srate =
      IsAuto(grid.sampleRate) ? Pick(format->sampleRate, settings.audioQuality) : grid.sampleRate.trimmed();
  static const QualityValues kPresets{"libx264-default", "libx264-veryfast", "libx264-ultrafast"};
  const QString preset = Pick(kPresets, settings.videoQuality);

  job.extension = QString::fromLatin1(format->extension);
  job.options = BuildPrefix(grid, format->defaultFrameRate) +
                FillPattern(format->pattern, vrate, arate, srate, preset, size) +
                BuildVideoFilter(settings, facts) + BuildChoices(grid, *format);
  job.outputPath = OutputPathFor(folder, row.path, job.extension);
  job.valid = true;
  return job;
}

bool NormaliseOutputFolder(QString& text) {
  text = text.trimmed();
  if (!text.endsWith('/')) text += '/';
  return text.size() >= 3 && FolderExists(text);
}
