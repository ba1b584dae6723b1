// veltrane-convert as a user runs it: real files converted, the --json event stream,
// plain output, exit codes, and Ctrl-C in the middle of a run.
#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <set>

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
                                      in + "broken.mp4", in + "two.mkv", in + "three.wav", "-o", out});
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
      {in + "tone.wav"},  // no output folder
      {in + "tone.wav", "-o", out + "missing"},
      {in + "missing.wav", "-o", out},
      {"-o", out},  // nothing to convert
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

// Messages and help in the user's language, chosen from LANG alone (the C library need not
// know the locale); the --json events stay English for the programs that read them.
TEST_F(ProgramTest, MessagesInTheUsersLanguageJsonInEnglish) {
  QProcessEnvironment german;
  german.insert("PATH", "/usr/bin:/bin");
  german.insert("LANG", "de_DE.UTF-8");
  const ProgramResult bad = RunConvert({"--bogus"}, 60000, {}, german);
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.err, "veltrane-convert: --bogus: unbekannte Option\nMehr mit 'veltrane-convert --help'.\n");
  EXPECT_TRUE(RunConvert({"--help"}, 60000, {}, german).out.startsWith("Aufruf: veltrane-convert"));
  QProcessEnvironment englishFirst = german;  // English before German: English
  englishFirst.insert("LANGUAGE", "en_GB:de");
  EXPECT_TRUE(RunConvert({"--bogus"}, 60000, {}, englishFirst).err.contains("unknown option"));

  QFile empty(in + "empty.wav");
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  const ProgramResult plain = RunConvert({in + "empty.wav", "-o", out}, 60000, {}, german);
  EXPECT_TRUE(plain.err.contains("fehlgeschlagen: ")) << plain.err.toStdString();
  const ProgramResult json = RunConvert({"--json", in + "empty.wav", "-o", out}, 60000, {}, german);
  EXPECT_TRUE(json.out.contains("\"message\":\"Can not open file: The file is empty"))
      << json.out.toStdString();
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

  // An output folder inside the walked folder holds outputs, not sources.
  QDir().mkpath(tree + "out");
  ASSERT_TRUE(QFile::copy(tree + "intro.wav", tree + "out/intro.wav"));
  const ProgramResult inside = RunConvert({"--format", "mp3", "--dry-run", tree, "-o", tree + "out"});
  EXPECT_EQ(inside.out.count('\n'), 3) << inside.out.toStdString();
}

namespace {

// The names in `folder`, as the bytes they are.
std::set<std::string> RawNames(const std::string& folder) {
  std::set<std::string> names;
  if (DIR* d = opendir(folder.c_str())) {
    while (const dirent* e = readdir(d))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.insert(e->d_name);
    closedir(d);
  }
  return names;
}

}  // namespace

// A Linux name is bytes: two names that differ in a byte that is not UTF-8 are two
// files, and a folder named so is not its look-alike with a replacement character.
TEST_F(ProgramTest, NamesThatAreNotTextKeepTheirBytes) {
  const std::string base = QFile::encodeName(dir.path()).toStdString() + "/";
  const std::string inDir = base + "in/";
  ASSERT_TRUE(Fixtures::AudioOnly(in + "a.wav"));
  ASSERT_TRUE(QFile::copy(in + "a.wav", in + "b.wav"));
  ASSERT_EQ(rename((inDir + "a.wav").c_str(), (inDir + "x\xff.wav").c_str()), 0);
  ASSERT_EQ(rename((inDir + "b.wav").c_str(), (inDir + "x\xfe.wav").c_str()), 0);
  ASSERT_EQ(mkdir((base + "o\xff").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((base + "o\xef\xbf\xbd").c_str(), 0755), 0);
  QProcess p;  // the folder's name has to reach the program as its bytes
  p.start("/bin/sh", {"-c", "exec \"$0\" --format mp3 \"$1\" -o \"$2$(printf 'o\\377')\"", VELTRANE_CONVERT,
                      in, dir.path() + "/"});
  ASSERT_TRUE(p.waitForFinished(180000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
  EXPECT_EQ(RawNames(base + "o\xff"), (std::set<std::string>{"x\xfe.mp3", "x\xff.mp3"}));
  EXPECT_TRUE(RawNames(base + "o\xef\xbf\xbd").empty());
  // QTemporaryDir cannot remove names that are not text.
  std::error_code ignored;
  for (const std::string& path : {base + "o\xff", inDir + "x\xff.wav", inDir + "x\xfe.wav"})
    std::filesystem::remove_all(path, ignored);
}

// Keep-both into the source's own folder writes the next free name, shortened when
// it would pass the file system's limit; the dry run shows that very name.
TEST_F(ProgramTest, TheDryRunShowsTheNameTheRunWrites) {
  const QString source = in + QString(251, 'a') + ".mp3";  // 255 bytes
  ASSERT_TRUE(Fixtures::AudioOnly(in + "s.mp3"));
  ASSERT_TRUE(QFile::rename(in + "s.mp3", source));
  const QString expected = in + QString(247, 'a') + " (1).mp3";
  const QStringList args = {"--format", "mp3", source, "-o", in};
  const ProgramResult dry = RunConvert(QStringList{"--dry-run"} + args);
  ASSERT_EQ(dry.exitCode, 0) << dry.out.toStdString();
  EXPECT_EQ(dry.out.section('\t', 1, 1), expected);
  const ProgramResult run = RunConvert(QStringList{"--json"} + args);
  ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
  EXPECT_TRUE(QFile::exists(expected));
  for (const QJsonObject& e : JsonLines(run.out))
    if (e["event"] == "finished") {
      EXPECT_EQ(e["output"].toString(), expected);
      EXPECT_TRUE(e["message"].toString().contains("shortened")) << e["message"].toString().toStdString();
    }
}
