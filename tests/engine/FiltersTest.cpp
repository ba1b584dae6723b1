// Crop, scale, flips, turns and aspect have their visible effect on the picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdlib>
#include <utility>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "engine/convert/InterlaceCheck.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

// 320x240, one colour per quarter: red top-left, blue top-right, green
// bottom-left, white bottom-right.
QString Quarters() {
  static const QString path = [] {
    const QString p = PathIn("quarters.mp4");
    Fixtures::Make(p, {"-f", "lavfi", "-i",
                       "color=red:s=160x120:d=1[a];color=blue:s=160x120:d=1[b];color=green:s=160x120:d=1[c];"
                       "color=white:s=160x120:d=1[d];[a][b]hstack[t];[c][d]hstack[u];[t][u]vstack",
                       "-pix_fmt", "yuv420p", "-c:v", "libx264", "-qp", "0"});
    return p;
  }();
  return path;
}

enum Colour { Red, Blue, Green, White, Other };

Colour Classify(unsigned rgb) {
  const int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
  if (r > 180 && g > 180 && b > 180) return White;
  if (r > 150 && g < 90 && b < 90) return Red;
  if (b > 150 && r < 90 && g < 90) return Blue;
  if (g > 90 && r < 90 && b < 90) return Green;  // lavfi "green" is 0,128,0
  return Other;
}

struct Case {
  const char* name;
  const char* chain;  // the -vf value, quoted as the builder quotes it
  const char* size;   // -s value or ""
  int width, height;
  Colour top_left, top_right, bottom_left;
};

}  // namespace

TEST(FiltersTest, FlipsTurnsCropAndScaleMoveThePicture) {
  const Case cases[] = {
      {"none", "", "320x240", 320, 240, Red, Blue, Green},
      {"vflip", "vflip", "320x240", 320, 240, Green, White, Red},
      {"hflip", "hflip", "320x240", 320, 240, Blue, Red, White},
      {"rotate90", "rotate=90", "320x240", 240, 320, Green, Red, White},
      {"rotate-90", "rotate=-90", "320x240", 240, 320, Blue, White, Red},
      {"rotate270", "rotate=270", "", 240, 320, Blue, White, Red},
      {"rotate180", "rotate=180", "320x240", 320, 240, White, Green, Blue},
      {"vflip+rotate90", "vflip,rotate=90", "320x240", 240, 320, Red, Green, Blue},
      {"crop", "crop=160:120:160:0", "", 160, 120, Blue, Blue, Blue},
      {"crop+scale", "crop=320:120:0:120,scale=200:100", "", 200, 100, Green, White, Green},
      {"odd crop", "crop=161:121:0:0", "", 160, 120, Red, Red, Red},
  };
  const QString folder = PathIn("filters") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  int index = 0;
  for (const Case& c : cases) {
    std::string options = "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 2000k -an";
    if (*c.size) options += std::string(" -s ") + c.size;
    if (*c.chain) options += std::string(" -vf \"") + c.chain + "\"";
    const int h = enc.OpenInput(Bytes(Quarters()), "");
    ASSERT_EQ(h, index++);
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + c.name + ".mp4"), options), 0)
        << c.name << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < index; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(events.For(i).succeeded) << events.For(i).message;
    const QString out = folder + c.name + ".mp4";
    const Probed p = ProbeFile(out);
    EXPECT_EQ(p.width, c.width);
    EXPECT_EQ(p.height, c.height);
    const int s = 10;  // sample 10x10 blocks a little inside each corner
    EXPECT_EQ(Classify(CornerColour(out, 4, 4, s, s)), c.top_left);
    EXPECT_EQ(Classify(CornerColour(out, c.width - s - 4, 4, s, s)), c.top_right);
    EXPECT_EQ(Classify(CornerColour(out, 4, c.height - s - 4, s, s)), c.bottom_left);
  }
}

