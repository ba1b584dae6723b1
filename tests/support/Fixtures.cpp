#include "support/Fixtures.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

extern char** environ;

namespace Fixtures {

namespace {

// For sanitizer runs (scripts/sanitize.sh): VELTRANE_FIXTURE_RECORD=dir keeps a
// copy of every fixture made; VELTRANE_FIXTURE_DIR=dir hands those copies out
// again, so no fixture process needs to start while engine threads run.
QString FixtureStore(const char* variable) { return QString::fromLocal8Bit(qgetenv(variable)); }

QString StoredName(const QString& output, const QStringList& args) {
  QStringList key;
  for (const QString& arg : args) key << (QFileInfo(arg).isAbsolute() ? QFileInfo(arg).fileName() : arg);
  const QByteArray hash = QCryptographicHash::hash(key.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex();
  return QString::fromLatin1(hash) + "." + QFileInfo(output).suffix();
}

// The same as QProcess without Qt's process machinery (its helper threads are not
// instrumented, so ThreadSanitizer would report them).
int RunPlain(const QString& program, const QStringList& args, QString* output) {
  std::vector<QByteArray> storage{QFile::encodeName(program)};
  for (const QString& a : args) storage.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& a : storage) argv.push_back(a.data());
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
