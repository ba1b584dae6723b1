// What an output may be: containers and encoders from the allow-lists only, and
// any source picture size, down to one pixel, converts to every video format.
#include <gtest/gtest.h>

#include <QDir>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFEncoder.h"
#include "engine/convert/OutputAllowList.h"
#include "engine/convert/PictureSize.h"
#include "support/Fixtures.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
}

using namespace enginetest;

namespace {

QString OnePixelClip() {
  static const QString path = [] {
    const QString p = PathIn("one pixel.mkv");
    Fixtures::Make(
        p, {"-f", "lavfi", "-i", "color=c=red:size=16x16:rate=25:duration=0.4,format=yuv444p,scale=1:1", "-f",
            "lavfi", "-i", "sine=duration=0.4", "-c:v", "ffv1", "-ac", "2"});
    return p;
  }();
  return path;
}

// The task's SetOutput result and message for one output.
std::pair<int, std::string> TrySetOutput(const QString& output, const std::string& options) {
  FFEncoder enc;
  const int task = enc.OpenInput(Bytes(SampleVideo()), "");
  if (task < 0) return {task, enc.LastErrorMessage()};
  const int rc = enc.SetOutput(task, Bytes(output), options);
  return {rc, enc.LastErrorMessage()};
}

}  // namespace

TEST(OutputAllowListTest, MuxersThatWriteElsewhereOrNothingAreRefused) {
  const QString out = PathIn("refused.out");
  for (const char* muxer : {"tee", "segment", "ssegment", "hls", "dash", "image2", "null", "rtp",
                            "rtp_mpegts", "rtsp", "sap", "framecrc", "md5", "fifo", "mpjpeg"}) {
    const auto [rc, message] = TrySetOutput(out, std::string("-f ") + muxer);
    EXPECT_LT(rc, 0) << muxer;
    EXPECT_NE(message.find(muxer), std::string::npos) << muxer << ": " << message;
  }
  // The same containers reached through the output's extension.
  for (const char* name : {"list.m3u8", "manifest.mpd", "frame.png"}) {
    const auto [rc, message] = TrySetOutput(PathIn(name), "");
    EXPECT_LT(rc, 0) << name;
    EXPECT_NE(message.find("not supported"), std::string::npos) << name << ": " << message;
  }
  EXPECT_GE(TrySetOutput(PathIn("fine.mkv"), "-f matroska").first, 0);
}

TEST(OutputAllowListTest, DeviceAndForeignEncodersAreRefused) {
  const QString out = PathIn("refused.mkv");
  int tried = 0;
  for (const char* name : {"h264_nvenc", "hevc_vaapi", "h264_qsv", "h264_v4l2m2m", "mpeg4_omx"}) {
    if (!avcodec_find_encoder_by_name(name)) continue;  // not built into this libavcodec
    ++tried;
    const auto [rc, message] = TrySetOutput(out, std::string("-vcodec ") + name);
    EXPECT_LT(rc, 0) << name;
    EXPECT_NE(message.find(name), std::string::npos) << message;
    EXPECT_NE(message.find("device"), std::string::npos) << message;
  }
  EXPECT_GT(tried, 0);
  for (const char* option :
       {"-vcodec rawvideo", "-vcodec a64multi", "-acodec pcm_s64le", "-acodec comfortnoise"}) {
    const auto [rc, message] = TrySetOutput(out, option);
    EXPECT_LT(rc, 0) << option;
    EXPECT_NE(message.find(std::string(option).substr(8)), std::string::npos) << message;
  }
  // A codec named by its codec name still resolves to an allowed encoder.
  EXPECT_GE(TrySetOutput(out, "-vcodec h264 -acodec mp3").first, 0);
}

TEST(PictureSizeTest, EveryAllowedEncoderOpensAtTheSizesItIsGiven) {
  av_log_set_level(AV_LOG_QUIET);
  int checked = 0;
  void* it = nullptr;
  while (const AVCodec* codec = av_codec_iterate(&it)) {
    std::string ignored;
    if (!av_codec_is_encoder(codec) || codec->type != AVMEDIA_TYPE_VIDEO ||
        !convert::EncoderAllowed(codec, &ignored))
      continue;
    for (const auto& [w0, h0] : {std::pair{1, 1}, {3, 5}, {1, 700}, {641, 2}, {17, 17}}) {
      int w = w0, h = h0;
      std::string error;
      ASSERT_TRUE(convert::LegalPictureSize(codec, &w, &h, &error)) << codec->name << ": " << error;
      AVCodecContext* ctx = avcodec_alloc_context3(codec);
      ASSERT_NE(ctx, nullptr);
      ctx->width = w;
      ctx->height = h;
      ctx->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
      ctx->time_base = {1, 25};
      ctx->framerate = {25, 1};
      ctx->bit_rate = 200000;
      EXPECT_GE(avcodec_open2(ctx, codec, nullptr), 0)
          << codec->name << " at " << w << "x" << h << " (from " << w0 << "x" << h0 << ")";
      avcodec_free_context(&ctx);
    }
    ++checked;
  }
  EXPECT_GE(checked, 10);
}

