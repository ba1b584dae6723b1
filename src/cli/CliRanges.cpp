#include "cli/CliRanges.h"

#include <algorithm>

#include "cli/CliText.h"
#include "output/FormatTable.h"
#include "output/GridItems.h"

namespace {

constexpr double kMaxBitrate = 1e9;  // bits per second
constexpr double kMinFrameRate = 0.01, kMaxFrameRate = 1000;
constexpr long kMinSampleRate = 1000, kMaxSampleRate = 384000;
constexpr long kMaxAspectTerm = 100000;
constexpr double kMinAspect = 0.01, kMaxAspect = 100;

// Bits per second of a bitrate text that passed the grid's test ("1500k", "800").
double BitsPerSecond(const QString& text) {
  const bool kilo = text.endsWith('k', Qt::CaseInsensitive);
  const double value = (kilo ? text.chopped(1) : text).toDouble();
  return kilo ? value * 1000 : value;
}

}  // namespace

std::string RangeProblem(const char* option, const QString& text) {
  const std::string name = option;
  if (name == "--vb" || name == "--ab") {
    const double bits = BitsPerSecond(text);
    if (!(bits >= 1 && bits <= kMaxBitrate))
      return CliText::tr("a bitrate from 1 to 1000000k bits per second").toStdString();
  } else if (name == "--fps") {
    const double fps = text.toDouble();
    if (!(fps >= kMinFrameRate && fps <= kMaxFrameRate))
      return CliText::tr("a frame rate from 0.01 to 1000").toStdString();
  } else if (name == "--rate") {
    const long hz = text.size() <= 9 ? text.toLong() : -1;
    if (hz < kMinSampleRate || hz > kMaxSampleRate)
      return CliText::tr("a sample rate from 1000 to 384000 Hz").toStdString();
  } else if (name == "--aspect") {
    const long a = text.section(':', 0, 0).size() <= 9 ? text.section(':', 0, 0).toLong() : -1;
    const long b = text.section(':', 1).size() <= 9 ? text.section(':', 1).toLong() : -1;
    const double ratio = b > 0 ? static_cast<double>(a) / b : 0;
    if (a < 1 || b < 1 || a > kMaxAspectTerm || b > kMaxAspectTerm || ratio < kMinAspect ||
        ratio > kMaxAspect)
      return CliText::tr("an aspect A:B with A and B from 1 to 100000 and A/B from 0.01 to 100")
          .toStdString();
  }
  return {};
}

std::string QualityProblem(const QString& formatKey, const std::string& text) {
  const QualityScale* scale = QualityScaleFor(formatKey);
  if (!scale)
    return CliFormat(CliText::tr("--crf: \"%1\" is not for the format %2, whose encoder has no constant "
                                 "quality mode (H.264, HEVC, VP9 and AV1 formats have one)"),
                     {text, formatKey.toStdString()});
  const bool digits = !text.empty() && text.size() <= 9 &&
                      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const int value = digits ? std::stoi(text) : -1;
  if (value >= scale->best && value <= scale->worst) return {};
  return CliFormat(CliText::tr("--crf: \"%1\" is not a quality from %2 (best) to %3 for %4"),
                   {text, std::to_string(scale->best), std::to_string(scale->worst), scale->encoder});
}
