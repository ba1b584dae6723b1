// The documented batch recipes: GNU parallel over two ssh logins, one of them down, with
// the paths given relative to where the coordinator runs; the merge naming files a
// killed worker never finished; the Slurm array with a task that never ran.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "CliTestSupport.h"
#include "support/Fixtures.h"

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes, bool executable = false) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
  file.close();
  return !executable || file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// An ssh stand-in: the host "down" never answers; any other host runs the command here,
// starting in the home folder as a real login does.
const char kFakeSsh[] = R"(#!/bin/bash
while [ $# -gt 0 ]; do
  case $1 in -l|-p|-o|-i|-F) shift 2 ;; --) shift; break ;; -*) shift ;; *) break ;; esac
done
host=$1; shift
[ "${1:-}" = -- ] && shift
[ "$host" = down ] && { echo "ssh: connect to host down: Connection refused" >&2; exit 255; }
cd "$HOME" && exec bash -c "$*"
)";

QJsonObject ReadReport(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll()).object();
}

}  // namespace

TEST(ParallelRecipe, ADeadLoginLosesNoFileAndRelativePathsReachTheWorkers) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkpath("in");
  QDir(dir.path()).mkpath("out");
  QDir(dir.path()).mkpath("home");
  QStringList sources;  // as listed: relative to the coordinator's folder
  for (int i = 1; i <= 3; ++i) {
    sources << QString("in/tone %1.wav").arg(i);  // blanks must survive the remote shell
    ASSERT_TRUE(Fixtures::AudioOnly(dir.filePath(sources.last())));
  }
  sources << "in/it's.mp4";
  ASSERT_TRUE(Fixtures::VideoWithAudio(dir.filePath(sources.last())));
  sources << "in/broken.mp4";
  ASSERT_TRUE(WriteFile(dir.filePath(sources.last()), "not media"));
  ASSERT_TRUE(WriteFile(dir.filePath("list.txt"), (sources.join('\n') + '\n').toUtf8()));
  ASSERT_TRUE(WriteFile(dir.filePath("logins"), "down\nup\n"));
  ASSERT_TRUE(WriteFile(dir.filePath("ssh"), kFakeSsh, true));

  QProcess p;
  QProcessEnvironment env = EnglishEnvironment();
  env.insert("VELTRANE_CONVERT", VELTRANE_CONVERT);
  env.insert("VELTRANE_FILES_PER_JOB", "2");
  env.insert("PARALLEL_SSH", dir.filePath("ssh"));
  env.insert("HOME", dir.filePath("home"));
  env.remove("SHELL");  // as under cron or a CI runner
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(dir.path());
  p.start(VELTRANE_SOURCE_DIR "/docs/recipes/parallel-batch.sh",
          {"logins", "out", "report.json", "list.txt", "--format", "mp3"});
  ASSERT_TRUE(p.waitForFinished(300000));
  const QString err = QString::fromUtf8(p.readAllStandardError());
  EXPECT_EQ(p.exitCode(), 1) << "one source failed" << err.toStdString();
  EXPECT_TRUE(err.contains("failed: " + dir.filePath("in/broken.mp4"))) << err.toStdString();

  const QJsonObject merged = ReadReport(dir.filePath("report.json"));
  const QJsonObject totals = merged["totals"].toObject();
  EXPECT_EQ(totals["files"].toInt(), 5);
  EXPECT_EQ(totals["converted"].toInt(), 4);
  EXPECT_EQ(totals["failed"].toInt(), 1);
  EXPECT_EQ(totals["missing"].toInt(), 0);
  EXPECT_EQ(merged["exit"].toInt(), 1);

  const QJsonArray files = merged["files"].toArray();
  ASSERT_EQ(files.size(), 5);
  for (int i = 0; i < files.size(); ++i) {
    const QJsonObject f = files[i].toObject();
    EXPECT_EQ(f["source"].toString(), dir.filePath(sources[i])) << "in the list's order";
    if (sources[i].endsWith("broken.mp4")) {
      EXPECT_EQ(f["outcome"].toString(), "failed");
      EXPECT_TRUE(f["message"].toString().startsWith("Can not open file"))
          << f["message"].toString().toStdString();
      continue;
    }
    EXPECT_EQ(f["outcome"].toString(), "converted");
    const QString output = dir.filePath("out/" + QFileInfo(sources[i]).completeBaseName() + ".mp3");
    EXPECT_EQ(f["output"].toString(), output);
    EXPECT_TRUE(QFile::exists(output));
  }
}

