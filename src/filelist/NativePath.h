#pragma once
// File names in the file system's own bytes. Linux names need not be valid UTF-8; the
// list shows them readably but hands the engine the exact bytes.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace NativePath {

QByteArray Encode(const QString& path);
QString Display(const QByteArray& nativePath);

// The bytes of the existing file that `path` names. A name that went through a lossy
// decoding (invalid UTF-8 shown with replacement characters) is matched against the
// folder's real entries; when no single entry matches, the plain encoding is returned.
QByteArray Resolve(const QString& path);

// The local file paths of a text/uri-list payload, percent-decoded to raw bytes, in
// order. Comments, blank lines and non-local URLs are skipped.
QList<QByteArray> LocalFilesFromUriList(const QByteArray& uriList);

enum class Kind { Missing, Directory, Regular, Other };
Kind KindOf(const QByteArray& nativePath);  // follows symbolic links

// Size in bytes: 0 when no regular file is there, -1 when it cannot be read.
double FileSize(const QByteArray& nativePath);
// Last modification time (local time); invalid when it cannot be read.
QDateTime Modified(const QByteArray& nativePath);

}  // namespace NativePath
