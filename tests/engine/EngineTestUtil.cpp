#include "EngineTestUtil.h"

#include <QDir>
#include <QFile>

#include "support/Fixtures.h"

namespace enginetest {

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString SampleVideo() { return Fixtures::Cached("sample video.mp4", &Fixtures::VideoWithAudio, 2.0); }
QString SampleAudio() { return Fixtures::Cached("sample audio.wav", &Fixtures::AudioOnly, 2.0); }

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(data);
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString FreshFolder(const QString& name) {
  QDir(PathIn(name)).removeRecursively();
  QDir().mkpath(PathIn(name));
  return PathIn(name) + "/";
}

}  // namespace enginetest

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace enginetest {

static double ParseRate(const QString& text) {
  const QStringList parts = text.split('/');
  if (parts.size() != 2 || parts[1].toDouble() == 0) return text.toDouble();
  return parts[0].toDouble() / parts[1].toDouble();
}

Probed ProbeFile(const QString& path) {
  Probed p;
  QString out;
  const int rc =
      Fixtures::Run("ffprobe", {"-v", "error", "-show_format", "-show_streams", "-of", "json", path}, &out);
  if (rc != 0) return p;
  const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
  const QJsonObject format = root["format"].toObject();
  p.format = format["format_name"].toString();
  p.duration = format["duration"].toString().toDouble();
  for (const QJsonValue& v : root["streams"].toArray()) {
    const QJsonObject s = v.toObject();
    if (s["codec_type"] == "video" && p.video_codec.isEmpty()) {
      p.video_codec = s["codec_name"].toString();
      p.width = s["width"].toInt();
      p.height = s["height"].toInt();
      p.frame_rate = ParseRate(s["r_frame_rate"].toString());
      p.dar = s["display_aspect_ratio"].toString();
    } else if (s["codec_type"] == "audio" && p.audio_codec.isEmpty()) {
      p.audio_codec = s["codec_name"].toString();
      p.sample_rate = s["sample_rate"].toString().toInt();
      p.channels = s["channels"].toInt();
    }
  }
  p.ok = !p.format.isEmpty();
  return p;
}

unsigned CornerColour(const QString& path, int x, int y, int w, int h) {
  const QString filter =
      QString("crop=%1:%2:%3:%4,scale=1:1:flags=area,format=rgb24").arg(w).arg(h).arg(x).arg(y);
  // Through Fixtures::Run (a file, not a pipe) so sanitizer runs can spawn it plainly.
  const QString pixel = PathIn("corner colour.rgb");
  if (Fixtures::Run("ffmpeg", {"-y", "-v", "error", "-i", path, "-frames:v", "1", "-vf", filter, "-f",
                               "rawvideo", pixel}) != 0)
    return 0xFFFFFFFF;
  QFile f(pixel);
  const QByteArray rgb = f.open(QIODevice::ReadOnly) ? f.read(3) : QByteArray();
  if (rgb.size() < 3) return 0xFFFFFFFF;
  return (static_cast<unsigned char>(rgb[0]) << 16) | (static_cast<unsigned char>(rgb[1]) << 8) |
         static_cast<unsigned char>(rgb[2]);
}

}  // namespace enginetest
