#include "support/Fixtures.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <functional>

extern char** environ;

namespace Fixtures {

namespace {

// For sanitizer runs (scripts/sanitize.sh): VELTRANE_FIXTURE_RECORD=dir keeps a
// copy of every fixture made; VELTRANE_FIXTURE_DIR=dir hands those copies out
// again, so no fixture process needs to start while engine threads run.
QString FixtureStore(const char* variable) { return QString::fromLocal8Bit(qgetenv(variable)); }

QString StoredName(const QString& output, const QStringList& args) {
  QStringList key;
  for (const QString& arg : args)
    key << (QFileInfo(arg).isAbsolute() ? QFileInfo(arg).fileName() : arg);
  const QByteArray hash = QCryptographicHash::hash(key.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex();
  return QString::fromLatin1(hash) + "." + QFileInfo(output).suffix();
}

// The same as QProcess without Qt's process machinery (its helper threads are not
// instrumented, so ThreadSanitizer would report them).
int RunPlain(const QString& program, const QStringList& args, QString* output) {
  std::vector<QByteArray> storage{QFile::encodeName(program)};
  for (const QString& a : args)
    storage.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& a : storage)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  QByteArray text;
  char buffer[4096];
  for (ssize_t n; rc == 0 && (n = read(pipe_fds[0], buffer, sizeof buffer)) != 0;)
    if (n > 0) text.append(buffer, static_cast<int>(n));
  close(pipe_fds[0]);
  if (rc != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  if (output) *output = QString::fromLocal8Bit(text);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int Run(const QString& program, const QStringList& args, QString* output, int timeoutMs) {
  if (!FixtureStore("VELTRANE_FIXTURE_DIR").isEmpty()) return RunPlain(program, args, output);
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
  const QString replay = FixtureStore("VELTRANE_FIXTURE_DIR");
  if (!replay.isEmpty()) {
    const QString stored = replay + "/" + StoredName(output, args);
    QFile::remove(output);
    if (QFile::exists(stored)) return QFile::copy(stored, output);
  }
  QStringList all{"-y", "-nostdin", "-loglevel", "error"};
  all << args << output;
  if (Run("ffmpeg", all) != 0) return false;
  const QString record = FixtureStore("VELTRANE_FIXTURE_RECORD");
  if (!record.isEmpty()) {
    QDir().mkpath(record);
    const QString stored = record + "/" + StoredName(output, args);
    QFile::remove(stored);
    QFile::copy(output, stored);
  }
  return true;
}

static QStringList Tone(double seconds) {
  return {"-f", "lavfi", "-i", QString("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds)};
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
  args << "-show_entries" << entry << "-of"
       << "default=noprint_wrappers=1:nokey=1" << file;
  QString out;
  if (Run("ffprobe", args, &out) != 0) return {};
  return out.split('\n', Qt::SkipEmptyParts).value(0).trimmed();
}

double ProbeDuration(const QString& file) { return Probe(file, "", "format=duration").toDouble(); }

const QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

QString PathIn(const QString& name) { return Folder().path() + "/" + name; }

QString Cached(const QString& name, bool (*make)(const QString&, double), double seconds) {
  const QString path = PathIn(name);
  if (QFileInfo::exists(path) || make(path, seconds)) return path;
  return QString();
}

bool Recording(const QString& output, double seconds, bool sound_only) {
  const QString length = QString::number(seconds);
  QStringList args{"-f", "lavfi", "-i", "sine=duration=" + length};
  if (!sound_only)
    args = QStringList{"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=" + length} + args +
           QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-g",
                       "25",   "-c:a",    "aac",     "-movflags", "faststart"};
  return Make(output, args);
}

namespace {
bool Rewrite(const QString& source, const QString& output, const std::function<void(QByteArray&)>& change) {
  QFile in(source), out(output);
  if (!in.open(QIODevice::ReadOnly)) return false;
  QByteArray data = in.readAll();
  change(data);
  return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(data) == data.size();
}
}  // namespace

bool Damaged(const QString& source, const QString& output) {
  return Rewrite(source, output, [](QByteArray& data) {
    for (int k = 0; k < 6; ++k) {
      const qsizetype at = static_cast<qsizetype>(data.size() * (0.45 + 0.02 * k));
      for (int i = 0; i < 300 && at + i < data.size(); ++i)
        data[at + i] = static_cast<char>((i * 37 + 11) & 255);
    }
  });
}

bool CutShort(const QString& source, const QString& output, double keep) {
  return Rewrite(source, output,
                 [keep](QByteArray& data) { data.truncate(static_cast<qsizetype>(data.size() * keep)); });
}

}  // namespace Fixtures
