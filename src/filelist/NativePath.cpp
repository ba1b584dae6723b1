#include "filelist/NativePath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QUrl>
#include <cerrno>
#include <memory>

#include "core/FileNames.h"

namespace NativePath {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

constexpr int kMaxResolveDepth = 64;

// Finds the one entry of `folder` whose readable name is `name`; empty when none or
// several match.
QByteArray FindEntry(const QByteArray& folder, const QString& name) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.isEmpty() ? "." : folder.constData()));
  if (!dir) return {};
  QByteArray found;
  int matches = 0;
  while (const dirent* entry = readdir(dir.get())) {
    const QByteArray entryName(entry->d_name);
    if (QFile::decodeName(entryName) == name) {
      found = entryName;
      ++matches;
    }
  }
  return matches == 1 ? found : QByteArray();
}

bool Exists(const QByteArray& nativePath) {
  struct stat st {};
  return lstat(nativePath.constData(), &st) == 0;
}

QByteArray ResolveAt(const QString& path, int depth) {
  const QByteArray plain = Encode(path);
  if (depth > kMaxResolveDepth || !path.contains(QChar::ReplacementCharacter) || Exists(plain)) return plain;
  const qsizetype slash = path.lastIndexOf('/');
  const QString name = path.mid(slash + 1);
  QByteArray folder;
  if (slash == 0)
    folder = "/";
  else if (slash > 0)
    folder = ResolveAt(path.left(slash), depth + 1);
  const QByteArray entry = FindEntry(folder, name);
  if (entry.isEmpty()) return plain;
  if (slash < 0) return entry;
  return (folder.endsWith('/') ? folder : folder + '/') + entry;
}

}  // namespace

QByteArray Encode(const QString& path) { return TextToName(path); }
QString Display(const QByteArray& nativePath) { return NameToText(nativePath); }

QByteArray Resolve(const QString& path) { return ResolveAt(path, 0); }

QList<QByteArray> LocalFilesFromUriList(const QByteArray& uriList) {
  QList<QByteArray> files;
  for (QByteArray line : uriList.split('\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QUrl url = QUrl::fromEncoded(line);
    if (!url.isValid() || !url.isLocalFile()) continue;
    const QString host = url.host();
    if (!host.isEmpty() && host.compare("localhost", Qt::CaseInsensitive) != 0) continue;
    // The encoded path keeps escapes of bytes that are not UTF-8; decode them ourselves.
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!bytes.isEmpty()) files.append(bytes);
  }
  return files;
}

Kind KindOf(const QByteArray& nativePath) {
  struct stat st {};
  if (nativePath.isEmpty() || stat(nativePath.constData(), &st) != 0) return Kind::Missing;
  if (S_ISDIR(st.st_mode)) return Kind::Directory;
  if (S_ISREG(st.st_mode)) return Kind::Regular;
  return Kind::Other;
}

double FileSize(const QByteArray& nativePath) {
  struct stat st {};
  if (nativePath.isEmpty()) return 0;
  if (stat(nativePath.constData(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? 0 : -1;
  if (!S_ISREG(st.st_mode)) return 0;
  return static_cast<double>(st.st_size);
}

QDateTime Modified(const QByteArray& nativePath) {
  struct stat st {};
  if (nativePath.isEmpty() || stat(nativePath.constData(), &st) != 0) return {};
  return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(st.st_mtim.tv_sec));
}

}  // namespace NativePath
