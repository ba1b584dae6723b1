// Phone clips come out upright with no rotation left in them, the probe reports
// their shown size, and requested frames of another shape get the whole picture
// undistorted with black bars.
#include <gtest/gtest.h>

#include <QDir>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

// 320x240 stored, one colour per quarter (red top-left, blue top-right, green
// bottom-left, white bottom-right); `rotate` is the display rotation a phone writes.
QString QuartersClip(const QString& name, const char* rotate) {
  const QString plain = PathIn("quarters-" + name + "-plain.mp4");
  Fixtures::Make(plain,
                 {"-f", "lavfi", "-i",
                  "color=red:s=160x120:d=1[a];color=blue:s=160x120:d=1[b];color=green:s=160x120:d=1[c];"
                  "color=white:s=160x120:d=1[d];[a][b]hstack[t];[c][d]hstack[u];[t][u]vstack",
                  "-pix_fmt", "yuv420p", "-c:v", "libx264", "-qp", "0"});
  if (!*rotate) return plain;
  const QString turned = PathIn("quarters-" + name + ".mp4");
  Fixtures::Make(turned, {"-i", plain, "-c", "copy", "-metadata:s:v:0", QString("rotate=") + rotate});
  return turned;
}

enum Colour { Red, Blue, Green, White, Black, Other };

Colour Classify(unsigned rgb) {
  const int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
  if (r > 180 && g > 180 && b > 180) return White;
  if (r < 40 && g < 40 && b < 40) return Black;
  if (r > 150 && g < 90 && b < 90) return Red;
  if (b > 150 && r < 90 && g < 90) return Blue;
  if (g > 90 && r < 90 && b < 90) return Green;
  return Other;
}

Colour At(const QString& file, int x, int y) { return Classify(CornerColour(file, x, y, 8, 8)); }

// Rotation left on the output's video stream: a tag or a display matrix.
QString RotationOf(const QString& file) {
  return Fixtures::Probe(file, "v:0", "stream_tags=rotate") +
         Fixtures::Probe(file, "v:0", "stream_side_data=rotation");
}

struct Batch {
  FFEncoder enc;
  EventRecorder events{enc};
  int Add(const QString& source, const QString& output, const std::string& options) {
    const int h = enc.OpenInput(Bytes(source), "");
    EXPECT_GE(h, 0) << enc.LastErrorMessage();
    EXPECT_GE(enc.SetOutput(h, Bytes(output), options), 0) << enc.LastErrorMessage();
    return h;
  }
  bool Go() {
    enc.Start(2);
    return events.WaitForEnd();
  }
};

}  // namespace

TEST(UprightTest, PortraitPhoneClipsComeOutUprightWithoutRotation) {
  const QString sideways = QuartersClip("r90", "90");
  const QString upside = QuartersClip("r180", "180");
  ASSERT_FALSE(RotationOf(sideways).isEmpty()) << "the fixture should carry a rotation";

  FFDecoder probe;
  ASSERT_TRUE(probe.Open(Bytes(sideways), ""));
  EXPECT_EQ(probe.VideoWidth(probe.VideoStreamIndex()), 240);
  EXPECT_EQ(probe.VideoHeight(probe.VideoStreamIndex()), 320);
  EXPECT_EQ(probe.VideoStoredWidth(probe.VideoStreamIndex()), 320);  // as the file holds it
  EXPECT_EQ(probe.VideoStoredHeight(probe.VideoStreamIndex()), 240);

  const QString folder = PathIn("upright") + "/";
  QDir().mkpath(folder);
  const std::string x264 = "-vcodec libx264 -vpre libx264-ultrafast -vb 2000k -an";
  Batch run;
  const int plain = run.Add(sideways, folder + "plain.mp4", x264);
  const int sized = run.Add(sideways, folder + "sized.mp4", x264 + " -s 240x320");
  // The user's own flip applies to the upright picture.
  const int flipped = run.Add(sideways, folder + "flipped.mp4", x264 + " -vf \"hflip\"");
  const int half = run.Add(upside, folder + "upside.mkv", x264);
  const int other = run.Add(sideways, folder + "mpeg4.avi", "-an");
  ASSERT_TRUE(run.Go());
  for (int task : {plain, sized, flipped, half, other})
    ASSERT_TRUE(run.events.For(task).succeeded) << task << run.events.For(task).message;

  // The reference is the ffmpeg tool's own upright view of the source.
  const Colour tl = At(sideways, 4, 4), tr = At(sideways, 228, 4), bl = At(sideways, 4, 308);
  ASSERT_NE(tl, Red) << "the tool should show the fixture turned";
  struct Expect {
    QString file;
    int width, height;
    Colour top_left, top_right, bottom_left;
  } expects[] = {
      {folder + "plain.mp4", 240, 320, tl, tr, bl},
      {folder + "sized.mp4", 240, 320, tl, tr, bl},
      {folder + "flipped.mp4", 240, 320, tr, tl, At(sideways, 228, 308)},
      {folder + "upside.mkv", 320, 240, White, Green, Blue},
      {folder + "mpeg4.avi", 240, 320, tl, tr, bl},
  };
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.file.toStdString());
    const Probed p = ProbeFile(e.file);
    EXPECT_EQ(p.width, e.width);
    EXPECT_EQ(p.height, e.height);
    EXPECT_TRUE(RotationOf(e.file).isEmpty()) << RotationOf(e.file).toStdString();
    EXPECT_EQ(At(e.file, 4, 4), e.top_left);
    EXPECT_EQ(At(e.file, e.width - 12, 4), e.top_right);
    EXPECT_EQ(At(e.file, 4, e.height - 12), e.bottom_left);
  }
}

