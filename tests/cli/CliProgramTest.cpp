// veltrane-convert as a user runs it: real files converted, the --json event stream,
// plain output, exit codes, and Ctrl-C in the middle of a run.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "CliTestSupport.h"
#include "support/Fixtures.h"

namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("in");
    QDir(dir.path()).mkpath("out");
    in = dir.path() + "/in/";
    out = dir.path() + "/out/";
  }
  QStringList OutputFiles() const {
    return QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

  QTemporaryDir dir;
  QString in;
  QString out;
};

}  // namespace

TEST_F(ProgramTest, JsonEventsFollowEveryTaskFromQueueToSummary) {
  ASSERT_TRUE(Fixtures::VideoWithAudio(in + "one.mp4"));
  ASSERT_TRUE(Fixtures::VideoWithAudio(in + "two.mkv"));
  ASSERT_TRUE(Fixtures::AudioOnly(in + "three.wav"));
  QFile broken(in + "broken.mp4");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("this is not a media file");
  broken.close();

  const ProgramResult r = RunConvert({"--json", "-j", "2", "--profile", "mp3", in + "one.mp4",
                                      in + "broken.mp4", in + "two.mkv", in + "three.wav",
                                      "-o", out});
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  const std::vector<QJsonObject> events = JsonLines(r.out);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(SchemaProblems(r.out), "");
  EXPECT_TRUE(r.err.contains("failed: " + in + "broken.mp4: Can not open file")) << r.err.toStdString();

  std::map<int, QStringList> seen;
  std::map<int, double> lastPercent;  // index -> its events in order
  bool anyStarted = false;
  for (size_t i = 0; i + 1 < events.size(); ++i) {
    const QJsonObject& e = events[i];
    const QString kind = e["event"].toString();
    const int index = e["index"].toInt(-1);
    ASSERT_GE(index, 0) << kind.toStdString();
    if (kind == "queued") {
      EXPECT_FALSE(anyStarted) << "every task is queued before the first one runs";
      EXPECT_EQ(e["options"].toString(), "-ac 2 -vn -ab 128k -ar 44100");
    }
    if (kind == "progress") {
      anyStarted = true;
      lastPercent[index] = e["percent"].toDouble();
      EXPECT_GE(e["percent"].toDouble(), 0);
      EXPECT_LE(e["percent"].toDouble(), 100);
    }
    seen[index] << kind;
  }
  const QJsonObject summary = events.back();
  EXPECT_EQ(summary["event"].toString(), "summary");
  EXPECT_EQ(summary["total"].toInt(), 4);
  EXPECT_EQ(summary["converted"].toInt(), 3);
  EXPECT_EQ(summary["failed"].toInt(), 1);
  EXPECT_EQ(summary["exit"].toInt(), 1);

  // The broken source fails at once; each other task: queued, progress..., finished.
  EXPECT_EQ(seen[1], QStringList{"finished"});
  for (int index : {0, 2, 3}) {
    EXPECT_EQ(lastPercent[index], 100) << "the last progress gives where the task ended";
    const QStringList& kinds = seen[index];
    ASSERT_GE(kinds.size(), 2) << index;
    EXPECT_EQ(kinds.front(), "queued");
    EXPECT_EQ(kinds.back(), "finished");
    EXPECT_EQ(kinds.count("finished"), 1);
    EXPECT_EQ(kinds.count("queued"), 1);
  }
  for (const QJsonObject& e : events) {
    if (e["event"].toString() != "finished") continue;
    const QString outcome = e["outcome"].toString();
    if (e["index"].toInt() == 1) {
      EXPECT_EQ(outcome, "failed");
      EXPECT_TRUE(e["message"].toString().startsWith("Can not open file: "));
      continue;
    }
    EXPECT_EQ(outcome, "converted");
    const QString output = e["output"].toString();
    EXPECT_TRUE(output.startsWith(out) && output.endsWith(".mp3")) << output.toStdString();
    EXPECT_EQ(Fixtures::Probe(output, "a:0", "stream=codec_name"), "mp3");
  }
  EXPECT_EQ(OutputFiles(), (QStringList{"one.mp3", "three.mp3", "two.mp3"}));

  const ProgramResult planned = RunConvert({"--json", "--dry-run", in, "-o", out});
  EXPECT_EQ(SchemaProblems(planned.out), "");
  const ProgramResult profiles = RunConvert({"--list-profiles", "--json"});
  EXPECT_EQ(SchemaProblems(profiles.out, true), "");
  EXPECT_EQ(QJsonDocument::fromJson(profiles.out.toUtf8()).array().size(), 148);
}

