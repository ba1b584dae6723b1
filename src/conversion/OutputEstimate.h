#pragma once
// The estimated size of one row's output, as the progress window and the command
// line's dry run show it. Plain logic on Qt Core; the arithmetic is the engine's.
#include <QString>
#include <QtGlobal>

#include "conversion/ConversionBuilder.h"
#include "filelist/FileRow.h"

// Bytes the job's output will take (see FFEncoder::EstimateOutputBytes for the
// negative answers). `measuredBytesPerSecond` > 0: the rate a preview of the same
// settings reached.
qint64 EstimateRowBytes(const ConversionJob& job, const FileRow& row, double measuredBytesPerSecond = 0);

// "about 4.2 MB", "about 350 KB", "depends on the content", or "" when unknown.
QString EstimateText(qint64 bytes);

// Seconds the job's output will last (after its start and duration); 0 when unknown.
double OutputSeconds(const ConversionJob& job, const FileRow& row);