TEST(FitTest, OtherShapedFramesGetTheWholePictureWithBars) {
  const QString portrait = QuartersClip("r90-fit", "90");  // shown 240x320
  const QString landscape = QuartersClip("fit", "");       // 320x240
  const QString folder = PathIn("fit") + "/";
  QDir().mkpath(folder);
  const std::string x264 = "-vcodec libx264 -vpre libx264-ultrafast -vb 2000k -an";
  Batch run;
  const int phone = run.Add(portrait, folder + "phone.mp4", x264 + " -s 854x480");
  const int hd = run.Add(landscape, folder + "hd.mp4", x264 + " -s 1280x720");
  const int never = run.Add(landscape, folder + "never.mp4", x264 + " -s 1280x720 -upscale never");
  const int larger = run.Add(landscape, folder + "smaller.mp4", x264 + " -s 160x90 -upscale never");
  const int aspect = run.Add(landscape, folder + "aspect.mp4", x264 + " -s 1280x720 -aspect 16:9");
  ASSERT_TRUE(run.Go());
  for (int task : {phone, hd, never, larger, aspect})
    ASSERT_TRUE(run.events.For(task).succeeded) << task << run.events.For(task).message;

  // 240x320 shown as 360x480 in the middle of 854x480: black at the sides, the
  // quarters right where an undistorted picture puts them.
  const QString p = folder + "phone.mp4";
  const Probed pp = ProbeFile(p);
  EXPECT_EQ(pp.width, 854);
  EXPECT_EQ(pp.height, 480);
  EXPECT_EQ(pp.dar, "427:240");  // square pixels
  EXPECT_EQ(At(p, 4, 200), Black);
  EXPECT_EQ(At(p, 236, 200), Black);
  EXPECT_EQ(At(p, 250, 4), At(portrait, 4, 4));
  EXPECT_EQ(At(p, 596, 4), At(portrait, 228, 4));
  EXPECT_EQ(At(p, 250, 468), At(portrait, 4, 308));
  EXPECT_EQ(At(p, 610, 200), Black);
  EXPECT_EQ(At(p, 842, 468), Black);

  // 4:3 into 16:9: pillars of 160 pixels.
  const QString h = folder + "hd.mp4";
  EXPECT_EQ(ProbeFile(h).width, 1280);
  EXPECT_EQ(At(h, 150, 300), Black);
  EXPECT_EQ(At(h, 170, 4), Red);
  EXPECT_EQ(At(h, 1102, 4), Blue);
  EXPECT_EQ(At(h, 1122, 300), Black);

  // Never enlarging keeps the small picture's own size; shrinking still fits.
  EXPECT_EQ(ProbeFile(folder + "never.mp4").width, 320);
  EXPECT_EQ(ProbeFile(folder + "never.mp4").height, 240);
  EXPECT_EQ(ProbeFile(folder + "smaller.mp4").width, 160);
  EXPECT_EQ(At(folder + "smaller.mp4", 0, 40), Black);

  // An explicit aspect wins: the picture fills the frame, marked 16:9.
  const Probed a = ProbeFile(folder + "aspect.mp4");
  EXPECT_EQ(a.dar, "16:9");
  EXPECT_EQ(At(folder + "aspect.mp4", 4, 4), Red);
}