TEST_F(ProgramTest, PlainResultsOnStandardOutputFailuresOnStandardError) {
  ASSERT_TRUE(Fixtures::AudioOnly(in + "tone.wav"));
  QFile broken(in + "broken.wav");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not media");
  broken.close();
  const ProgramResult r = RunConvert({"--format", "wav", in + "tone.wav", in + "broken.wav", "-o", out});
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  EXPECT_FALSE(r.out.contains(QChar(0x1b))) << "no terminal controls in a pipe";
  const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << r.out.toStdString();
  EXPECT_EQ(lines[0], "converted: " + in + "tone.wav -> " + out + "tone.wav");
  EXPECT_TRUE(lines[1].startsWith("2 files: 1 converted, 1 failed, 0 skipped, 0 stopped in "));
  EXPECT_TRUE(r.err.startsWith("failed: " + in + "broken.wav: ")) << r.err.toStdString();

  // -q: only the failure; the list comes from standard input, NUL-separated.
  const QByteArray list = (in + "tone.wav").toUtf8() + '\0' + (in + "broken.wav").toUtf8() + '\0';
  const ProgramResult quiet =
      RunConvert({"-q", "--format", "wav", "--files-from", "-", "-0", "-o", out}, 180000, list);
  EXPECT_EQ(quiet.exitCode, 1);
  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.err.count('\n'), 1) << quiet.err.toStdString();
  EXPECT_TRUE(QFile::exists(out + "tone (1).wav"));

  // -o names the output file of a single source.
  const ProgramResult named = RunConvert({"--format", "mp3", in + "tone.wav", "-o", out + "named.mp3"});
  EXPECT_EQ(named.exitCode, 0) << named.err.toStdString();
  EXPECT_TRUE(QFile::exists(out + "named.mp3"));
}

