#include "filelist/RowTexts.h"

#include <QCoreApplication>
#include <QLocale>

#include "core/Helpers.h"
#include "filelist/FileRow.h"

QString FormatFileSizeText(double bytes) {
  // English grouping gives "," for thousands and "." for decimals whatever the desktop
  // language, which is the column's fixed pattern.
  QString text = QLocale(QLocale::English, QLocale::UnitedStates).toString(BytesToMegabytes(bytes), 'f', 1);
  if (text == "-0.0") text = "0.0";
  return text + " MB";
}

QString FormatModifiedText(const QDateTime& time) {
  if (!time.isValid()) return {};
  return time.toString("yyyy/MM/dd HH:mm:ss");
}

QString TrackCountText(int audioTracks, int subtitleTracks) {
  return QCoreApplication::translate("RowTexts", "Audio tracks: %1, subtitle tracks: %2")
      .arg(audioTracks)
      .arg(subtitleTracks);
}

QString FormatVideoSizeText(int width, int height) {
  return QString::number(width) + " X " + QString::number(height);
}

QString OpenFailureText(const QString& path, const QString& engineError) {
  return QCoreApplication::translate("RowTexts", "Can not open file: \n%1\n\nError: \n%2")
      .arg(path, engineError);
}

QString RowColumnText(const FileRow& row, ListColumn column) {
  const QString notAvailable = QCoreApplication::translate("RowTexts", "N/A");
  const SourceSummary& s = row.source;
  switch (column) {
    case ListColumn::Path:
      return row.path;
    case ListColumn::Type:
      return FileExtensionUpper(row.path);
    case ListColumn::Duration:
      return FormatDuration(s.DurationSeconds());
    case ListColumn::VideoSize:
      return s.HasVideo() ? FormatVideoSizeText(s.uprightWidth, s.uprightHeight) : notAvailable;
    case ListColumn::FileSize:
      return FormatFileSizeText(static_cast<double>(s.fileBytes));
    case ListColumn::Modified:
      return FormatModifiedText(s.modified);
    case ListColumn::VideoCodec:
      return s.HasVideo() ? s.videoCodec : notAvailable;
    case ListColumn::AudioCodec:
      return s.HasAudio() ? s.audioCodec : notAvailable;
    case ListColumn::Count:
      break;
  }
  return {};
}

QString RowToolTip(const FileRow& row) {
  QString tip = TrackCountText(row.source.audioTracks, row.source.subtitleTracks);
  if (row.source.interlaced) tip += ListSeparator() + QCoreApplication::translate("RowTexts", "interlaced");
  return tip;
}
