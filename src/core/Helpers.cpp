#include "core/Helpers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <cmath>

#include "core/FileNames.h"

namespace {
QString TwoDigits(long long v) { return QString::number(v).rightJustified(2, '0'); }
}  // namespace

QString FormatDuration(double s) {
  if (!(s > 0) || !std::isfinite(s)) return "00:00:00";
  // Rounded to whole seconds first (halves away from zero), then split, so 59.6 s
  // reads 00:01:00 and 119.6 s 00:02:00.
  const long long total = std::llround(s);
  return TwoDigits(total / 3600) + ":" + TwoDigits(total / 60 % 60) + ":" + TwoDigits(total % 60);
}

double MicrosToSeconds(int64_t micros) { return static_cast<double>(micros) / 1000000.0; }

QString ListSeparator() {
  //: Between the items of a list in a sentence, such as "2 converted, 1 failed".
  return QCoreApplication::translate("Lists", ", ");
}

QString FileExtensionUpper(const QString& path) {
  const qsizetype dot = path.lastIndexOf('.');
  const qsizetype slash = path.lastIndexOf('/');
  if (dot >= 0 && slash < dot) return path.mid(dot + 1).toUpper();
  return {};
}

QString FileBaseName(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? QString() : name.left(dot);
}

double BytesToMegabytes(double bytes) { return bytes / 1024 / 1024; }

double GetFileSize(const QString& path) {
  QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return 0;
  const qint64 size = info.size();
  return size < 0 ? -1 : static_cast<double>(size);
}

int ProcessorCount() {
  const int n = QThread::idealThreadCount();
  return n > 0 ? n : 1;
}

// A folder the process could enter: it exists and may be searched. Unlike entering it,
// this leaves the working directory alone.
bool FolderExists(const QString& path) {
  if (path.isEmpty()) return false;
  // The name's exact bytes: a folder whose name is not UTF-8 is that folder, not a look-alike.
  const QByteArray bytes = TextToName(path);
  struct stat st {};
  return stat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode) && access(bytes.constData(), X_OK) == 0;
}

QString ProgramFolder() {
  QString dir = QCoreApplication::applicationDirPath();
  if (!dir.endsWith('/')) dir += '/';
  return dir;
}

QString ResourceFolder() {
  const QString program = ProgramFolder();
  const char* const marker = "veltrane.png";
  if (QFileInfo::exists(program + marker)) return program;
  const QString installed = QDir::cleanPath(program + "../share/veltrane-video-converter") + "/";
  if (QFileInfo::exists(installed + marker)) return installed;
  return program;
}