TEST_F(ProgramTest, UsageErrorsExitTwoBeforeAnythingRuns) {
  ASSERT_TRUE(Fixtures::AudioOnly(in + "tone.wav"));
  const QList<QStringList> bad = {
      {"--vb", "fast", in + "tone.wav", "-o", out},
      {"--bogus", in + "tone.wav", "-o", out},
      {in + "tone.wav"},                               // no output folder
      {in + "tone.wav", "-o", out + "missing"},
      {in + "missing.wav", "-o", out},
      {"-o", out},                                     // nothing to convert
  };
  for (const QStringList& args : bad) {
    const ProgramResult r = RunConvert(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith("veltrane-convert: ")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
  }
  EXPECT_TRUE(RunConvert({"--vb", "fast", in + "tone.wav", "-o", out}).err.contains("--vb"));
  EXPECT_TRUE(OutputFiles().isEmpty());

  const ProgramResult help = RunConvert({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: veltrane-convert"));
  const ProgramResult list = RunConvert({"--list-profiles"});
  EXPECT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.out.count('\n'), 148);
  EXPECT_TRUE(list.out.contains("1201\tMP4 - HEVC Video (*.mp4)\tModern\tmp4hevc\tmp4\n"));
  EXPECT_TRUE(list.out.contains("1055\tiPhone - H.264 Video\tDevice/iPhone\tmp4h264\tmp4\n"));
}

TEST_F(ProgramTest, EverySignalAndAClosedOutputStopCleanly) {
  ASSERT_TRUE(Fixtures::VideoWithAudio(in + "long.mp4", 30.0));
  ASSERT_TRUE(Fixtures::VideoWithAudio(in + "next.mp4", 30.0));
  for (int signal : {SIGINT, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(signal);
    QProcess p;
    p.start(VELTRANE_CONVERT, {"--json", "-j", "1", "--profile", "1057", "--size", "640x480", in + "long.mp4",
                               in + "next.mp4", "-o", out});
    ASSERT_TRUE(p.waitForStarted());
    // Wait until the first task has made some progress, so there is a half-written output.
    QString seen;
    QElapsedTimer clock;
    clock.start();
    bool running = false;
    while (!running && clock.elapsed() < 60000 && p.state() == QProcess::Running) {
      p.waitForReadyRead(200);
      seen += QString::fromUtf8(p.readAllStandardOutput());
      for (const QJsonObject& e : JsonLines(seen))
        if (e["event"].toString() == "progress" && e["percent"].toDouble() >= 1) running = true;
    }
    ASSERT_TRUE(running) << seen.toStdString();
    ASSERT_EQ(::kill(static_cast<pid_t>(p.processId()), signal), 0);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 128 + signal);
    EXPECT_TRUE(OutputFiles().isEmpty()) << OutputFiles().join(", ").toStdString();
    if (signal != SIGINT) continue;
    seen += QString::fromUtf8(p.readAllStandardOutput());
    const std::vector<QJsonObject> events = JsonLines(seen);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back()["event"].toString(), "summary");
    EXPECT_EQ(events.back()["stopped"].toInt(), 2);
    EXPECT_EQ(events.back()["exit"].toInt(), 130);
  }

  // The reader of standard output goes away mid-run, as "| head" does.
  QProcess pipeline;
  pipeline.start(
      "bash", {"-c", "set -o pipefail; \"$0\" \"$@\" | head -c 1000 >/dev/null", VELTRANE_CONVERT, "--json",
               "-j", "1", "--size", "640x480", in + "long.mp4", in + "next.mp4", "-o", out});
  ASSERT_TRUE(pipeline.waitForFinished(120000));
  EXPECT_EQ(pipeline.exitCode(), 128 + SIGPIPE) << pipeline.readAllStandardError().toStdString();
  EXPECT_TRUE(OutputFiles().isEmpty()) << OutputFiles().join(", ").toStdString();
}

TEST_F(ProgramTest, FoldersAreWalkedAndKeepTreeMirrorsThem) {
  const QString tree = in + "shows/";
  QDir().mkpath(tree + "season 1/extra");
  ASSERT_TRUE(Fixtures::AudioOnly(tree + "intro.wav"));
  ASSERT_TRUE(Fixtures::AudioOnly(tree + "season 1/ep1.WAV"));
  ASSERT_TRUE(Fixtures::VideoWithAudio(tree + "season 1/extra/clip.mp4"));
  QFile notes(tree + "season 1/notes.txt");  // not a media file: not listed
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.close();

  const ProgramResult flat = RunConvert({"--format", "mp3", "--dry-run", tree, "-o", out});
  ASSERT_EQ(flat.exitCode, 0) << flat.err.toStdString();
  QStringList outputs;
  for (const QString& line : flat.out.split('\n', Qt::SkipEmptyParts))
    outputs << line.section('\t', 1, 1);
  EXPECT_EQ(outputs, (QStringList{out + "intro.mp3", out + "ep1.mp3", out + "clip.mp3"}));

  const ProgramResult kept = RunConvert({"--format", "mp3", "--keep-tree", "--json", tree, "-o", out});
  ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
  EXPECT_TRUE(QFile::exists(out + "shows/intro.mp3"));
  EXPECT_TRUE(QFile::exists(out + "shows/season 1/ep1.mp3"));
  EXPECT_TRUE(QFile::exists(out + "shows/season 1/extra/clip.mp3"));
  EXPECT_FALSE(QFile::exists(out + "shows/season 1/notes.mp3"));
  EXPECT_EQ(JsonLines(kept.out).back()["converted"].toInt(), 3);
}
