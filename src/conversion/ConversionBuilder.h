#pragma once
// Turns the output settings and one file-list row into the option string, the output
// path and the extension that the encoder receives for that file. Plain C++, no windows.
#include <QString>
#include <QtGlobal>

#include "filelist/FileRow.h"
#include "output/OutputSettings.h"

// What a list row tells about its source picture.
struct RowFacts {
  bool hasVideo = false;
  bool hasAudio = false;
  int sourceWidth = 0;  // the picture as shown upright; 0 when unknown
  int sourceHeight = 0;
};

struct ConversionJob {
  bool valid = false;  // false only for an output format key the builder does not know
  QString options;     // option string for FFEncoder::SetOutput
  QString outputPath;  // folder + base name + "." + extension
  QString extension;   // without the dot
};

// The video/audio presence and the upright picture size of a row's source.
RowFacts ReadRowFacts(const FileRow& row);

// "<n>k" from the picture's pixel count, the per-format factor and the video quality
// (0 High, 1 Normal, 2 Low); "" for any other quality.
QString AutoVideoBitrate(int factor, qint64 pixelCount, int videoQuality);

// "crop=W:H:X:Y" (plus ",scale=w:h" for a chosen size with both boxes filled) or ""
// when nothing is cropped or the row has no usable picture size to crop from.
QString BuildCropScale(const OutputSettings& settings, const RowFacts& facts);

// " -vf \"chain\"" with crop/scale, flips and rotation, or "" when there is no filter.
QString BuildVideoFilter(const OutputSettings& settings, const RowFacts& facts);

// The output file name for a source: folder + base name + "." + extension. A source
// name without an extension keeps its whole name as the base name.
QString OutputPathFor(const QString& folder, const QString& sourcePath, const QString& extension);

// Builds the whole job for one row. `folder` is the validated output folder ending in
// "/". `pixelCount` carries the picture size used for the automatic bitrate from row
// to row: rows without a readable picture size reuse the previous row's value.
ConversionJob BuildConversion(const OutputSettings& settings, const FileRow& row, const QString& folder,
                              qint64* pixelCount = nullptr);

// Trims the folder text and gives it a trailing "/". Returns true when the result
// names an existing folder and is at least 3 characters long.
bool NormaliseOutputFolder(QString& text);
