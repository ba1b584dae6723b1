// The conversion queue: handles, events, stopping, output safety and bad input.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "engine/media/SourceGuard.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

const char* kMp4 = "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k -ar 44100 -s 320x240";
const char* kMp3 = "-ac 2 -vn -ab 128k -ar 44100";

// Files in a folder whose names show they are unfinished temporary outputs.
QStringList Leftovers(const QString& folder) {
  return QDir(folder).entryList({"*.part"}, QDir::Files | QDir::Hidden);
}

// A longer clip for stopping in the middle of work.
QString LongVideo() {
  static const QString path = [] {
    const QString p = PathIn("long.mp4");
    Fixtures::Make(p, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=20", "-f", "lavfi", "-i",
                       "sine=duration=20", "-c:v", "libx264", "-preset", "ultrafast", "-shortest"});
    return p;
  }();
  return path;
}

}  // namespace

TEST(FFEncoderTest, HandlesFollowCallOrderAndEventsNameThem) {
  const QString folder = FreshFolder("handles");
  WriteFile(PathIn("not media.mp4"), "just some text\n");
  FFEncoder enc;
  EventRecorder events(enc);
  enc.ClearTasks();
  // Row 1 fine, row 2 cannot be opened, row 3 is refused by SetOutput, row 4 fine.
  EXPECT_EQ(enc.OpenInput(Bytes(SampleVideo()), ""), 0);
  EXPECT_LT(enc.OpenInput(Bytes(PathIn("not media.mp4")), ""), 0);
  EXPECT_FALSE(enc.LastErrorMessage().empty());
  EXPECT_EQ(enc.OpenInput(Bytes(SampleAudio()), ""), 2);
  EXPECT_LT(enc.SetOutput(2, Bytes(folder + "c.mp3"), "-ac 2 -bogus 1"), 0);
  EXPECT_NE(enc.LastErrorMessage().find("-bogus"), std::string::npos);
  enc.CloseInput(2);
  EXPECT_EQ(enc.OpenInput(Bytes(SampleAudio()), ""), 3);
  ASSERT_GE(enc.SetOutput(0, Bytes(folder + "a.mp4"), kMp4), 0) << enc.LastErrorMessage();
  ASSERT_GE(enc.SetOutput(3, Bytes(folder + "d.mp3"), kMp3), 0) << enc.LastErrorMessage();

  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  enc.Stop(true);
  const auto finished = events.Finished();
  ASSERT_EQ(finished.size(), 3u);
  EXPECT_EQ(finished.back().task, -1);  // the end of the run comes last, once
  EXPECT_EQ(events.EndCount(), 1);
  EXPECT_TRUE(events.For(0).succeeded);
  EXPECT_TRUE(events.For(3).succeeded);
  EXPECT_GT(events.ProgressCount(0) + events.ProgressCount(3), 0);
  EXPECT_EQ(events.ProgressCount(1) + events.ProgressCount(2), 0);
  EXPECT_FALSE(events.BadProgress());
  EXPECT_FALSE(events.EventsAfterEnd());
  EXPECT_FALSE(enc.Running());
  EXPECT_TRUE(Leftovers(folder).isEmpty());

  // A second Start does not run finished tasks again but still ends the run.
  events.Reset();
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_EQ(events.Finished().size(), 1u);

  // ClearTasks starts numbering again.
  enc.ClearTasks();
  EXPECT_EQ(enc.OpenInput(Bytes(SampleAudio()), ""), 0);
  EXPECT_LT(enc.SetOutput(7, Bytes(folder + "x.mp3"), kMp3), 0);
}

TEST(FFEncoderTest, EmptyQueueStillEndsTheRun) {
  FFEncoder enc;
  EventRecorder events(enc);
  enc.ClearTasks();
  enc.Start(4);
  ASSERT_TRUE(events.WaitForEnd(10));
  ASSERT_EQ(events.Finished().size(), 1u);
  EXPECT_EQ(events.Finished()[0].task, -1);
}

