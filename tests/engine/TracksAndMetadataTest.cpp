// Every audio track, the subtitles the container can hold, the file's tags,
// chapters and date survive a conversion; what cannot be kept is said.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

extern "C" {
#include <libavformat/avformat.h>
}

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"
#include "engine/convert/StreamSelection.h"
#include "engine/convert/SubtitleBurnIn.h"
#include "support/Fixtures.h"
#include "support/SyntheticSource.h"

using namespace enginetest;

namespace {

// 2 s picture, two tone tracks (English, French), an srt track, file tags and two
// chapters.
QString Tagged() {
  static const QString path = [] {
    const QString srt = PathIn("tagged.srt"), meta = PathIn("tagged.txt"), p = PathIn("tagged source.mkv");
    WriteFile(srt, "1\n00:00:00,200 --> 00:00:01,000\nHello\n\n2\n00:00:01,200 --> 00:00:01,800\nWorld\n");
    WriteFile(meta,
              ";FFMETADATA1\ntitle=Holiday\nartist=Someone\nalbum=Summer\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Arrival\n"
              "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Beach\n");
    Fixtures::Make(p, {"-f",
                       "lavfi",
                       "-i",
                       "testsrc=s=320x240:r=25:d=2",
                       "-f",
                       "lavfi",
                       "-i",
                       "sine=f=440:d=2",
                       "-f",
                       "lavfi",
                       "-i",
                       "sine=f=880:d=2",
                       "-i",
                       srt,
                       "-i",
                       meta,
                       "-map",
                       "0",
                       "-map",
                       "1",
                       "-map",
                       "2",
                       "-map",
                       "3",
                       "-map_metadata",
                       "4",
                       "-map_chapters",
                       "4",
                       "-metadata",
                       "creation_time=2020-01-02T03:04:05Z",
                       "-metadata:s:a:0",
                       "language=eng",
                       "-metadata:s:a:1",
                       "language=fra",
                       "-metadata:s:s:0",
                       "language=deu",
                       "-c:v",
                       "libx264",
                       "-preset",
                       "ultrafast",
                       "-c:a",
                       "aac",
                       "-c:s",
                       "srt"});
    // An old date, to see it carried over.
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    utimensat(AT_FDCWD, Bytes(p).c_str(), times, 0);
    return p;
  }();
  return path;
}

QJsonObject ProbeAll(const QString& file) {
  QString out;
  Fixtures::Run("ffprobe",
                {"-v", "error", "-show_format", "-show_streams", "-show_chapters", "-of", "json", file},
                &out);
  return QJsonDocument::fromJson(out.toUtf8()).object();
}

QStringList Streams(const QJsonObject& probe, const QString& type, const QString& field) {
  QStringList values;
  for (const QJsonValue& v : probe["streams"].toArray()) {
    const QJsonObject s = v.toObject();
    if (s["codec_type"] != type) continue;
    values << (field == "codec" ? s["codec_name"].toString() : s["tags"].toObject()[field].toString());
  }
  return values;
}

int64_t ModifiedSeconds(const QString& file) {
  struct stat st {};
  return stat(Bytes(file).c_str(), &st) == 0 ? st.st_mtim.tv_sec : -1;
}

}  // namespace

