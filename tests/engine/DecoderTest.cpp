// Probing real generated files and every kind of bad input.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QRandomGenerator>

#include "EngineTestUtil.h"
#include "engine/FFDecoder.h"
#include "support/Fixtures.h"

using namespace enginetest;

TEST(FFDecoderTest, ReportsStreamsCodecsSizeAndDuration) {
  FFDecoder dec;
  ASSERT_TRUE(dec.Open(Bytes(SampleVideo()), "")) << dec.LastErrorMessage();
  const int v = dec.VideoStreamIndex();
  const int a = dec.AudioStreamIndex();
  ASSERT_GE(v, 0);
  ASSERT_GE(a, 0);
  EXPECT_NE(a, v);
  EXPECT_EQ(dec.VideoCodecName(v), "h264");
  EXPECT_EQ(dec.AudioCodecName(a), "aac");
  EXPECT_EQ(dec.VideoWidth(v), 320);
  EXPECT_EQ(dec.VideoHeight(v), 240);
  EXPECT_EQ(dec.VideoStreamCount(), 1);
  EXPECT_EQ(dec.AudioStreamCount(), 1);
  EXPECT_NEAR(dec.Duration() / 1e6, 2.0, 0.1);
  // Wrong kinds and bad indices give the fallbacks, never a crash.
  EXPECT_EQ(dec.AudioCodecName(v), "");
  EXPECT_EQ(dec.VideoCodecName(-1), "");
  EXPECT_EQ(dec.VideoWidth(99), 0);
  EXPECT_EQ(dec.VideoHeight(a), 0);
  dec.Close();
  EXPECT_EQ(dec.VideoStreamIndex(), -1);
  EXPECT_EQ(dec.Duration(), 0);
  EXPECT_EQ(dec.VideoCodecName(v), "");
}

TEST(FFDecoderTest, AudioOnlyAndCoverArtFiles) {
  FFDecoder dec;
  ASSERT_TRUE(dec.Open(Bytes(SampleAudio()), "")) << dec.LastErrorMessage();
  EXPECT_EQ(dec.VideoStreamIndex(), -1);
  EXPECT_EQ(dec.VideoStreamCount(), 0);
  EXPECT_EQ(dec.AudioCodecName(dec.AudioStreamIndex()), "pcm_s16le");
  EXPECT_NEAR(dec.Duration() / 1e6, 2.0, 0.1);

  // An MP3 with an embedded cover picture is still an audio-only file.
  const QString cover = PathIn("cover.png");
  ASSERT_TRUE(Fixtures::Make(cover, {"-f", "lavfi", "-i", "color=red:size=64x64", "-frames:v", "1"}));
  const QString tagged = PathIn("tagged.mp3");
  ASSERT_TRUE(Fixtures::Make(tagged, {"-i", SampleAudio(), "-i", cover, "-map", "0:a", "-map", "1:v", "-c:v",
                                      "png", "-disposition:v", "attached_pic", "-id3v2_version", "3"}));
  ASSERT_TRUE(dec.Open(Bytes(tagged), ""));
  EXPECT_EQ(dec.VideoStreamCount(), 0);
  EXPECT_EQ(dec.VideoStreamIndex(), -1);
  EXPECT_EQ(dec.AudioCodecName(dec.AudioStreamIndex()), "mp3");
}

TEST(FFDecoderTest, DurationIsEstimatedWithoutHeaderValue) {
  // Raw ADTS AAC carries no duration in any header.
  const QString raw = PathIn("raw.aac");
  ASSERT_TRUE(Fixtures::Make(raw, {"-i", SampleAudio(), "-c:a", "aac", "-b:a", "128k"}));
  FFDecoder dec;
  ASSERT_TRUE(dec.Open(Bytes(raw), "")) << dec.LastErrorMessage();
  EXPECT_NEAR(dec.Duration() / 1e6, 2.0, 0.5);
}

TEST(FFDecoderTest, AwkwardFileNames) {
  FFDecoder dec;
  for (const QString& name : {QString("spaces and \"quotes\" 'too'.mp4"), QString("äöü 日本 ñ.mp4"),
                              QString("colon:prefix.mp4"), QString("-dash.mp4")}) {
    const QString path = PathIn(name);
    QFile::remove(path);
    ASSERT_TRUE(QFile::copy(SampleVideo(), path)) << name.toStdString();
    EXPECT_TRUE(dec.Open(Bytes(path), "")) << name.toStdString() << ": " << dec.LastErrorMessage();
    EXPECT_EQ(dec.VideoWidth(dec.VideoStreamIndex()), 320);
  }
}

TEST(FFDecoderTest, BadInputsFailWithAMessage) {
  QByteArray noise(64 * 1024, 0);
  for (auto& c : noise)
    c = static_cast<char>(QRandomGenerator::global()->bounded(256));
  QFile source(SampleVideo());
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray whole = source.readAll();

  WriteFile(PathIn("empty.mp4"), {});
  WriteFile(PathIn("noise.mp4"), noise);
  WriteFile(PathIn("text.mp4"), "This is just a text file.\nNothing to see.\n");
  WriteFile(PathIn("truncated.mp4"), whole.left(whole.size() / 3));
  const QString fifo = PathIn("pipe.mp4");
  ASSERT_EQ(mkfifo(Bytes(fifo).c_str(), 0600), 0);

  FFDecoder dec;
  // A good file first, so a failing open is seen to drop the old state.
  ASSERT_TRUE(dec.Open(Bytes(SampleVideo()), ""));
  for (const QString& name :
       {QString("empty.mp4"), QString("noise.mp4"), QString("text.mp4"), QString("truncated.mp4"),
        QString("missing.mp4"), QString("pipe.mp4"), QString("")}) {
    const QString path = name.isEmpty() ? Folder().path() : PathIn(name);
    EXPECT_FALSE(dec.Open(Bytes(path), "")) << name.toStdString();
    EXPECT_FALSE(dec.LastErrorMessage().empty()) << name.toStdString();
    EXPECT_EQ(dec.VideoStreamIndex(), -1);
    EXPECT_EQ(dec.Duration(), 0);
  }
  EXPECT_EQ(dec.LastErrorMessage(), "The path is a folder, not a file");
  EXPECT_FALSE(dec.Open("", ""));
  // /dev/zero never ends; it must be refused, not read forever.
  EXPECT_FALSE(dec.Open("/dev/zero", ""));
  // And the decoder still works afterwards.
  EXPECT_TRUE(dec.Open(Bytes(SampleAudio()), ""));
}