TEST(FFEncoderTest, SetOutputRefusesImpossibleOutputs) {
  const QString folder = FreshFolder("refusals");
  FFEncoder enc;
  const int h = enc.OpenInput(Bytes(SampleVideo()), "");
  ASSERT_GE(h, 0);
  auto refused = [&](const QString& out, const std::string& options, const std::string& needle) {
    EXPECT_LT(enc.SetOutput(h, Bytes(out), options), 0) << options;
    EXPECT_NE(enc.LastErrorMessage().find(needle), std::string::npos) << enc.LastErrorMessage();
  };
  refused(folder + "a.flv", "-acodec libvorbis", "cannot hold");
  refused(folder + "a.mp4", "-vcodec nosuchcodec", "nosuchcodec");
  refused(folder + "a.mp4", "-vcodec libmp3lame", "libmp3lame");
  refused(folder + "a.unknownext", "-ac 2", "a.unknownext");
  refused(folder + "a.mp4", "-f nosuchformat", "nosuchformat");
  refused(folder + "a.mp4", "-vf \"crop=300:200:100:100\"", "crop");
  refused(folder + "a.mp4", "-vn -an", "neither");
  refused(folder, "-ac 2", "output");
  // A folder that is a file is refused when queued.
  WriteFile(folder + "blocker", "x");
  refused(folder + "blocker/out.mp3", kMp3, "output folder");
  // Replacing the source is refused; keeping both writes beside it.
  enc.IfExists = ExistingOutput::Overwrite;
  refused(SampleVideo(), kMp4, "source");
  // The source reached through a link is still the source.
  const QString link = PathIn("link to sample.mp4");
  QFile::remove(link);
  ASSERT_TRUE(QFile::link(SampleVideo(), link));
  refused(link, kMp4, "source");
  enc.IfExists = ExistingOutput::KeepBoth;
  ASSERT_GE(enc.SetOutput(h, Bytes(link), kMp4), 0);
  EXPECT_NE(enc.OutputPath(h), Bytes(link));

  // Two sources with one base name: by default the second keeps both and gets a
  // numbered name; when existing files are to be replaced, it is refused.
  const int h2 = enc.OpenInput(Bytes(SampleVideo()), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(folder + "same.mp4"), kMp4), 0);
  ASSERT_GE(enc.SetOutput(h2, Bytes(folder + "./same.mp4"), kMp4), 0);
  EXPECT_EQ(enc.OutputPath(h2), Bytes(folder + "./same (1).mp4"));
  enc.IfExists = ExistingOutput::Overwrite;
  EXPECT_LT(enc.SetOutput(h2, Bytes(folder + "./same.mp4"), kMp4), 0);
  EXPECT_NE(enc.LastErrorMessage().find("already"), std::string::npos);
  // Once the first task is gone the name is free again.
  enc.CloseInput(h);
  EXPECT_GE(enc.SetOutput(h2, Bytes(folder + "same.mp4"), kMp4), 0);
}

TEST(FFEncoderTest, StopEndsPromptlyAndLeavesNoPartialFiles) {
  const QString folder = FreshFolder("stop");
  const QString kept = folder + "task0.mp4";
  WriteFile(kept, "an older file the user wants to keep");
  FFEncoder enc;
  EventRecorder events(enc);
  std::mutex m;
  std::condition_variable cv;
  bool progressed = false;
  enc.SetProgressHandler([&](int, int64_t, int64_t, int64_t) {
    std::lock_guard lock(m);
    progressed = true;
    cv.notify_all();
  });
  for (int i = 0; i < 4; ++i) {
    const int h = enc.OpenInput(Bytes(LongVideo()), "");
    ASSERT_EQ(h, i);
    ASSERT_GE(
        enc.SetOutput(h, Bytes(folder + QString("task%1.mp4").arg(i)),
                      "-ac 2 -vcodec libx264 -vpre libx264-default -vb 900k -ab 128k -ar 44100 -s 320x240"),
        0);
  }
  enc.Start(2);
  {
    std::unique_lock lock(m);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(30), [&] { return progressed; }));
  }
  QElapsedTimer timer;
  timer.start();
  enc.Stop(false);
  EXPECT_LT(timer.elapsed(), 100);  // Stop(false) returns at once
  ASSERT_TRUE(events.WaitForEnd(5));
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(events.EndCount(), 1);
  for (int i = 0; i < 4; ++i) {
    const FinishedEvent e = events.For(i);
    EXPECT_FALSE(e.succeeded) << i;
    EXPECT_FALSE(e.failed) << i << " " << e.message;  // stopped, not an error
  }
  EXPECT_EQ(ReadAll(kept), "an older file the user wants to keep");
  for (int i = 1; i < 4; ++i)
    EXPECT_FALSE(QFile::exists(folder + QString("task%1.mp4").arg(i)));
  enc.Stop(true);
  EXPECT_TRUE(Leftovers(folder).isEmpty()) << Leftovers(folder).join(",").toStdString();
}