TEST(FiltersTest, AspectFrameRateAndOddSizes) {
  const QString folder = PathIn("aspect") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  const int wide = enc.OpenInput(Bytes(SampleVideo()), "");
  const int odd = enc.OpenInput(Bytes(SampleVideo()), "");
  const int h263 = enc.OpenInput(Bytes(SampleVideo()), "");
  const int real = enc.OpenInput(Bytes(SampleVideo()), "");
  const int huge = enc.OpenInput(Bytes(SampleVideo()), "");
  ASSERT_GE(enc.SetOutput(wide, Bytes(folder + "wide.mp4"), "-aspect 16:9 -r 15 -ac 1 -vb 300k -s 320x240"),
            0);
  ASSERT_GE(enc.SetOutput(odd, Bytes(folder + "odd.mp4"), "-vcodec libx264 -s 321x241"), 0);
  // H.263 only codes a few sizes; the nearest is taken.
  ASSERT_GE(enc.SetOutput(h263, Bytes(folder + "h263.3gp"), "-ac 1 -ar 8000 -s 320x240"), 0);
  // RealVideo 2 needs sizes on a grid of 4.
  ASSERT_GE(enc.SetOutput(real, Bytes(folder + "real.rm"), "-vcodec rv20 -vb 1000k -s 322x242"), 0);
  // MPEG-1 cannot code this width: a clear failure, not a crash.
  ASSERT_GE(enc.SetOutput(huge, Bytes(folder + "huge.mpg"), "-an -s 5000x100"), 0);
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  EXPECT_TRUE(events.For(huge).failed);
  EXPECT_NE(events.For(huge).message.find("mpeg1video"), std::string::npos) << events.For(huge).message;
  ASSERT_TRUE(events.For(real).succeeded) << events.For(real).message;
  EXPECT_EQ(ProbeFile(folder + "real.rm").width, 320);
  ASSERT_TRUE(events.For(wide).succeeded) << events.For(wide).message;
  ASSERT_TRUE(events.For(odd).succeeded) << events.For(odd).message;
  ASSERT_TRUE(events.For(h263).succeeded) << events.For(h263).message;
  const Probed w = ProbeFile(folder + "wide.mp4");
  EXPECT_EQ(w.dar, "16:9");
  EXPECT_NEAR(w.frame_rate, 15, 0.01);
  EXPECT_EQ(w.channels, 1);
  const Probed o = ProbeFile(folder + "odd.mp4");
  EXPECT_EQ(o.width, 320);
  EXPECT_EQ(o.height, 240);
  const Probed g = ProbeFile(folder + "h263.3gp");
  EXPECT_EQ(g.width, 352);
  EXPECT_EQ(g.height, 288);
}

TEST(FiltersTest, AnyWholeAngleTurnsThePictureInsideALargerFrame) {
  const QString folder = PathIn("angles") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  // As the builder sends them: the source size, then the turn.
  const int turned = enc.OpenInput(Bytes(Quarters()), "");
  ASSERT_GE(enc.SetOutput(turned, Bytes(folder + "45.mp4"),
                          "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -an -s 320x240 -vf \"rotate=45\""),
            0)
      << enc.LastErrorMessage();
  const int back = enc.OpenInput(Bytes(Quarters()), "");
  ASSERT_GE(enc.SetOutput(back, Bytes(folder + "-30.mp4"), "-an -vf \"crop=200:100:0:0,rotate=-30\""), 0)
      << enc.LastErrorMessage();
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(events.For(turned).succeeded) << events.For(turned).message;
  ASSERT_TRUE(events.For(back).succeeded) << events.For(back).message;

  // 320x240 turned by 45 degrees needs (320 + 240) * cos 45 = 396 pixels each way.
  const QString out = folder + "45.mp4";
  const Probed p = ProbeFile(out);
  EXPECT_EQ(p.width, 396);
  EXPECT_EQ(p.height, 396);
  EXPECT_EQ(p.dar, "1:1");
  EXPECT_EQ(Classify(CornerColour(out, 2, 2, 10, 10)), Other);  // black fill
  // The old top-left (red) corner now points up, the top-right (blue) one right.
  EXPECT_EQ(Classify(CornerColour(out, 187, 35, 10, 10)), Red);
  EXPECT_EQ(Classify(CornerColour(out, 340, 190, 10, 10)), Blue);
  // 200x100 turned by -30 degrees: 200 cos 30 + 100 sin 30 = 223, 200 sin 30 + 100 cos 30 = 187.
  const Probed q = ProbeFile(folder + "-30.mp4");
  EXPECT_EQ(q.width, 222);  // even for 4:2:0
  EXPECT_EQ(q.height, 186);
}