TEST(PictureSizeTest, SizesNoPictureCanHaveAreRefusedWithAMessage) {
  const auto [rc, message] = TrySetOutput(PathIn("vast.mkv"), "-vcodec libx264 -s 16384x16384");
  EXPECT_LT(rc, 0);
  EXPECT_NE(message.find("too large"), std::string::npos) << message;
}

TEST(TinyPictureTest, OnePixelSourceConvertsToEveryVideoFormat) {
  struct Output {
    const char* file;
    const char* options;  // as the builder writes them for a 1x1 source
    int width, height;
  };
  const Output outputs[] = {
      {"a.3gp", "-ac 2 -vb 1k -ab 6700 -ac 1 -ar 8000 -s 1x1", 128, 96},
      {"a.avi", "-ac 2 -vcodec libxvid -vb 1k -acodec libmp3lame -ab 128k -ar 44100 -s 1x1", 2, 2},
      {"a.asf", "-ac 2 -vcodec msmpeg4v2 -vb 1k -acodec wmav2 -ab 128k -ar 44100 -s 1x1", 2, 2},
      {"a.wmv", "-ac 2 -vcodec wmv2 -vb 1k -acodec wmav2 -ab 128k -ar 44100 -s 1x1", 2, 2},
      {"a.flv", "-ac 2 -vb 1k -ab 64k -ar 44100 -s 1x1", 2, 2},
      {"a.f4v",
       "-ac 2 -vcodec libx264 -vpre libx264-veryfast -f flv -vb 1k -acodec libfaac -ab 128k -ar 44100 -ac 2 "
       "-s 1x1",
       2, 2},
      {"a.swf", "-ac 2 -vb 1k -ab 64k -ar 44100 -s 1x1", 2, 2},
      {"a.mkv",
       "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 1k  -acodec libmp3lame -ab 128k -ar 44100 -s 1x1", 2,
       2},
      {"a.mov", "-r 29.97 -ac 2 -vb 1k -ab 256k -ar 44100 -s 1x1", 2, 2},
      {"a.mp4", "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 1k -ab 128k -ar 44100 -s 1x1", 2, 2},
      {"a.mpg", "-ac 2 -vb 1k -ab 128k -ar 44100 -s 1x1", 2, 2},
      // Disc targets fit any picture into their norm's frame.
      {"vcd.mpg", "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 1x1", 352, 240},
      {"mpeg2.mpg", "-ac 2 -vcodec mpeg2video -vb 1k -ab 128k -ar 44100 -s 1x1", 2, 2},
      {"dvd.mpg", "-ac 2 -target pal-dvd -ab 128k -ar 44100 -s 1x1", 720, 576},
      {"a.rm", "-ac 2 -vcodec rv20 -vb 1k -ab 128k -ar 44100 -s 1x1", 4, 4},
      {"a.vob", "-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -s 1x1", 720, 576},
      {"a.webm", "-ac 2 -vcodec libvpx -vb 1k  -acodec libvorbis -ab 128k -ar 44100 -s 1x1", 2, 2},
  };
  const QString folder = PathIn("tiny") + "/";
  QDir().mkpath(folder);
  FFEncoder enc;
  EventRecorder events(enc);
  std::vector<int> tasks;
  for (const Output& o : outputs) {
    const int task = enc.OpenInput(Bytes(OnePixelClip()), "");
    ASSERT_GE(task, 0) << enc.LastErrorMessage();
    ASSERT_GE(enc.SetOutput(task, Bytes(folder + o.file), o.options), 0)
        << o.file << ": " << enc.LastErrorMessage();
    tasks.push_back(task);
  }
  enc.Start(2);
  ASSERT_TRUE(events.WaitForEnd());
  for (size_t i = 0; i < tasks.size(); ++i) {
    const Output& o = outputs[i];
    EXPECT_TRUE(events.For(tasks[i]).succeeded) << o.file << ": " << events.For(tasks[i]).message;
    const Probed p = ProbeFile(folder + o.file);
    EXPECT_EQ(p.width, o.width) << o.file;
    EXPECT_EQ(p.height, o.height) << o.file;
  }
}
