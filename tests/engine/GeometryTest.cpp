// Display matrices read as the ffmpeg tool reads them, and pictures fitted into
// frames of another shape without bending them.
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/display.h>
}

#include "engine/convert/FitAndPad.h"
#include "engine/media/DisplayMatrix.h"

using namespace convert;

namespace {

// av_display_rotation_set takes the angle the way the tool's "rotate" tag counts it.
media::Orientation FromMatrix(double angle, bool hflip, bool vflip) {
  int32_t m[9];
  av_display_rotation_set(m, angle);
  av_display_matrix_flip(m, hflip, vflip);
  return media::OrientationOf(m);
}

}  // namespace

TEST(DisplayMatrixTest, TurnsAndFlipsBecomeTheToolsFilters) {
  struct Case {
    double ccw;
    bool hflip, vflip;
    const char* chain;
    bool swaps;
  } cases[] = {
      {0, false, false, "", false},
      {90, false, false, "transpose=dir=clock", true},
      {-90, false, false, "transpose=dir=cclock", true},
      {180, false, false, "hflip,vflip", false},
      {90, true, false, "transpose=dir=cclock_flip", true},
      {-90, true, false, "transpose=dir=clock_flip", true},
      {0, true, false, "hflip", false},
      {0, false, true, "vflip", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ccw << " h" << c.hflip << " v" << c.vflip);
    const media::Orientation o = FromMatrix(c.ccw, c.hflip, c.vflip);
    EXPECT_EQ(media::UprightChain(o), c.chain);
    EXPECT_EQ(o.SwapsSides(), c.swaps);
    int w = 0, h = 0;
    media::ShownSize(o, 320, 240, &w, &h);
    EXPECT_EQ(w, c.swaps ? 240 : 320);
    EXPECT_EQ(h, c.swaps ? 320 : 240);
  }
  // An odd angle turns inside the box that holds the picture.
  const media::Orientation odd = FromMatrix(30, false, false);
  EXPECT_NEAR(odd.degrees, 30, 1e-9);
  EXPECT_NE(media::UprightChain(odd).find("rotate="), std::string::npos);
  EXPECT_TRUE(media::StreamOrientation(nullptr).Upright());
}

TEST(DisplayMatrixTest, TurnedPixelsMatchTheFilters) {
  // 3x2 picture:  1 2 3
  //               4 5 6
  const std::vector<uint32_t> picture = {1, 2, 3, 4, 5, 6};
  struct Case {
    media::Orientation o;
    int width, height;
    std::vector<uint32_t> expected;
  } cases[] = {
      {{1, false, 0}, 2, 3, {4, 1, 5, 2, 6, 3}},  // transpose=clock
      {{3, false, 0}, 2, 3, {3, 6, 2, 5, 1, 4}},  // transpose=cclock
      {{2, false, 0}, 3, 2, {6, 5, 4, 3, 2, 1}},
      {{1, true, 0}, 2, 3, {1, 4, 2, 5, 3, 6}},  // transpose=cclock_flip
      {{2, true, 0}, 3, 2, {4, 5, 6, 1, 2, 3}},  // vflip
      {{0, true, 0}, 3, 2, {3, 2, 1, 6, 5, 4}},  // hflip
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> pixels = picture;
    int w = 3, h = 2;
    media::TurnPixels(c.o, &pixels, &w, &h);
    EXPECT_EQ(w, c.width);
    EXPECT_EQ(h, c.height);
    EXPECT_EQ(pixels, c.expected) << c.o.quarter_turns << c.o.mirror;
  }
}

TEST(FitAndPadTest, PicturesKeepTheirShapeInsideTheFrame) {
  // A portrait phone clip into a landscape phone frame: bars left and right.
  FitFrame f = FitInside({240, 320, 1.0}, 854, 480);
  EXPECT_TRUE(f.padded);
  EXPECT_EQ(f.picture_width, 360);
  EXPECT_EQ(f.picture_height, 480);
  EXPECT_EQ(f.x, 246);
  EXPECT_EQ(f.y, 0);
  EXPECT_EQ(FitChain(f, 854, 480),
            "scale=360:480,setsar=sar=1,pad=width=854:height=480:x=246:y=0:color=black");
  // Wide into 4:3: bars above and below.
  f = FitInside({1920, 1080, 1.0}, 640, 480);
  EXPECT_EQ(f.picture_width, 640);
  EXPECT_EQ(f.picture_height, 360);
  EXPECT_EQ(f.y, 60);
  // Nearly the same shape (odd sizes rounded down) fills the frame.
  f = FitInside({321, 241, 1.0}, 320, 240);
  EXPECT_FALSE(f.padded);
  EXPECT_EQ(FitChain(f, 320, 240), "scale=320:240,setsar=sar=1");
  // Wide pixels (anamorphic 16:9 DVD) count with their display shape.
  f = FitInside({720, 576, 64.0 / 45.0}, 1280, 720);
  EXPECT_FALSE(f.padded);
  f = FitInside({720, 576, 16.0 / 15.0}, 1280, 720);  // 4:3 DVD
  EXPECT_EQ(f.picture_width, 960);
}

TEST(FitAndPadTest, ShapeFollowsTheUsersFilters) {
  std::vector<VideoFilter> chain(2);
  chain[0].kind = VideoFilter::Kind::Crop;
  chain[0].width = 100;
  chain[0].height = 200;
  chain[1].kind = VideoFilter::Kind::Rotate;
  chain[1].degrees = 90;
  PictureShape s = AfterFilters({320, 240, 2.0}, chain);
  EXPECT_EQ(s.width, 200);
  EXPECT_EQ(s.height, 100);
  EXPECT_DOUBLE_EQ(s.DisplayAspect(), 200 * 0.5 / 100);
  // A scale keeps the display shape (the pixels change shape instead).
  VideoFilter scale;
  scale.kind = VideoFilter::Kind::Scale;
  scale.width = 100;
  scale.height = 100;
  s = AfterFilters({320, 240, 1.0}, {scale});
  EXPECT_NEAR(s.DisplayAspect(), 4.0 / 3.0, 1e-9);
}
