// Every output format the program offers, end to end: the option strings the
// conversion builder sends, run through the engine, checked with ffprobe.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <set>
#include <string>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "output/FormatTable.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

struct Expect {
  const char* key;      // its output file takes the extension of its format table row
  const char* options;  // exactly as built for a 640x480 source with sound, "Normal"
  // (disc targets get their norm's standard frame instead of 640x480)
  const char* format;  // substring of ffprobe's format_name
  const char* video;   // "" = no video expected
  int width, height;
  double fps;
  const char* audio;
  int rate, channels;
};

const Expect kVideoFormats[] = {
    {"3gp", "-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144", "3gp", "h263", 176, 144, 25, "amr_nb", 8000,
     1},
    {"avi", "-ac 2 -vcodec libxvid -vb 3388k -acodec libmp3lame -ab 128k -ar 44100 -s 640x480", "avi",
     "mpeg4", 640, 480, 25, "mp3", 44100, 2},
    {"asf", "-ac 2 -vcodec msmpeg4v2 -vb 2048k -acodec wmav2 -ab 128k -ar 44100 -s 640x480", "asf",
     "msmpeg4v2", 640, 480, 25, "wmav2", 44100, 2},
    {"wmv", "-ac 2 -vcodec wmv2 -vb 2048k -acodec wmav2 -ab 128k -ar 44100 -s 640x480", "asf", "wmv2", 640,
     480, 25, "wmav2", 44100, 2},
    {"flv", "-ac 2 -vb 2048k -ab 64k -ar 44100 -s 640x480", "flv", "flv1", 640, 480, 25, "mp3", 44100, 2},
    {"f4v",
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -f flv -vb 2048k -acodec libfaac -ab 128k -ar 44100 -ac 2 "
     "-s 640x480",
     "flv", "h264", 640, 480, 25, "aac", 44100, 2},
    {"swf", "-ac 2 -vb 2048k -ab 64k -ar 44100 -s 640x480", "swf", "flv1", 640, 480, 25, "mp3", 44100, 2},
    {"mkv",
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k  -acodec libmp3lame -ab 128k -ar 44100 -s "
     "640x480",
     "matroska", "h264", 640, 480, 25, "mp3", 44100, 2},
    {"mov", "-r 29.97 -ac 2 -vb 2048k -ab 256k -ar 44100 -s 640x480", "mov", "mpeg4", 640, 480, 29.97, "aac",
     44100, 2},
    {"mp4", "-r 29.97 -ac 2 -vb 2048k -ab 128k -ar 44100 -s 640x480", "mp4", "mpeg4", 640, 480, 29.97, "aac",
     44100, 2},
    {"mp4h264", "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -s 640x480", "mp4",
     "h264", 640, 480, 25, "aac", 44100, 2},
    {"mpg", "-ac 2 -vb 2048k -ab 128k -ar 44100 -s 640x480", "mpeg", "mpeg1video", 640, 480, 25, "mp2", 44100,
     2},
    {"ntsc-vcd", "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480", "mpeg", "mpeg1video", 352,
     240, 29.97, "mp2", 44100, 2},
    {"pal-vcd", "-ac 2 -target pal-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480", "mpeg", "mpeg1video", 352,
     288, 25, "mp2", 44100, 2},
    {"mpg2", "-ac 2 -vcodec mpeg2video -vb 2048k -ab 128k -ar 44100 -s 640x480", "mpeg", "mpeg2video", 640,
     480, 25, "mp2", 44100, 2},
    {"ntsc-dvd", "-ac 2 -target ntsc-dvd -ab 128k -ar 44100 -s 640x480", "mpeg", "mpeg2video", 720, 480,
     29.97, "ac3", 44100, 2},
    {"pal-dvd", "-ac 2 -target pal-dvd -ab 128k -ar 44100 -s 640x480", "mpeg", "mpeg2video", 720, 576, 25,
     "ac3", 44100, 2},
    {"rm", "-ac 2 -vcodec rv20 -vb 1000k -ab 128k -ar 44100 -s 640x480", "rm", "rv20", 640, 480, 25, "ac3",
     44100, 2},
    {"vob", "-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -s 640x480", "mpeg", "mpeg2video", 720, 576, 25,
     "ac3", 48000, 2},
    {"webm", "-ac 2 -vcodec libvpx -vb 2048k  -acodec libvorbis -ab 128k -ar 44100 -s 640x480", "webm", "vp8",
     640, 480, 25, "vorbis", 44100, 2},
    // Newer codecs (Opus takes 48 kHz only).
    {"mp4hevc", "-ac 2 -vcodec libx265 -vpre veryfast -vb 1280k -acodec aac -ab 128k -ar 44100 -s 640x480",
     "mp4", "hevc", 640, 480, 25, "aac", 44100, 2},
    {"webmvp9",
     "-ac 2 -vcodec libvpx-vp9 -vpre veryfast -vb 1280k -acodec libopus -ab 64k -ar 44100 -s 640x480", "webm",
     "vp9", 640, 480, 25, "opus", 48000, 2},
    {"mkvav1",
     "-ac 2 -vcodec libaom-av1 -vpre veryfast -vb 1024k -acodec libopus -ab 64k -ar 44100 -s 640x480",
     "matroska", "av1", 640, 480, 25, "opus", 48000, 2},
    {"webmav1",
     "-ac 2 -vcodec libaom-av1 -vpre veryfast -vb 1024k -acodec libopus -ab 64k -ar 44100 -s 640x480", "webm",
     "av1", 640, 480, 25, "opus", 48000, 2},
    {"mkvh264",
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -acodec aac -ab 128k -ar 44100 -s 640x480",
     "matroska", "h264", 640, 480, 25, "aac", 44100, 2},
};

