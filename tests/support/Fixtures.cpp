#include "support/Fixtures.h"

#include <QProcess>

namespace Fixtures {

int Run(const QString& program, const QStringList& args, QString* output, int timeoutMs) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  if (!p.waitForStarted()) return -1;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished();
    return -1;
  }
  if (output) *output = QString::fromLocal8Bit(p.readAll());
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool Make(const QString& output, const QStringList& args) {
  QStringList all{"-y", "-nostdin", "-loglevel", "error"};
  all << args << output;
  return Run("ffmpeg", all) == 0;
}

static QStringList Tone(double seconds) {
  return {"-f", "lavfi", "-i",
          QString("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds)};
}
static QStringList Picture(double seconds) {
  return {"-f", "lavfi", "-i", QString("testsrc=size=320x240:rate=25:duration=%1").arg(seconds)};
}

bool VideoWithAudio(const QString& output, double seconds) {
  return Make(output, Picture(seconds) + Tone(seconds) + QStringList{"-ac", "2", "-shortest"});
}
bool VideoOnly(const QString& output, double seconds) { return Make(output, Picture(seconds)); }
bool AudioOnly(const QString& output, double seconds) {
  return Make(output, Tone(seconds) + QStringList{"-ac", "2"});
}

QString Probe(const QString& file, const QString& streamSelector, const QString& entry) {
  QStringList args{"-v", "error"};
  if (!streamSelector.isEmpty()) args << "-select_streams" << streamSelector;
  args << "-show_entries" << entry << "-of" << "default=noprint_wrappers=1:nokey=1" << file;
  QString out;
  if (Run("ffprobe", args, &out) != 0) return {};
  return out.split('\n', Qt::SkipEmptyParts).value(0).trimmed();
}

double ProbeDuration(const QString& file) {
  return Probe(file, "", "format=duration").toDouble();
}

}  // namespace Fixtures
