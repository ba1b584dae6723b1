#pragma once
// One row of the main file list, as the conversion and the player read it.
#include <QByteArray>
#include <QString>

#include "filelist/SourceSummary.h"

struct FileRow {
  QString path;           // the source path as added (shown readably)
  QByteArray nativePath;  // the same path in the file system's exact bytes (for the engine)
  SourceSummary source;   // what probing found
};