const Expect kAudioFormats[] = {
    {"aac", "-ac 2 -vn -ab 128k -ar 44100", "aac", "", 0, 0, 0, "aac", 44100, 2},
    {"ac3", "-ac 2 -vn -ab 128k -ar 44100", "ac3", "", 0, 0, 0, "ac3", 44100, 2},
    {"aiff", "-ac 2 -vn  -ar 44100", "aiff", "", 0, 0, 0, "pcm_s16be", 44100, 2},
    {"flac", "-ac 2 -vn  -ar 44100", "flac", "", 0, 0, 0, "flac", 44100, 2},
    {"m4a", "-ac 2 -vn -ab 128k -ar 44100", "mp4", "", 0, 0, 0, "aac", 44100, 2},
    {"mp2", "-ac 2 -vn -ab 128k -ar 44100", "mp", "", 0, 0, 0, "mp2", 44100, 2},
    {"mp3", "-ac 2 -vn -ab 320k -ar 48000", "mp3", "", 0, 0, 0, "mp3", 48000, 2},
    {"ogg", "-ac 2 -vn -acodec libvorbis -ab 128k -ar 44100", "ogg", "", 0, 0, 0, "vorbis", 44100, 2},
    {"ra", "-ac 2 -vn  -ab 128k -ar 44100", "rm", "", 0, 0, 0, "ac3", 44100, 2},
    {"wav", "-ac 2 -vn  -ar 22050", "wav", "", 0, 0, 0, "pcm_s16le", 22050, 2},
    {"wma", "-ac 2 -vn  -acodec wmav2 -ab 128k -ar 44100", "asf", "", 0, 0, 0, "wmav2", 44100, 2},
    {"opus", "-ac 2 -vn -acodec libopus -ab 64k -ar 44100", "ogg", "", 0, 0, 0, "opus", 48000, 2},
};

QString OutputFolder(const QString& name) {
  const QString folder = PathIn(name);
  QDir().mkpath(folder);
  return folder + "/";
}

// Queues one task per entry from `source`, runs them all with two threads, and
// checks each output against its expectation.
void ConvertAndCheck(const QString& source, const QString& folder, const std::vector<Expect>& list,
                     bool source_has_video, const char* replace_size = nullptr) {
  FFEncoder encoder;
  EventRecorder events(encoder);
  encoder.ClearTasks();
  std::vector<QString> outputs;
  for (size_t i = 0; i < list.size(); ++i) {
    const Expect& e = list[i];
    std::string options = e.options;
    if (replace_size) {
      const size_t at = options.find(" -s 640x480");
      if (at != std::string::npos) options.replace(at, 11, replace_size);
    }
    const int handle = encoder.OpenInput(Bytes(source), "");
    ASSERT_EQ(handle, static_cast<int>(i));
    const FormatRow* row = FindFormat(e.key);
    ASSERT_NE(row, nullptr) << e.key;
    const QString out = folder + e.key + "." + row->extension;
    outputs.push_back(out);
    ASSERT_GE(encoder.SetOutput(handle, Bytes(out), options), 0)
        << e.key << ": " << encoder.LastErrorMessage();
  }
  encoder.Start(2);
  ASSERT_TRUE(events.WaitForEnd(300));
  EXPECT_EQ(events.EndCount(), 1);
  for (size_t i = 0; i < list.size(); ++i) {
    const Expect& e = list[i];
    SCOPED_TRACE(e.key);
    const FinishedEvent done = events.For(static_cast<int>(i));
    EXPECT_TRUE(done.succeeded) << done.message;
    EXPECT_FALSE(done.failed) << done.message;
    const Probed p = ProbeFile(outputs[i]);
    ASSERT_TRUE(p.ok);
    EXPECT_TRUE(p.format.contains(e.format)) << p.format.toStdString();
    // The SWF container records no duration for ffprobe to read.
    if (std::string(e.format) != "swf") {
      EXPECT_NEAR(p.duration, 2.0, 0.5);
    }
    if (source_has_video && *e.video) {
      EXPECT_EQ(p.video_codec, e.video);
      EXPECT_EQ(p.width, e.width);
      EXPECT_EQ(p.height, e.height);
      EXPECT_NEAR(p.frame_rate, e.fps, 0.02);
    } else {
      EXPECT_EQ(p.video_codec, "");
    }
    EXPECT_EQ(p.audio_codec, e.audio);
    EXPECT_EQ(p.sample_rate, e.rate);
    EXPECT_EQ(p.channels, e.channels);
  }
}

}  // namespace