namespace {

// 50 moving pictures a second woven into 25 interlaced ones, top field first: combed
// wherever something moves. `flags` are the encoder's (and header's) interlace marks.
QString Interlaced(const QString& name, const QStringList& codec) {
  const QString path = PathIn(name);
  if (!QFile::exists(path))
    Fixtures::Make(path, QStringList{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=50", "-t", "2", "-vf",
                                     "tinterlace=interleave_top"} +
                             codec);
  return path;
}

// How many of a file's pictures libavfilter's idet finds combed (either field first).
int CombedPictures(const QString& path) {
  QString log;
  Fixtures::Run("ffmpeg", {"-hide_banner", "-nostats", "-i", path, "-vf", "idet", "-f", "null", "-"}, &log);
  const QRegularExpressionMatch m =
      QRegularExpression(R"(Multi frame detection: TFF:\s*(\d+)\s*BFF:\s*(\d+))").match(log);
  return m.hasMatch() ? m.captured(1).toInt() + m.captured(2).toInt() : -1;
}

// Seconds into `path` where the picture first turns blue and where the sound first
// becomes loud, both decoded with the ffmpeg tool; -1 when never.
std::pair<double, double> SwitchTimes(const QString& path) {
  const QString pixels = PathIn("switch.rgb"), samples = PathIn("switch.pcm");
  if (Fixtures::Run("ffmpeg",
                    {"-y", "-v", "error", "-i", path, "-vf", "scale=1:1:flags=area,format=rgb24", "-f",
                     "rawvideo", pixels, "-ac", "1", "-ar", "8000", "-f", "s16le", samples}) != 0)
    return {-1, -1};
  std::pair<double, double> at{-1, -1};
  const QByteArray rgb = ReadAll(pixels);
  for (qsizetype i = 0; i + 2 < rgb.size() && at.first < 0; i += 3)
    if (static_cast<unsigned char>(rgb[i + 2]) > 150 && static_cast<unsigned char>(rgb[i]) < 90)
      at.first = static_cast<double>(i / 3) / 25;
  const QByteArray pcm = ReadAll(samples);
  for (qsizetype i = 0; i + 1 < pcm.size() && at.second < 0; i += 2)
    if (std::abs(static_cast<int16_t>(static_cast<unsigned char>(pcm[i]) | (pcm[i + 1] << 8))) > 3000)
      at.second = static_cast<double>(i / 2) / 8000;
  return at;
}

}  // namespace

