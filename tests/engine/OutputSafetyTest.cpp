// Output safety: sources are never replaced, existing files are kept unless the
// user chose otherwise, temporary files cannot be redirected and do not outlive a
// killed run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <atomic>
#include <csignal>
#include <cstdio>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "engine/convert/AtomicOutputFile.h"

using namespace enginetest;

namespace {

const char* kMp4 = "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 256k -ab 64k -ar 44100 -s 160x120";
const char* kMp3 = "-ac 2 -vn -ab 64k -ar 44100";

QStringList Hidden(const QString& folder) {
  return QDir(folder).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System);
}

// Runs one queued run to its end and returns the recorder's events.
void RunToEnd(FFEncoder& enc, EventRecorder& events) {
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
}

}  // namespace

TEST(OutputSafetyTest, NoTaskWritesOverAListedSource) {
  const QString folder = FreshFolder("listed");
  ASSERT_TRUE(QFile::copy(SampleVideo(), folder + "a.mp4"));
  ASSERT_TRUE(QFile::copy(SampleAudio(), folder + "a.wav"));
  const QByteArray original = ReadAll(folder + "a.mp4");
  FFEncoder enc;
  EventRecorder events(enc);
  ASSERT_EQ(link(Bytes(folder + "a.mp4").c_str(), Bytes(folder + "hard.mp4").c_str()), 0);
  for (auto rule : {ExistingOutput::Overwrite, ExistingOutput::Skip}) {
    enc.ClearTasks();
    enc.IfExists = rule;
    // Either list order: the other source's output would be a.mp4.
    const int wav = enc.OpenInput(Bytes(folder + "a.wav"), "");
    const int mp4 = enc.OpenInput(Bytes(folder + "a.mp4"), "");
    EXPECT_LT(enc.SetOutput(wav, Bytes(folder + "a.mp4"), kMp4), 0);
    EXPECT_NE(enc.LastErrorMessage().find("a.wav"), std::string::npos) << enc.LastErrorMessage();
    EXPECT_NE(enc.LastErrorMessage().find("a.mp4"), std::string::npos) << enc.LastErrorMessage();
    EXPECT_LT(enc.SetOutput(mp4, Bytes(folder + "a.mp4"), kMp4), 0);
    // A hard link to a listed source counts as that source.
    EXPECT_LT(enc.SetOutput(wav, Bytes(folder + "hard.mp4"), kMp4), 0);
  }
  // Keep both never replaces anything, so a source converted into its own folder
  // gets the next free name, as queued and as written.
  enc.ClearTasks();
  events.Reset();
  enc.IfExists = ExistingOutput::KeepBoth;
  const int self = enc.OpenInput(Bytes(folder + "a.mp4"), "");
  ASSERT_GE(enc.SetOutput(self, Bytes(folder + "a.mp4"), kMp4), 0) << enc.LastErrorMessage();
  EXPECT_EQ(enc.OutputPath(self), Bytes(folder + "a (1).mp4"));
  RunToEnd(enc, events);
  EXPECT_TRUE(events.For(self).succeeded) << events.For(self).message;
  EXPECT_EQ(enc.OutputPath(self), Bytes(folder + "a (1).mp4"));
  EXPECT_EQ(ReadAll(folder + "a.mp4"), original);
}

TEST(OutputSafetyTest, KeepBothNumbersTheNewFile) {
  EXPECT_EQ(convert::NumberedName("/o/clip.mp4", 0), "/o/clip.mp4");
  EXPECT_EQ(convert::NumberedName("/o/clip.mp4", 2), "/o/clip (2).mp4");
  EXPECT_EQ(convert::NumberedName("/o.d/clip", 1), "/o.d/clip (1)");
  EXPECT_EQ(convert::NumberedName("/o/.mp4", 1), "/o/.mp4 (1)");

  const QString folder = FreshFolder("keepboth");
  FFEncoder enc;
  EventRecorder events(enc);
  // With 0, 1 and 2 existing files the run writes clip.mp3, clip (1).mp3, clip (2).mp3.
  for (const char* expected : {"clip.mp3", "clip (1).mp3", "clip (2).mp3"}) {
    enc.ClearTasks();
    events.Reset();
    const int h = enc.OpenInput(Bytes(SampleAudio()), "");
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + "clip.mp3"), kMp3), 0);
    EXPECT_EQ(enc.OutputPath(h), Bytes(folder + expected));
    RunToEnd(enc, events);
    EXPECT_TRUE(events.For(h).succeeded) << events.For(h).message;
    EXPECT_EQ(enc.OutputPath(h), Bytes(folder + expected));
    EXPECT_TRUE(QFile::exists(folder + expected));
  }
  // A name taken while the task ran is not replaced either: the commit moves on.
  enc.ClearTasks();
  events.Reset();
  const int h = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(folder + "late.mp3"), kMp3), 0);
  WriteFile(folder + "late.mp3", "arrived meanwhile");
  RunToEnd(enc, events);
  EXPECT_EQ(ReadAll(folder + "late.mp3"), "arrived meanwhile");
  EXPECT_EQ(enc.OutputPath(h), Bytes(folder + "late (1).mp3"));
  EXPECT_TRUE(Hidden(folder).isEmpty()) << Hidden(folder).join(",").toStdString();
}