TEST(TracksTest, EveryAudioTrackAndTheSubtitlesTheContainerHolds) {
  FFDecoder probe;
  ASSERT_TRUE(probe.Open(Bytes(Tagged()), ""));
  EXPECT_EQ(probe.AudioStreamCount(), 2);
  EXPECT_EQ(probe.SubtitleStreamCount(), 1);

  const QString folder = PathIn("tracks") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  struct Case {
    const char* name;
    const char* options;
  } cases[] = {
      {"all.mkv", "-vcodec libx264 -vpre libx264-ultrafast"},
      {"all.mp4", "-vcodec libx264 -vpre libx264-ultrafast"},
      {"first.mkv", "-vcodec libx264 -vpre libx264-ultrafast -audiotracks first -subtitles none"},
      {"one.flv", ""},
      {"sound.mp3", ""},
      {"sound.ogg", "-vn -acodec libvorbis"},
  };
  for (const Case& c : cases) {
    const int h = enc.OpenInput(Bytes(Tagged()), "");
    ASSERT_GE(h, 0) << enc.LastErrorMessage();
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + c.name), c.options), 0) << c.name << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < 6; ++i)
    ASSERT_TRUE(events.For(i).succeeded) << cases[i].name << events.For(i).message;

  const QJsonObject mkv = ProbeAll(folder + "all.mkv");
  EXPECT_EQ(Streams(mkv, "audio", "language"), QStringList({"eng", "fra"}));
  EXPECT_EQ(Streams(mkv, "subtitle", "codec"), QStringList({"subrip"}));
  EXPECT_EQ(Streams(mkv, "subtitle", "language"), QStringList({"deu"}));
  EXPECT_EQ(events.For(0).message, "");

  // MP4 holds text subtitles as mov_text; the words survive the change.
  const QJsonObject mp4 = ProbeAll(folder + "all.mp4");
  EXPECT_EQ(Streams(mp4, "audio", "language"), QStringList({"eng", "fra"}));
  EXPECT_EQ(Streams(mp4, "subtitle", "codec"), QStringList({"mov_text"}));
  QString text;
  Fixtures::Run("ffmpeg", {"-v", "error", "-i", folder + "all.mp4", "-map", "0:s:0", "-f", "srt", "-"},
                &text);
  EXPECT_TRUE(text.contains("Hello") && text.contains("World")) << text.toStdString();
  // Times follow the pictures (which start where the source's first packet did).
  EXPECT_TRUE(text.contains(QRegularExpression("00:00:01,2\\d\\d --> 00:00:01,8\\d\\d")))
      << text.toStdString();

  const QJsonObject first = ProbeAll(folder + "first.mkv");
  EXPECT_EQ(Streams(first, "audio", "language"), QStringList({"eng"}));
  EXPECT_TRUE(Streams(first, "subtitle", "codec").isEmpty());

  // FLV holds one sound track and no subtitles: the row names each part left out.
  const QJsonObject flv = ProbeAll(folder + "one.flv");
  EXPECT_EQ(Streams(flv, "audio", "codec").size(), 1);
  EXPECT_EQ(events.For(3).message,
            "1 subtitle track left out: the flv container cannot hold it\n"
            "2nd sound track left out: the flv container holds one");
  // Sound-only results name the second sound track and the subtitles too.
  EXPECT_EQ(Streams(ProbeAll(folder + "sound.mp3"), "audio", "codec").size(), 1);
  EXPECT_EQ(Streams(ProbeAll(folder + "sound.ogg"), "audio", "codec").size(), 1);
  EXPECT_EQ(events.For(5).message,
            "2nd sound track left out: the ogg container holds one\n"
            "1 subtitle track left out: the output holds only sound");
}

TEST(TracksTest, SubtitleChoicesPerContainer) {
  auto choose = [](AVCodecID codec, const char* muxer) {
    convert::SubtitleChoice c;
    if (!convert::ChooseSubtitle(codec, av_guess_format(muxer, nullptr, nullptr), &c))
      return std::string("drop");
    return c.copy ? std::string("copy") : std::string(avcodec_get_name(c.convert_to));
  };
  EXPECT_EQ(choose(AV_CODEC_ID_SUBRIP, "matroska"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_ASS, "matroska"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_SUBRIP, "mp4"), "mov_text");
  EXPECT_EQ(choose(AV_CODEC_ID_ASS, "mov"), "mov_text");
  EXPECT_EQ(choose(AV_CODEC_ID_MOV_TEXT, "matroska"), "ass");
  // Pictures (DVD subtitles) stay where the muxer takes them.
  EXPECT_EQ(choose(AV_CODEC_ID_DVD_SUBTITLE, "matroska"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_DVD_SUBTITLE, "vob"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_DVD_SUBTITLE, "mpegts"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_DVD_SUBTITLE, "mp4"), "copy");
  EXPECT_EQ(choose(AV_CODEC_ID_DVD_SUBTITLE, "avi"), "drop");
  EXPECT_EQ(choose(AV_CODEC_ID_SUBRIP, "flv"), "drop");
  EXPECT_TRUE(convert::HoldsSeveralAudioTracks(av_guess_format("avi", nullptr, nullptr)));
  EXPECT_FALSE(convert::HoldsSeveralAudioTracks(av_guess_format("flv", nullptr, nullptr)));
  EXPECT_FALSE(convert::HoldsSeveralAudioTracks(av_guess_format("mp3", nullptr, nullptr)));
}

// Attachments and data streams, which no lane carries, are named too.
TEST(TracksTest, AttachmentsAndDataStreamsLeftOutAreNamed) {
  media::SourceDescription source = testing_support::SyntheticSource(320, 240, 2);
  for (AVMediaType type : {AVMEDIA_TYPE_ATTACHMENT, AVMEDIA_TYPE_ATTACHMENT, AVMEDIA_TYPE_DATA}) {
    media::StreamFacts f;
    f.index = static_cast<int>(source.streams.size());
    f.type = type;
    source.streams.push_back(f);
  }
  const AVOutputFormat* mkv = av_guess_format("matroska", nullptr, nullptr);
  const std::vector<std::string> notes = convert::LeftOutNotes(source, mkv, {1}, true, true, true);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0], "2 attachments (fonts or pictures) left out: attachments are not carried over");
  EXPECT_EQ(notes[1], "1 data stream left out: only pictures, sound and subtitles are carried over");
}