TEST(FiltersTest, DeinterlacingWeavesCombedPicturesWhereverTheyAreFound) {
  // The header says top field first; an MPEG-4 Part 2 file says nothing, so Auto looks.
  const QString flagged = Interlaced(
      "flagged.ts", {"-flags", "+ilme+ildct", "-field_order", "tt", "-c:v", "mpeg2video", "-q:v", "2"});
  const QString unmarked = Interlaced("unmarked.avi", {"-c:v", "mpeg4", "-q:v", "2"});
  const QString folder = FreshFolder("deinterlace");
  FFEncoder enc;
  EventRecorder events(enc);
  const std::string options = "-vcodec libx264 -vpre libx264-ultrafast -vb 3000k -an -deinterlace ";
  const struct {
    QString source;
    const char* mode;
    const char* name;
  } runs[] = {
      {flagged, "auto", "flagged.mp4"}, {unmarked, "auto", "unmarked.mp4"}, {unmarked, "off", "kept.mp4"}};
  for (const auto& run : runs) {
    const int h = enc.OpenInput(Bytes(run.source), "");
    ASSERT_GE(enc.SetOutput(h, Bytes(folder + run.name), options + run.mode), 0) << enc.LastErrorMessage();
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(events.For(i).succeeded) << runs[i].name << events.For(i).message;
  EXPECT_GT(CombedPictures(folder + "kept.mp4"), 40);  // of 50: what the check would catch
  EXPECT_LT(CombedPictures(folder + "flagged.mp4"), 5);
  EXPECT_LT(CombedPictures(folder + "unmarked.mp4"), 5);
  EXPECT_NEAR(ProbeFile(folder + "unmarked.mp4").frame_rate, 25, 0.01);  // a picture per picture

  // The look itself: the woven pictures are found, whole ones are left alone.
  const QString whole = PathIn("whole.avi");
  ASSERT_TRUE(Fixtures::Make(
      whole, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-t", "2", "-c:v", "mpeg4", "-q:v", "2"}));
  std::string error;
  EXPECT_EQ(convert::DetectFieldOrder(Bytes(unmarked), 0, 1, 10000, nullptr, &error), AV_FIELD_TT) << error;
  EXPECT_EQ(convert::DetectFieldOrder(Bytes(whole), 0, 1, 10000, nullptr, &error), AV_FIELD_PROGRESSIVE)
      << error;
  EXPECT_EQ(convert::DetectFieldOrder(Bytes(PathIn("missing.avi")), 0, 1, 10000, nullptr, &error),
            AV_FIELD_UNKNOWN);
  EXPECT_FALSE(error.empty());
}

// Red pictures and silence until 3 s, then blue pictures and a tone; key pictures
// every 2 s. Trimmed from 2.5 s, both changes must fall at 0.5 s of the output,
// which starts at 0 and lasts what was asked.
TEST(FiltersTest, TrimStartsOnTheFrameWithSoundInStep) {
  const QString source = PathIn("switch at 3.mp4");
  ASSERT_TRUE(Fixtures::Make(source, {"-f", "lavfi", "-i",
                                      "color=red:s=160x120:r=25:d=6[a];color=blue:s=160x120:r=25:d=6[b];"
                                      "[a][b]overlay=enable='gte(t,3)'",
                                      "-f", "lavfi", "-i", "sine=f=440:d=6,volume=volume=0:enable='lt(t,3)'",
                                      "-c:v", "libx264", "-g", "50", "-pix_fmt", "yuv420p", "-c:a", "aac"}));
  const QString folder = FreshFolder("trim");
  FFEncoder enc;
  EventRecorder events(enc);
  const int cut = enc.OpenInput(Bytes(source), "");
  const int late = enc.OpenInput(Bytes(source), "");
  ASSERT_GE(enc.SetOutput(cut, Bytes(folder + "cut.mp4"), "-ss 00:00:02.500 -t 2"), 0);
  // A start past the end is refused when the task is set up.
  EXPECT_LT(enc.SetOutput(late, Bytes(folder + "late.mp4"), "-ss 7"), 0);
  EXPECT_NE(enc.LastErrorMessage().find("past the end"), std::string::npos) << enc.LastErrorMessage();
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(events.For(cut).succeeded) << events.For(cut).message;
  const QString out = folder + "cut.mp4";
  const double frame = 1.0 / 25;
  EXPECT_NEAR(Fixtures::Probe(out, "v:0", "stream=start_time").toDouble(), 0, frame);
  EXPECT_NEAR(Fixtures::Probe(out, "a:0", "stream=start_time").toDouble(), 0, frame);
  EXPECT_NEAR(Fixtures::Probe(out, "v:0", "stream=duration").toDouble(), 2, frame);
  EXPECT_NEAR(Fixtures::Probe(out, "a:0", "stream=duration").toDouble(), 2, frame);
  const auto [picture, sound] = SwitchTimes(out);
  EXPECT_NEAR(picture, 0.5, frame);
  EXPECT_NEAR(sound, 0.5, frame);
}