TEST(FFEncoderTest, DestroyingARunningEncoderStopsIt) {
  const QString folder = FreshFolder("destroy");
  {
    FFEncoder enc;
    const int h = enc.OpenInput(Bytes(LongVideo()), "");
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + "x.mp4"), kMp4), 0);
    enc.Start(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_FALSE(QFile::exists(folder + "x.mp4"));
  EXPECT_TRUE(Leftovers(folder).isEmpty());
}

TEST(FFEncoderTest, BadSourcesFailClearlyAndOtherTasksGoOn) {
  const QString folder = FreshFolder("bad");
  QByteArray noise(32 * 1024, 0);
  for (auto& c : noise)
    c = static_cast<char>(QRandomGenerator::global()->bounded(256));
  WriteFile(PathIn("zero.mp4"), {});
  WriteFile(PathIn("random.mp4"), noise);
  WriteFile(PathIn("words.mp4"), "hello\n");
  FFEncoder enc;
  for (const char* name : {"zero.mp4", "random.mp4", "words.mp4", "does not exist.mp4"}) {
    EXPECT_LT(enc.OpenInput(Bytes(PathIn(name)), ""), 0) << name;
    EXPECT_FALSE(enc.LastErrorMessage().empty()) << name;
  }

  // Header intact, three quarters of the data cut off: what is left is converted, and said.
  const QString faststart = PathIn("faststart.mp4");
  ASSERT_TRUE(Fixtures::Make(faststart, {"-i", SampleVideo(), "-c", "copy", "-movflags", "faststart"}));
  const QByteArray whole = ReadAll(faststart);
  WriteFile(PathIn("cut.mp4"), whole.left(whole.size() / 4));
  // A source that disappears after being queued.
  const QString vanishing = PathIn("vanishing.mp4");
  QFile::remove(vanishing);
  ASSERT_TRUE(QFile::copy(SampleVideo(), vanishing));

  EventRecorder events(enc);
  enc.ClearTasks();
  const int cut = enc.OpenInput(Bytes(PathIn("cut.mp4")), "");
  const int gone = enc.OpenInput(Bytes(vanishing), "");
  const int good = enc.OpenInput(Bytes(SampleAudio()), "");
  const int nofolder = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(cut, 0);
  ASSERT_GE(gone, 0);
  ASSERT_GE(nofolder, 0);
  WriteFile(folder + "cut.mp4", "previous result");
  ASSERT_GE(enc.SetOutput(cut, Bytes(folder + "cut.mp4"), kMp4), 0);
  ASSERT_GE(enc.SetOutput(gone, Bytes(folder + "gone.mp4"), kMp4), 0);
  ASSERT_GE(enc.SetOutput(good, Bytes(folder + "good.mp3"), kMp3), 0);
  // The folder is removed after queueing, so nothing can be written inside it.
  QDir().mkpath(folder + "removed");
  ASSERT_GE(enc.SetOutput(nofolder, Bytes(folder + "removed/out.mp3"), kMp3), 0);
  QDir(folder + "removed").removeRecursively();
  QFile::remove(vanishing);

  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(cut).succeeded);
  EXPECT_NE(events.For(cut).message.find("the source ends early"), std::string::npos)
      << events.For(cut).message;
  EXPECT_TRUE(events.For(gone).failed);
  EXPECT_FALSE(events.For(gone).message.empty());
  EXPECT_TRUE(events.For(nofolder).failed);
  EXPECT_NE(events.For(nofolder).message.find("output folder"), std::string::npos)
      << events.For(nofolder).message;
  EXPECT_TRUE(events.For(good).succeeded) << events.For(good).message;
  EXPECT_EQ(ReadAll(folder + "cut.mp4"), "previous result");  // the old output survives beside the new one
  EXPECT_FALSE(QFile::exists(folder + "gone.mp4"));
  EXPECT_TRUE(Leftovers(folder).isEmpty());
}