TEST(OutputSafetyTest, OverwriteAndSkipAreTheUsersChoice) {
  const QString folder = FreshFolder("rules");
  FFEncoder enc;
  EventRecorder events(enc);
  auto run = [&](ExistingOutput rule, const QString& name) {
    enc.ClearTasks();
    events.Reset();
    enc.IfExists = rule;
    const int h = enc.OpenInput(Bytes(SampleAudio()), "");
    EXPECT_GE(enc.SetOutput(h, Bytes(folder + name), kMp3), 0);
    RunToEnd(enc, events);
    return events.For(h);
  };
  WriteFile(folder + "old.mp3", "old");
  FinishedEvent e = run(ExistingOutput::Skip, "old.mp3");
  EXPECT_EQ(e.kind, ConversionOutcome::Kind::Skipped);
  EXPECT_EQ(e.message, "Skipped: old.mp3 already exists");
  EXPECT_EQ(ReadAll(folder + "old.mp3"), "old");

  e = run(ExistingOutput::Overwrite, "old.mp3");
  EXPECT_TRUE(e.succeeded) << e.message;
  EXPECT_NE(ReadAll(folder + "old.mp3"), "old");

  // A read-only file is the user's statement that it must not change.
  WriteFile(folder + "locked.mp3", "locked");
  ASSERT_EQ(chmod(Bytes(folder + "locked.mp3").c_str(), 0444), 0);
  e = run(ExistingOutput::Overwrite, "locked.mp3");
  EXPECT_TRUE(e.failed);
  EXPECT_NE(e.message.find("read-only"), std::string::npos) << e.message;
  EXPECT_EQ(ReadAll(folder + "locked.mp3"), "locked");
  EXPECT_TRUE(Hidden(folder).isEmpty());
}

// The named temporary file, which file systems without unnamed files get.
struct NamedTemporaryFiles {
  NamedTemporaryFiles() { convert::UseUnnamedTemporaryFiles(false); }
  ~NamedTemporaryFiles() { convert::UseUnnamedTemporaryFiles(true); }
};

void Backdate(const QString& path, int seconds) {
  struct timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, Bytes(path).c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(OutputSafetyTest, TemporaryFilesCannotBeRedirectedAndFitWhereTheNameFits) {
  NamedTemporaryFiles named;
  const QString folder = FreshFolder("links");
  const QString victim = PathIn("victim.txt");
  WriteFile(victim, "precious");
  // Links planted at every name a temporary file of ours has had or could be
  // guessed to have: the old predictable pattern and ours with this process id.
  for (int n = 0; n < 40; ++n) {
    const QString pid = QString::number(getpid());
    QFile::link(victim, folder + QString(".out.mp3.%1-%2.part").arg(pid).arg(n));
    QFile::link(victim, folder + QString(".vvc-%1-%2.part").arg(pid).arg(n, 8, 10, QChar('0')));
  }
  convert::AtomicOutputFile file;
  std::string error;
  ASSERT_TRUE(file.Create(Bytes(folder + "out.mp3"), &error)) << error;
  struct stat st {};
  ASSERT_EQ(lstat(file.TempPath().c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(st.st_size, 0);
  const std::string name = file.TempPath().substr(file.TempPath().rfind('/') + 1);
  EXPECT_TRUE(convert::IsTemporaryName(name)) << name;
  EXPECT_LE(name.size(), 26u);
  file.Discard();

  FFEncoder enc;
  EventRecorder events(enc);
  const int h = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(folder + "out.mp3"), kMp3), 0);
  RunToEnd(enc, events);
  EXPECT_TRUE(events.For(h).succeeded) << events.For(h).message;
  EXPECT_EQ(ReadAll(victim), "precious");

  // A final name of 250 bytes (83 three-byte letters) converts: the temporary
  // name is never longer than what fits.
  QString long_name;
  for (int i = 0; i < 82; ++i)
    long_name += QChar(0x4E2D);
  long_name += ".mp3";  // 246 + 4 bytes
  ASSERT_EQ(long_name.toUtf8().size(), 250);
  enc.ClearTasks();
  events.Reset();
  const int l = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(l, Bytes(folder + long_name), kMp3), 0);
  RunToEnd(enc, events);
  EXPECT_TRUE(events.For(l).succeeded) << events.For(l).message;
  EXPECT_TRUE(QFile::exists(folder + long_name));
}