TEST(MetadataTest, TagsChaptersAndTheFileDateAreKept) {
  const QString folder = PathIn("metadata") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  const char* names[] = {"kept.mp4", "kept.mkv", "kept.mp3", "today.mp4"};
  for (const char* name : names) {
    const int h = enc.OpenInput(Bytes(Tagged()), "");
    const std::string date = std::string(name) == "today.mp4" ? "-filedate now" : "";
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + name), date), 0) << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < 4; ++i)
    ASSERT_TRUE(events.For(i).succeeded) << names[i] << events.For(i).message;
  for (const char* name : {"kept.mp4", "kept.mkv", "kept.mp3"}) {
    SCOPED_TRACE(name);
    const QJsonObject p = ProbeAll(folder + name);
    const QJsonObject tags = p["format"].toObject()["tags"].toObject();
    // Tag names differ in letter case between containers.
    auto tag = [&tags](const QString& key) {
      for (auto it = tags.begin(); it != tags.end(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.value().toString();
      return QString();
    };
    EXPECT_EQ(tag("title"), "Holiday");
    EXPECT_EQ(tag("artist"), "Someone");
    const QJsonArray chapters = p["chapters"].toArray();
    ASSERT_EQ(chapters.size(), 2);
    EXPECT_EQ(chapters[1].toObject()["tags"].toObject()["title"].toString(), "Beach");
    EXPECT_NEAR(chapters[1].toObject()["start_time"].toString().toDouble(), 1.0, 0.01);
    EXPECT_EQ(ModifiedSeconds(folder + name), 1000000000);
  }
  EXPECT_TRUE(ProbeAll(folder + "kept.mp4")["format"]
                  .toObject()["tags"]
                  .toObject()["creation_time"]
                  .toString()
                  .startsWith("2020-01-02T03:04:05"));
  EXPECT_GT(ModifiedSeconds(folder + "today.mp4"), 1000000000 + 3600);
}

TEST(BurnInTest, TheDefaultTextTrackIsDrawnIntoThePicture) {
  // Black picture, white words from the first moment; awkward file names.
  const QString srt = PathIn("burn.srt"), source = PathIn("burn it's [a], b;c.mkv");
  WriteFile(srt, "1\n00:00:00,000 --> 00:00:02,000\nHELLO HELLO HELLO\n");
  ASSERT_TRUE(
      Fixtures::Make(source, {"-f", "lavfi", "-i", "color=black:s=320x240:r=25:d=2", "-i", srt, "-map", "0",
                              "-map", "1", "-c:v", "libx264", "-preset", "ultrafast", "-c:s", "srt"}));
  // A trailing space and a newline: the sibling without them is a list of other
  // files whose words come only after the picture has ended.
  const QString spaced = PathIn("burn.mkv "), lined = PathIn("burn\nline.mkv");
  ASSERT_TRUE(QFile::copy(source, spaced));
  ASSERT_TRUE(QFile::copy(source, lined));
  WriteFile(PathIn("late.srt"), "1\n00:00:05,000 --> 00:00:06,000\nPRIVATE PRIVATE\n");
  WriteFile(PathIn("burn.mkv"), "ffconcat version 1.0\nfile late.srt\n");
  const QString folder = PathIn("burn") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  const QString sources[] = {source, source, SampleVideo(), spaced, lined};
  const char* names[] = {"burnt.mp4", "plain.mp4", "sound only.mkv", "spaced.mp4", "lined.mp4"};
  const std::string burn = "-vcodec libx264 -subtitles burn";
  const std::string options[] = {burn, "-vcodec libx264 -subtitles none", burn, burn, burn};
  for (int i = 0; i < 5; ++i) {
    const int h = enc.OpenInput(Bytes(sources[i]), "");
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + names[i]), options[i]), 0) << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < 5; ++i)
    ASSERT_TRUE(events.For(i).succeeded) << names[i] << events.For(i).message;
  // The lower third holds the words: brighter than black once burnt in.
  auto brightness = [](const QString& file) {
    const unsigned rgb = CornerColour(file, 40, 190, 240, 40);
    return ((rgb >> 16) & 255) + ((rgb >> 8) & 255) + (rgb & 255);
  };
  for (const char* burnt : {"burnt.mp4", "spaced.mp4", "lined.mp4"})
    EXPECT_GT(brightness(folder + burnt), 10u) << burnt;  // thin white letters over black
  EXPECT_LT(brightness(folder + "plain.mp4"), 5u);
  EXPECT_TRUE(Streams(ProbeAll(folder + "burnt.mp4"), "subtitle", "codec").isEmpty());
  EXPECT_EQ(events.For(2).message, "");  // nothing to burn, nothing to say
  EXPECT_EQ(convert::EscapeFilterValue("a'b:c,d\\e"), "a\\\\\\'b\\\\:c\\,d\\\\\\\\e");
}