TEST(FFEncoderTest, FullDiskFailsTheTaskAndKeepsTheOldFile) {
  const QString folder = FreshFolder("full");
  const QString out = folder + "big.mp4";
  WriteFile(out, "old");
  FFEncoder enc;
  EventRecorder events(enc);
  const int h = enc.OpenInput(Bytes(SampleVideo()), "");
  ASSERT_GE(
      enc.SetOutput(h, Bytes(out), "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 4000k -s 320x240"), 0);
  // A file-size limit makes writes fail as on a full disk.
  struct rlimit old_limit {};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 20000;
  setrlimit(RLIMIT_FSIZE, &small);
  enc.Start(1);
  const bool ended = events.WaitForEnd();
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  ASSERT_TRUE(ended);
  EXPECT_TRUE(events.For(h).failed);
  EXPECT_NE(events.For(h).message.find("Writing"), std::string::npos) << events.For(h).message;
  EXPECT_EQ(ReadAll(out), "old");
  EXPECT_TRUE(Leftovers(folder).isEmpty());
}

TEST(FFEncoderTest, ExistingOutputIsReplacedOnSuccess) {
  const QString folder = FreshFolder("replace");
  const QString name = folder + "äöü \"quoted\" name.mp3";
  WriteFile(name, "old");
  FFEncoder enc;
  EventRecorder events(enc);
  enc.IfExists = ExistingOutput::Overwrite;
  const int h = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(name), kMp3), 0) << enc.LastErrorMessage();
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(h).succeeded) << events.For(h).message;
  EXPECT_EQ(ProbeFile(name).audio_codec, "mp3");
}

TEST(FFEncoderTest, StreamsOfDifferentLengthsAreNotMistakenForTruncation) {
  const QString folder = FreshFolder("lengths");
  const QString source = PathIn("short sound.mkv");
  ASSERT_TRUE(
      Fixtures::Make(source, {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=3", "-f", "lavfi",
                              "-i", "sine=duration=1", "-c:v", "libx264", "-preset", "ultrafast"}));
  FFEncoder enc;
  EventRecorder events(enc);
  const int both = enc.OpenInput(Bytes(source), "");
  const int sound = enc.OpenInput(Bytes(source), "");
  ASSERT_GE(enc.SetOutput(both, Bytes(folder + "both.mp4"), kMp4), 0);
  ASSERT_GE(enc.SetOutput(sound, Bytes(folder + "sound.mp3"), kMp3), 0);
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(both).succeeded) << events.For(both).message;
  EXPECT_TRUE(events.For(sound).succeeded) << events.For(sound).message;
  EXPECT_NEAR(ProbeFile(folder + "both.mp4").duration, 3.0, 0.5);
}

TEST(FFEncoderTest, AudioThatChangesFormatMidStreamIsFollowed) {
  // Two MPEG audio pieces back to back, as in a recording across a programme
  // change: 44.1 kHz stereo, then 48 kHz mono.
  const QString first = PathIn("piece1.mp2"), second = PathIn("piece2.mp2");
  ASSERT_TRUE(Fixtures::Make(first, {"-f", "lavfi", "-i", "sine=sample_rate=44100:duration=1", "-ac", "2"}));
  ASSERT_TRUE(Fixtures::Make(second, {"-f", "lavfi", "-i", "sine=sample_rate=48000:duration=1", "-ac", "1"}));
  const QString joined = PathIn("joined.mp2");
  WriteFile(joined, ReadAll(first) + ReadAll(second));
  const QString folder = FreshFolder("joined");
  FFEncoder enc;
  EventRecorder events(enc);
  const int h = enc.OpenInput(Bytes(joined), "");
  ASSERT_GE(enc.SetOutput(h, Bytes(folder + "joined.mp3"), kMp3), 0);
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(events.For(h).succeeded) << events.For(h).message;
  const Probed p = ProbeFile(folder + "joined.mp3");
  EXPECT_EQ(p.sample_rate, 44100);
  EXPECT_EQ(p.channels, 2);
  EXPECT_NEAR(p.duration, 2.0, 0.3);
}