// A writer elsewhere (another machine on a share, another container) may carry a
// process id that runs nowhere here: only its lock tells that it is alive.
TEST(OutputSafetyTest, ATemporaryFileIsRemovedOnlyWhenNobodyHoldsIt) {
  NamedTemporaryFiles named;
  const QString folder = FreshFolder("orphans");
  const std::string dir = Bytes(folder);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    convert::AtomicOutputFile file;
    std::string error;
    const char byte = file.Create(dir + "x.mp4", &error) ? 1 : 0;
    if (write(ready[1], &byte, 1) != 1) _exit(2);
    pause();
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  close(ready[0]);
  close(ready[1]);
  ASSERT_EQ(byte, 1);
  ASSERT_EQ(Hidden(folder).size(), 1);
  // The live writer's file, renamed to a process id unknown here and made old.
  const QString live = folder + ".vvc-999999999-abcdefgh.part";
  ASSERT_EQ(rename(Bytes(folder + Hidden(folder).first()).c_str(), Bytes(live).c_str()), 0);
  Backdate(live, 600);
  WriteFile(folder + ".vvc-1-deadbeef.part", "left by a killed run");
  Backdate(folder + ".vvc-1-deadbeef.part", 600);
  WriteFile(folder + ".vvc-1-freshnew.part", "just written, lock not seen yet");
  WriteFile(folder + ".keep.part", "not ours");
  ASSERT_TRUE(QFile::link(PathIn("victim.txt"), folder + ".vvc-1-linklink.part"));

  EXPECT_EQ(convert::RemoveOrphans(dir), 1);
  EXPECT_FALSE(QFile::exists(folder + ".vvc-1-deadbeef.part"));
  EXPECT_TRUE(QFile::exists(live));
  EXPECT_EQ(Hidden(folder).size(), 4) << Hidden(folder).join(",").toStdString();

  // Once its writer is gone, the next run's clean-up takes it.
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  FFEncoder enc;
  EventRecorder events(enc);
  const int h = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(folder + "y.mp3"), kMp3), 0);
  RunToEnd(enc, events);
  EXPECT_FALSE(QFile::exists(live));
  EXPECT_EQ(Hidden(folder).size(), 3) << Hidden(folder).join(",").toStdString();
}

// Where the file system has unnamed files, a writer killed mid-way leaves nothing.
TEST(OutputSafetyTest, AKilledWriterOfAnUnnamedFileLeavesNothing) {
  const QString folder = FreshFolder("unnamed");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    convert::AtomicOutputFile file;
    std::string error;
    const bool ok = file.Create(Bytes(folder + "x.mp4"), &error);
    const char byte = !ok ? 0 : file.TempPath().empty() ? 1 : 2;
    if (write(ready[1], &byte, 1) != 1) _exit(2);
    pause();
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  close(ready[0]);
  close(ready[1]);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  ASSERT_NE(byte, 0);
  if (byte == 2) GTEST_SKIP() << "no unnamed files on this file system";
  EXPECT_TRUE(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// Moving the output folder away and putting a link in its place mid-run changes
// nothing: both tasks write into the folder the run started with.
TEST(OutputSafetyTest, AFolderSwappedMidRunKeepsTheOutputsWhereTheRunStarted) {
  const QString base = FreshFolder("swap");
  ASSERT_TRUE(QDir(base).mkdir("out"));
  ASSERT_TRUE(QDir(base).mkdir("elsewhere"));
  FFEncoder enc;
  EventRecorder events(enc);
  std::atomic<bool> swapped{false};
  enc.SetProgressHandler([&](int, int64_t, int64_t, int64_t) {
    if (swapped.exchange(true)) return;
    rename(Bytes(base + "out").c_str(), Bytes(base + "out.orig").c_str());
    symlink(Bytes(base + "elsewhere").c_str(), Bytes(base + "out").c_str());
  });
  const int a = enc.OpenInput(Bytes(SampleAudio()), "");
  const int b = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(a, Bytes(base + "out/a.mp3"), kMp3), 0);
  ASSERT_GE(enc.SetOutput(b, Bytes(base + "out/b.mp3"), kMp3), 0);
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(swapped);
  EXPECT_TRUE(events.For(a).succeeded) << events.For(a).message;
  EXPECT_TRUE(events.For(b).succeeded) << events.For(b).message;
  EXPECT_TRUE(QDir(base + "elsewhere").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  EXPECT_TRUE(QFile::exists(base + "out.orig/a.mp3"));
  EXPECT_TRUE(QFile::exists(base + "out.orig/b.mp3"));
  EXPECT_TRUE(Hidden(base + "out.orig").isEmpty());
}

TEST(OutputSafetyTest, TerminationSignalsRemoveTemporaryFiles) {
  NamedTemporaryFiles named;
  const QString folder = FreshFolder("signals");
  const std::string dir = Bytes(folder);
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      convert::InstallTerminationCleanup();
      convert::AtomicOutputFile file;
      std::string error;
      const char byte = file.Create(dir + "x.mp4", &error) ? 1 : 0;
      if (write(ready[1], &byte, 1) != 1) _exit(2);
      for (;;)
        pause();
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(Hidden(folder).size(), 1);
    kill(child, signal_number);
    int status = 0;
    waitpid(child, &status, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number);
    EXPECT_TRUE(Hidden(folder).isEmpty()) << signal_number;
  }
}