// The conversions below cover every key of the format table, and a key is
// listed with the sound-only ones exactly when its row says it holds sound only.
TEST(FormatsTest, EveryFormatKeyIsConverted) {
  std::set<std::string> video, audio, table_video, table_audio;
  for (const Expect& e : kVideoFormats)
    video.insert(e.key);
  for (const Expect& e : kAudioFormats)
    audio.insert(e.key);
  for (const FormatRow& row : FormatRows())
    (row.audioOnly ? table_audio : table_video).insert(row.key);
  EXPECT_EQ(video, table_video);
  EXPECT_EQ(audio, table_audio);
}

TEST(FormatsTest, EveryVideoFormatFromAVideoSource) {
  ConvertAndCheck(SampleVideo(), OutputFolder("video-from-video"),
                  std::vector<Expect>(std::begin(kVideoFormats), std::end(kVideoFormats)), true);
}

TEST(FormatsTest, EveryAudioFormatFromAVideoSource) {
  ConvertAndCheck(SampleVideo(), OutputFolder("audio-from-video"),
                  std::vector<Expect>(std::begin(kAudioFormats), std::end(kAudioFormats)), true);
}

TEST(FormatsTest, EveryFormatFromAnAudioOnlySource) {
  // Without a picture the builder sends " -vn " instead of a size and "0k" as the
  // automatic video bitrate; the output then holds sound only.
  std::vector<Expect> all(std::begin(kVideoFormats), std::end(kVideoFormats));
  all.insert(all.end(), std::begin(kAudioFormats), std::end(kAudioFormats));
  std::vector<std::string> rewritten;
  rewritten.reserve(all.size());
  for (Expect& e : all) {
    std::string s = e.options;
    const size_t at = s.find(" -s 640x480");
    if (at != std::string::npos) s.replace(at, 11, " -vn ");
    for (const char* rate : {"-vb 2048k", "-vb 3388k", "-vb 1000k"}) {
      const size_t v = s.find(rate);
      if (v != std::string::npos) s.replace(v, std::string(rate).size(), "-vb 0k");
    }
    rewritten.push_back(s);
    e.options = rewritten.back().c_str();
  }
  ConvertAndCheck(SampleAudio(), OutputFolder("all-from-audio"), all, false);
}

