#include "filelist/RowTexts.h"

#include <QLocale>

#include "common/Helpers.h"

QString FormatFileSizeText(double bytes) {
  // English grouping gives "," for thousands and "." for decimals whatever the desktop
  // language, which is the column's fixed pattern.
  QString text = QLocale(QLocale::English, QLocale::UnitedStates)
                     .toString(BytesToMegabytes(bytes), 'f', 1);
  if (text == "-0.0") text = "0.0";
  return text + " MB";
}

QString FormatModifiedText(const QDateTime& time) {
  if (!time.isValid()) return {};
  return time.toString("yyyy/MM/dd HH:mm:ss");
}

QString TrackCountText(int audioTracks, int subtitleTracks) {
  return QString("Audio tracks: %1, subtitle tracks: %2").arg(audioTracks).arg(subtitleTracks);
}

QString FormatVideoSizeText(int width, int height) {
  return QString::number(width) + " X " + QString::number(height);
}

QString OpenFailureText(const QString& path, const QString& engineError) {
  return "Can not open file: \n" + path + "\n\nError: \n" + engineError;
}