TEST(FFEncoderTest, JoinedRecordingsWithClockRestartAndSizeChange) {
  // Two transport streams back to back: the clock starts over and the picture
  // shrinks from 320x240 to 160x120 at the join.
  const QString first = PathIn("part1.ts"), second = PathIn("part2.ts");
  ASSERT_TRUE(Fixtures::Make(first, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1", "-c:v",
                                     "mpeg2video", "-f", "mpegts"}));
  ASSERT_TRUE(Fixtures::Make(second, {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1", "-c:v",
                                      "mpeg2video", "-f", "mpegts"}));
  const QString joined = PathIn("joined.ts");
  WriteFile(joined, ReadAll(first) + ReadAll(second));
  const QString folder = FreshFolder("joined-video");
  FFEncoder enc;
  EventRecorder events(enc);
  const int plain = enc.OpenInput(Bytes(joined), "");
  const int cropped = enc.OpenInput(Bytes(joined), "");
  ASSERT_GE(enc.SetOutput(plain, Bytes(folder + "plain.mp4"), "-r 29.97 -ac 2 -vb 512k -s 320x240"), 0);
  // A crop that fits only the first part fails clearly once the picture shrinks.
  ASSERT_GE(enc.SetOutput(cropped, Bytes(folder + "cropped.mp4"), "-vf \"crop=200:200:0:0,scale=320:240\""),
            0);
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(events.For(plain).succeeded) << events.For(plain).message;
  const Probed p = ProbeFile(folder + "plain.mp4");
  EXPECT_EQ(p.width, 320);
  EXPECT_NEAR(p.duration, 2.0, 0.3);
  EXPECT_TRUE(events.For(cropped).failed);
  EXPECT_NE(events.For(cropped).message.find("crop"), std::string::npos) << events.For(cropped).message;
}

TEST(FFEncoderTest, StartDuringTheWindDownOfAStoppedRunFollowsIt) {
  const QString folder = FreshFolder("restart");
  FFEncoder enc;
  EventRecorder events(enc);
  const int slow = enc.OpenInput(Bytes(LongVideo()), "");
  ASSERT_GE(enc.SetOutput(slow, Bytes(folder + "slow.mp4"), kMp4), 0);
  enc.Start(1);
  const int next = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(next, Bytes(folder + "next.mp3"), kMp3), 0);
  // Started while the stopped run still winds down.
  enc.Stop(false);
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd(120, 2));
  enc.Stop(true);
  const auto finished = events.Finished();
  ASSERT_EQ(finished.size(), 4u);
  EXPECT_EQ(finished[0].task, slow);
  EXPECT_EQ(finished[0].message, "Stopped");
  EXPECT_EQ(finished[1].task, -1);  // the stopped run ends first...
  EXPECT_EQ(finished[1].message, "Stopped");
  EXPECT_EQ(finished[2].task, next);  // ...then the new one runs
  EXPECT_TRUE(finished[2].succeeded) << finished[2].message;
  EXPECT_EQ(finished[3].task, -1);
  EXPECT_TRUE(finished[3].succeeded);
  EXPECT_TRUE(QFile::exists(folder + "next.mp3"));
  EXPECT_FALSE(QFile::exists(folder + "slow.mp4"));

  // The other order: the new Start comes after the old run has ended.
  events.Reset();
  const int later = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(later, Bytes(folder + "later.mp3"), kMp3), 0);
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(later).succeeded) << events.For(later).message;
  EXPECT_TRUE(QFile::exists(folder + "later.mp3"));

  // A Stop after the waiting Start stops that one too: its task is reported.
  events.Reset();
  const int again = enc.OpenInput(Bytes(LongVideo()), "");
  ASSERT_GE(enc.SetOutput(again, Bytes(folder + "again.mp4"), kMp4), 0);
  enc.Start(1);
  const int dropped = enc.OpenInput(Bytes(SampleAudio()), "");
  ASSERT_GE(enc.SetOutput(dropped, Bytes(folder + "dropped.mp3"), kMp3), 0);
  enc.Stop(false);
  enc.Start(1);
  enc.Stop(false);
  enc.Stop(true);
  const auto ended = events.Finished();
  ASSERT_FALSE(ended.empty());
  EXPECT_EQ(ended.back().task, -1);
  EXPECT_EQ(ended.back().message, "Stopped");
  EXPECT_EQ(events.For(dropped).message, "Stopped");
  EXPECT_FALSE(QFile::exists(folder + "dropped.mp3"));
}

