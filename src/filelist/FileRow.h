#pragma once
// One row of the main file list, as the conversion and the player read it.
#include <QByteArray>
#include <QString>

struct FileRow {
  QString path;          // row text: the source path as added (shown readably)
  QByteArray nativePath; // the same path in the file system's exact bytes (for the engine)
  QString type;          // "Type"
  QString duration;      // "Duration"
  QString videoSize;     // "Video Size": "640 X 480" or "N/A"
  QString fileSize;      // "File Size"
  QString modified;      // "Modified"
  QString videoCodec;    // "Video Codec" or "N/A"
  QString audioCodec;    // "Audio Codec" or "N/A"
  double durationSeconds = 0;  // hidden tag
  QString tracks;        // tooltip: how many audio and subtitle tracks the file holds
};