// A disc target keeps a frame size its norm allows; any other size is fitted into the
// norm's standard frame with the picture's shape kept (bars fill the rest).
TEST(FormatsTest, DiscTargetsGetFramesOfTheirNorm) {
  struct Case {
    const char* name;
    const char* options;
    int width, height;
    const char* dar;
    int bar;  // rows of black expected at the top (0: the picture fills the frame)
  };
  const Case cases[] = {
      {"wide-pal-dvd", "-ac 2 -target pal-dvd -ab 128k -ar 44100 -s 640x360", 720, 576, "16:9", 0},
      {"wide-ntsc-vcd", "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 640x360", 352, 240, "4:3",
       30},
      {"tall-ntsc-dvd", "-ac 2 -target ntsc-dvd -ab 128k -ar 44100 -s 360x640", 720, 480, "4:3", 0},
      {"legal-ntsc-dvd", "-ac 2 -target ntsc-dvd -ab 128k -ar 44100 -s 352x240", 352, 240, "", 0},
      {"legal-pal-dvd", "-ac 2 -target pal-dvd -ab 128k -ar 44100 -s 704x576", 704, 576, "", 0},
      {"auto-size-vob", "-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000", 720, 576, "", 0},
  };
  const QString folder = OutputFolder("disc-frames");
  const QString white = folder + "white.mp4";
  ASSERT_TRUE(
      Fixtures::Make(white, {"-f", "lavfi", "-i", "color=white:s=320x240:r=25:d=1", "-pix_fmt", "yuv420p"}));
  FFEncoder encoder;
  EventRecorder events(encoder);
  int index = 0;
  for (const Case& c : cases) {
    ASSERT_EQ(encoder.OpenInput(Bytes(white), ""), index++);
    ASSERT_GE(encoder.SetOutput(index - 1, Bytes(folder + c.name + ".mpg"), c.options), 0)
        << c.name << ": " << encoder.LastErrorMessage();
  }
  encoder.Start(2);
  ASSERT_TRUE(events.WaitForEnd(300));
  for (int i = 0; i < index; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(events.For(i).succeeded) << events.For(i).message;
    const QString out = folder + c.name + ".mpg";
    const Probed p = ProbeFile(out);
    EXPECT_EQ(p.width, c.width);
    EXPECT_EQ(p.height, c.height);
    if (*c.dar) {
      // MPEG-1 stores the pixel shape from a fixed table: 4:3 on NTSC VCD reads 880:657.
      auto value = [](const QString& ratio) {
        const QStringList parts = ratio.split(':');
        return parts.size() == 2 && parts[1].toDouble() > 0 ? parts[0].toDouble() / parts[1].toDouble() : 0.0;
      };
      EXPECT_NEAR(value(p.dar), value(c.dar), 0.01) << p.dar.toStdString();
    }
    // The source is white: black rows at the top are the bars.
    auto brightest = [](unsigned rgb) { return std::max({rgb >> 16 & 255, rgb >> 8 & 255, rgb & 255}); };
    auto darkest = [](unsigned rgb) { return std::min({rgb >> 16 & 255, rgb >> 8 & 255, rgb & 255}); };
    const unsigned top = CornerColour(out, c.width / 2 - 4, 2, 8, 8);
    if (c.bar > 0) {
      EXPECT_LT(brightest(top), 40u) << std::hex << top;
      EXPECT_GT(darkest(CornerColour(out, c.width / 2 - 4, c.bar + 4, 8, 8)), 200u);
    } else {
      EXPECT_GT(darkest(top), 200u) << std::hex << top;
    }
    // Pillars: the picture of a tall source keeps its shape inside the 4:3 frame.
    if (std::string(c.name) == "tall-ntsc-dvd") {
      EXPECT_LT(brightest(CornerColour(out, 4, 200, 8, 8)), 40u);
    }
  }
}

// In constant quality mode the quality decides the size, not the bitrate that the
// format's option string still names: at its scale's best end a file is much larger
// than at its worst. x264 and x265 also write the mode into the stream.
TEST(FormatsTest, ConstantQualityReplacesTheBitrateOnEachEncoderThatHasIt) {
  const char* const keys[] = {"mp4h264", "mp4hevc", "webmvp9", "mkvav1"};
  const QString folder = OutputFolder("constant-quality");
  FFEncoder encoder;
  EventRecorder events(encoder);
  std::vector<QString> outputs;
  for (const char* key : keys) {
    const FormatRow* row = FindFormat(key);
    const QualityScale* scale = QualityScaleOf(*row);
    ASSERT_NE(scale, nullptr) << key;
    for (const int crf : {scale->best + 10, scale->worst}) {
      const QString out = folder + key + "-" + QString::number(crf) + "." + row->extension;
      const std::string options = std::string("-ac 2 -vcodec ") + scale->encoder +
                                  " -vpre veryfast -vb 2000k -an" + " -crf " + std::to_string(crf);
      const int handle = encoder.OpenInput(Bytes(SampleVideo()), "");
      ASSERT_GE(encoder.SetOutput(handle, Bytes(out), options), 0) << key << encoder.LastErrorMessage();
      outputs.push_back(out);
    }
  }
  encoder.Start(2);
  ASSERT_TRUE(events.WaitForEnd(300));
  for (size_t i = 0; i < outputs.size(); i += 2) {
    SCOPED_TRACE(keys[i / 2]);
    ASSERT_TRUE(events.For(static_cast<int>(i)).succeeded) << events.For(static_cast<int>(i)).message;
    ASSERT_TRUE(events.For(static_cast<int>(i + 1)).succeeded) << events.For(static_cast<int>(i + 1)).message;
    const qint64 fine = QFileInfo(outputs[i]).size(), coarse = QFileInfo(outputs[i + 1]).size();
    EXPECT_GT(fine, 3 * coarse) << fine << " vs " << coarse;
    EXPECT_LT(coarse, 2000 * 1000 / 8);  // far below the 2000k the string names, over 2 s
  }
  EXPECT_TRUE(ReadAll(outputs[0]).contains("rc=crf"));
  EXPECT_TRUE(ReadAll(outputs[0]).contains("crf=10.0"));
  EXPECT_TRUE(ReadAll(outputs[2]).contains("crf=10.0"));
}