TEST(ParallelRecipe, FilesAKilledWorkerNeverFinishedAreMissing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString first = dir.filePath("long.mp4"), second = dir.filePath("next.mp4");
  ASSERT_TRUE(Fixtures::VideoWithAudio(first, 30.0));
  ASSERT_TRUE(Fixtures::VideoWithAudio(second, 30.0));
  ASSERT_TRUE(QDir(dir.path()).mkpath("out"));
  QProcess worker;
  worker.start(VELTRANE_CONVERT,
               {"--json", "-j", "1", "--size", "640x480", first, second, "-o", dir.filePath("out")});
  ASSERT_TRUE(worker.waitForStarted());
  QByteArray events;
  QElapsedTimer clock;
  clock.start();
  while (!events.contains("\"progress\"") && clock.elapsed() < 60000 && worker.state() == QProcess::Running) {
    worker.waitForReadyRead(200);
    events += worker.readAllStandardOutput();
  }
  ASSERT_TRUE(events.contains("\"progress\"")) << events.toStdString();
  ::kill(static_cast<pid_t>(worker.processId()), SIGKILL);
  worker.waitForFinished();
  events += worker.readAllStandardOutput();
  ASSERT_TRUE(WriteFile(dir.filePath("events"), events));
  ASSERT_TRUE(WriteFile(dir.filePath("expected"), (first + "\n" + second + "\n").toUtf8()));

  QProcess merge;
  merge.setStandardOutputFile(dir.filePath("report.json"));
  merge.start("python3", {VELTRANE_SOURCE_DIR "/scripts/veltrane-merge-reports.py", "--expected",
                          dir.filePath("expected"), dir.filePath("events")});
  ASSERT_TRUE(merge.waitForFinished(60000));
  EXPECT_EQ(merge.exitCode(), 1);
  EXPECT_TRUE(merge.readAllStandardError().contains(("missing: " + first).toUtf8()));
  const QJsonObject report = ReadReport(dir.filePath("report.json"));
  EXPECT_EQ(report["exit"].toInt(), 1);
  EXPECT_EQ(report["totals"].toObject()["missing"].toInt(), 2);
  EXPECT_EQ(report["missing"].toArray().size(), 2);
  EXPECT_EQ(report["missing"].toArray()[0].toString(), first);
}

// An sbatch stand-in: runs the array's tasks here one after another, except task 1,
// whose node "died" before it wrote anything.
const char kFakeSbatch[] = R"(#!/bin/bash
array="" output=""
while [ $# -gt 0 ]; do
  case $1 in
    --array=*) array=${1#--array=}; shift ;;
    --output=*) output=${1#--output=}; shift ;;
    --*) shift ;;
    *) break ;;
  esac
done
script=$1; shift
last=${array#0-}
for i in $(seq 0 "$last"); do
  [ "$i" = 1 ] && continue
  SLURM_ARRAY_TASK_ID=$i SLURM_ARRAY_TASK_COUNT=$((last + 1)) bash "$script" "$@" > "${output//%a/$i}" 2>&1
done
)";

TEST(SlurmRecipe, ATaskThatNeverRanLeavesItsFilesMissing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* folder : {"in", "out", "bin"})
    QDir(dir.path()).mkpath(folder);
  QStringList sources;
  for (int i = 1; i <= 4; ++i) {
    sources << QString("in/tone %1.wav").arg(i);
    ASSERT_TRUE(Fixtures::AudioOnly(dir.filePath(sources.last())));
  }
  ASSERT_TRUE(WriteFile(dir.filePath("list.txt"), (sources.join('\n') + '\n').toUtf8()));
  ASSERT_TRUE(WriteFile(dir.filePath("bin/sbatch"), kFakeSbatch, true));

  QProcess p;
  QProcessEnvironment env = EnglishEnvironment();
  env.insert("VELTRANE_CONVERT", VELTRANE_CONVERT);
  env.insert("PATH", dir.filePath("bin") + ":" + env.value("PATH"));
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(dir.path());
  p.start(VELTRANE_SOURCE_DIR "/docs/recipes/slurm-batch.sh",
          {"list.txt", "out", "report.json", "3", "--format", "mp3"});
  ASSERT_TRUE(p.waitForFinished(300000));
  EXPECT_EQ(p.exitCode(), 1) << p.readAllStandardError().toStdString();

  // Task 1 of 3 had the list's second line only.
  const QJsonObject report = ReadReport(dir.filePath("report.json"));
  EXPECT_EQ(report["exit"].toInt(), 1);
  EXPECT_EQ(report["missing"].toArray(), QJsonArray{dir.filePath(sources[1])});
  EXPECT_EQ(report["totals"].toObject()["converted"].toInt(), 3);
  EXPECT_TRUE(QFile::exists(dir.filePath("out/tone 4.mp3")));
}
