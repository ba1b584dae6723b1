#include "conversion/OutputEstimate.h"

#include <QCoreApplication>
#include <cmath>

#include "core/Helpers.h"
#include "engine/FFEncoder.h"

qint64 EstimateRowBytes(const ConversionJob& job, const FileRow& row, double measuredBytesPerSecond) {
  if (!job.valid) return FFEncoder::kSizeUnknown;
  const RowFacts facts = ReadRowFacts(row);
  return FFEncoder::EstimateOutputBytes(job.options.toStdString(), row.source.durationUs, facts.hasVideo,
                                        facts.hasAudio, measuredBytesPerSecond);
}

QString EstimateText(qint64 bytes) {
  if (bytes == FFEncoder::kSizeDependsOnContent)
    return QCoreApplication::translate("OutputEstimate", "depends on the content");
  if (bytes < 0) return {};
  // Megabytes as the file list counts them.
  const double megabytes = BytesToMegabytes(static_cast<double>(bytes));
  if (megabytes < 1)
    return QCoreApplication::translate("OutputEstimate", "about %1 KB")
        .arg(qMax(1.0, std::round(megabytes * 1024)));
  return QCoreApplication::translate("OutputEstimate", "about %1 MB").arg(megabytes, 0, 'f', 1);
}

double OutputSeconds(const ConversionJob& job, const FileRow& row) {
  if (!job.valid) return row.source.DurationSeconds();
  return static_cast<double>(FFEncoder::OutputLength(job.options.toStdString(), row.source.durationUs)) / 1e6;
}