TEST(FFEncoderTest, HandlersMayCallAnythingEvenDestroyTheEncoder) {
  const QString folder = FreshFolder("from handlers");
  // A handler that throws ends neither its worker nor the program.
  {
    FFEncoder enc;
    std::atomic<int> ends{0};
    enc.SetProgressHandler(
        [](int, int64_t, int64_t, int64_t) { throw std::runtime_error("progress handler"); });
    enc.SetFinishedHandler([&](int task, const ConversionOutcome&) {
      if (task < 0) ++ends;
      throw std::bad_alloc();
    });
    const int h = enc.OpenInput(Bytes(SampleVideo()), "");
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + "thrown.mp4"), kMp4), 0);
    enc.Start(1);
    for (int i = 0; i < 6000 && ends == 0; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    enc.Stop(true);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(QFile::exists(folder + "thrown.mp4"));
  }
  // A handler replaces itself and calls Stop(true), which cannot wait there.
  {
    FFEncoder enc;
    std::atomic<int> first{0}, second{0};
    enc.SetFinishedHandler([&](int, const ConversionOutcome&) {
      ++first;
      enc.Stop(true);
      enc.SetFinishedHandler([&](int, const ConversionOutcome&) { ++second; });
    });
    for (const char* name : {"r1.mp3", "r2.mp3"}) {
      const int h = enc.OpenInput(Bytes(SampleAudio()), "");
      ASSERT_GE(enc.SetOutput(h, Bytes(folder + name), kMp3), 0);
    }
    enc.Start(1);
    for (int i = 0; i < 1000 && enc.Running(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    enc.Stop(true);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);  // the second task, stopped, and the end of the run
  }
  // Destroyed from its own handlers: a task's Finished, a Progress on a helper
  // thread, and the end of the run. No thread is left joinable, no event follows.
  for (const char* when : {"task", "progress", "end"}) {
    auto* enc = new FFEncoder;
    std::mutex mutex;
    std::condition_variable cv;
    bool destroyed = false;
    std::atomic<int> events_after{0};
    auto destroy = [&] {
      std::lock_guard lock(mutex);
      if (destroyed) {
        ++events_after;
        return;
      }
      delete enc;
      destroyed = true;
      cv.notify_all();
    };
    enc->SetProgressHandler([&, when](int, int64_t, int64_t, int64_t) {
      if (std::string(when) == "progress") destroy();
    });
    enc->SetFinishedHandler([&, when](int task, const ConversionOutcome&) {
      if ((std::string(when) == "task" && task >= 0) || (std::string(when) == "end" && task < 0)) destroy();
    });
    for (int i = 0; i < 3; ++i) {
      const int h = enc->OpenInput(Bytes(i == 0 ? SampleAudio() : SampleVideo()), "");
      ASSERT_GE(enc->SetOutput(h, Bytes(folder + when + QString::number(i) + (i == 0 ? ".mp3" : ".mp4")),
                               i == 0 ? kMp3 : kMp4),
                0);
    }
    enc->Start(2);
    std::unique_lock lock(mutex);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(120), [&] { return destroyed; })) << when;
    lock.unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(events_after, 0) << when;
    EXPECT_TRUE(Leftovers(folder).isEmpty()) << when;
  }
}

namespace {
FFEncoder* g_probing = nullptr;
std::atomic<int> g_answered{0};
std::atomic<int> g_asked{0};

// Called inside the encoder's reads: another thread asks the encoder something.
void AskDuringRead(int64_t) {
  if (!g_probing) return;
  ++g_asked;
  auto answer = std::async(std::launch::async, [] { return g_probing->LastErrorMessage(); });
  if (answer.wait_for(std::chrono::seconds(5)) == std::future_status::ready) ++g_answered;
}
}  // namespace

TEST(FFEncoderTest, OpeningASourceHoldsNoLockWhileReading) {
  // A copy no one has probed yet, so the encoder really reads it.
  const QString source = FreshFolder("unread") + "clip.mp4";
  ASSERT_TRUE(QFile::copy(SampleVideo(), source));
  FFEncoder enc;
  g_probing = &enc;
  media::SetReadHookForTesting(&AskDuringRead);
  const int task = enc.OpenInput(Bytes(source), "");
  media::SetReadHookForTesting(nullptr);
  g_probing = nullptr;
  EXPECT_GE(task, 0) << enc.LastErrorMessage();
  EXPECT_GT(g_asked, 0);
  EXPECT_EQ(g_answered, g_asked);
}
