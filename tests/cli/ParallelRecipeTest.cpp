// The documented GNU parallel recipe, run on this machine (":" as the only login): the
// batch is split into jobs, each job's --json lines are merged into one report.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include "CliTestSupport.h"
#include "support/Fixtures.h"

TEST(ParallelRecipe, SplitsTheBatchAndMergesOneReport) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString in = dir.path() + "/in/";
  const QString out = dir.path() + "/out/";
  QDir().mkpath(in);
  QDir().mkpath(out);
  QStringList sources;
  for (int i = 1; i <= 3; ++i) {
    sources << in + QString("tone %1.wav").arg(i);  // blanks must survive the remote shell
    ASSERT_TRUE(Fixtures::AudioOnly(sources.last()));
  }
  sources << in + "clip.mp4";
  ASSERT_TRUE(Fixtures::VideoWithAudio(sources.last()));
  sources << in + "broken.mp4";
  QFile broken(sources.last());
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not media");
  broken.close();

  QFile list(dir.path() + "/list.txt");
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write((sources.join('\n') + '\n').toUtf8());
  list.close();
  QFile logins(dir.path() + "/logins");
  ASSERT_TRUE(logins.open(QIODevice::WriteOnly));
  logins.write(":\n");
  logins.close();

  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("VELTRANE_CONVERT", VELTRANE_CONVERT);
  env.insert("VELTRANE_FILES_PER_JOB", "2");
  env.insert("HOME", dir.path());  // parallel keeps its notes under the home folder
  p.setProcessEnvironment(env);
  const QString report = dir.path() + "/report.json";
  p.start(VELTRANE_SOURCE_DIR "/docs/recipes/parallel-batch.sh",
          {logins.fileName(), out, report, list.fileName(), "--format", "mp3"});
  ASSERT_TRUE(p.waitForFinished(300000));
  EXPECT_EQ(p.exitCode(), 1) << "one source failed" << p.readAllStandardError().toStdString();

  QFile file(report);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QJsonObject merged = QJsonDocument::fromJson(file.readAll()).object();
  EXPECT_EQ(merged["runs"].toInt(), 3);  // five files, two per job
  const QJsonObject totals = merged["totals"].toObject();
  EXPECT_EQ(totals["files"].toInt(), 5);
  EXPECT_EQ(totals["converted"].toInt(), 4);
  EXPECT_EQ(totals["failed"].toInt(), 1);
  EXPECT_EQ(merged["exit"].toInt(), 1);

  const QJsonArray files = merged["files"].toArray();
  ASSERT_EQ(files.size(), 5);
  for (const QJsonValue& v : files) {
    const QJsonObject f = v.toObject();
    const QString source = f["source"].toString();
    ASSERT_TRUE(sources.contains(source)) << source.toStdString();
    if (source.endsWith("broken.mp4")) {
      EXPECT_EQ(f["outcome"].toString(), "failed");
      continue;
    }
    EXPECT_EQ(f["outcome"].toString(), "converted");
    const QString output = out + QFileInfo(source).completeBaseName() + ".mp3";
    EXPECT_EQ(f["output"].toString(), output);
    EXPECT_TRUE(QFile::exists(output));
  }
}
