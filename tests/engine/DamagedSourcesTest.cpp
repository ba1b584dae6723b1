// Files from real life: a damaged middle, a bad sound frame, a download cut short.
// What can be read is converted and the note says what was lost.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "engine/media/AVPointers.h"
#include "engine/media/SourceGuard.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

// An 8 s recording in `name`'s container (sound alone for mp3).
QString Source(const QString& name) {
  Fixtures::Recording(PathIn(name), 8, name.endsWith(".mp3"));
  return PathIn(name);
}

QString Damaged(const QString& source, const QString& name) {
  Fixtures::Damaged(source, PathIn(name));
  return PathIn(name);
}

}  // namespace

TEST(DamagedSourcesTest, DamageIsSkippedAndAnEarlyEndKeepsWhatItHolds) {
  const QString folder = FreshFolder("damaged");
  ASSERT_TRUE(
      Fixtures::CutShort(Source("whole.mp4"), PathIn("cut.mp4"), 0.55));  // the index at the front stays
  struct Case {
    QString source, output, note;
    double seconds;
  } cases[] = {
      {Damaged(Source("src.mp4"), "damaged.mp4"), "mp4.mp4", "damaged pictures were skipped", 8},
      {Damaged(Source("src.mkv"), "damaged.mkv"), "mkv.mp4", "damaged picture", 8},
      {Damaged(Source("src.ts"), "damaged.ts"), "ts.mp4", "damaged picture", 8},
      {Damaged(Source("src.mp3"), "damaged.mp3"), "mp3.mp3", "damaged pieces of sound were skipped", 8},
      {PathIn("cut.mp4"), "cut.mp4", "the source ends early, ", 4.4},
  };
  FFEncoder enc;
  EventRecorder events(enc);
  for (const Case& c : cases) {
    const int h = enc.OpenInput(Bytes(c.source), "");
    ASSERT_GE(h, 0) << c.source.toStdString() << enc.LastErrorMessage();
    const char* options =
        c.output.endsWith(".mp3") ? "-vn -ab 128k" : "-vcodec libx264 -vpre libx264-ultrafast";
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + c.output), options), 0) << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < 5; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.output.toStdString());
    const FinishedEvent e = events.For(i);
    EXPECT_EQ(e.kind, ConversionOutcome::Kind::DoneWithNotes) << e.message;
    EXPECT_NE(e.message.find(c.note.toStdString()), std::string::npos) << e.message;
    EXPECT_NEAR(Fixtures::ProbeDuration(folder + c.output), c.seconds, 0.6);
  }
  EXPECT_NE(events.For(0).message.find("(around 00:00:0"), std::string::npos) << events.For(0).message;
  EXPECT_NE(events.For(4).message.find(" of 8.0 seconds converted"), std::string::npos)
      << events.For(4).message;
}

// Too much lost fails, in words that say where; so does a source that shrinks
// while it is read (it is being changed, not damaged), and neither leaves a file.
TEST(DamagedSourcesTest, MostlyDamagedOrChangingSourcesFail) {
  const QString folder = FreshFolder("ruined");
  QByteArray data = ReadAll(Source("src.mkv"));
  for (qsizetype i = data.size() / 5; i < data.size() * 9 / 10; ++i)
    data[i] = static_cast<char>(i * 7 + 3);
  WriteFile(PathIn("ruined.mkv"), data);
  // Sound read straight through, so only the conversion reads far into it.
  const QString shrinking = PathIn("shrinking.wav");
  ASSERT_TRUE(Fixtures::Make(shrinking, {"-f", "lavfi", "-i", "sine=duration=8", "-ac", "2"}));
  FFEncoder enc;
  EventRecorder events(enc);
  const int ruined = enc.OpenInput(Bytes(PathIn("ruined.mkv")), "");
  ASSERT_GE(enc.SetOutput(ruined, Bytes(folder + "ruined.mp4"), "-vcodec libx264 -vpre libx264-ultrafast"),
            0);
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(ruined).failed);
  EXPECT_NE(events.For(ruined).message.find("is damaged from 00:00:01 on"), std::string::npos)
      << events.For(ruined).message;
  events.Reset();
  enc.ClearTasks();
  const int shrunk = enc.OpenInput(Bytes(shrinking), "");
  ASSERT_GE(enc.SetOutput(shrunk, Bytes(folder + "shrunk.mp3"), "-vn"), 0);
  static std::string shrink_path;
  shrink_path = Bytes(shrinking);
  media::SetReadHookForTesting([](int64_t position) {
    if (position > 1000000) truncate(shrink_path.c_str(), 400000);
  });
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  media::SetReadHookForTesting(nullptr);
  EXPECT_TRUE(events.For(shrunk).failed);
  EXPECT_NE(events.For(shrunk).message.find("changed on disk"), std::string::npos)
      << events.For(shrunk).message;
  EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Library error texts never reach a message raw.
TEST(DamagedSourcesTest, ErrorCodesReadAsPlainWords) {
  EXPECT_EQ(media::ErrorText(AVERROR_INVALIDDATA), "the file is damaged");
  EXPECT_EQ(media::ErrorText(AVERROR_EOF), "the file is incomplete");
  EXPECT_EQ(media::ErrorText(AVERROR_PATCHWELCOME), "this kind of file is not supported");
  EXPECT_EQ(
      media::ErrorText(FFERRTAG('X', 'Y', 'Z', '!')).rfind("the media library reported an unknown error", 0),
      0u);
}
