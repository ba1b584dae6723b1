#include "EngineTestUtil.h"

#include <QFile>

#include "support/Fixtures.h"

namespace enginetest {

const QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

QString PathIn(const QString& name) { return Folder().path() + "/" + name; }

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString SampleVideo() {
  static const QString path = [] {
    QString p = PathIn("sample video.mp4");
    Fixtures::VideoWithAudio(p, 2.0);
    return p;
  }();
  return path;
}

QString SampleAudio() {
  static const QString path = [] {
    QString p = PathIn("sample audio.wav");
    Fixtures::AudioOnly(p, 2.0);
    return p;
  }();
  return path;
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(data);
}

}  // namespace enginetest
