// The option-string parser on the strings the conversion builder sends and on
// hostile ones.
#include <gtest/gtest.h>

#include "engine/FFEncoder.h"
#include "engine/convert/EncoderOptions.h"
#include "engine/convert/TargetSize.h"

using convert::Options;
using convert::Parse;
using convert::VideoFilter;

namespace {

Options ParseOk(const std::string& text, const convert::SourceFacts& source = {}) {
  Options o;
  std::string error;
  EXPECT_TRUE(Parse(text, source, &o, &error)) << text << " -> " << error;
  return o;
}

std::string ParseError(const std::string& text) {
  Options o;
  std::string error;
  EXPECT_FALSE(Parse(text, {}, &o, &error)) << text;
  return error;
}

}  // namespace

TEST(TokenizeTest, QuotesBlanksAndEmptyTokens) {
  std::vector<std::string> t;
  std::string error;
  ASSERT_TRUE(convert::Tokenize("  -a   b\t-vf \"crop=1:2:3:4,vflip\"  ", &t, &error));
  EXPECT_EQ(t, (std::vector<std::string>{"-a", "b", "-vf", "crop=1:2:3:4,vflip"}));
  ASSERT_TRUE(convert::Tokenize("x\"y z\"w \"\"", &t, &error));
  EXPECT_EQ(t, (std::vector<std::string>{"xy zw", ""}));
  ASSERT_TRUE(convert::Tokenize("", &t, &error));
  EXPECT_TRUE(t.empty());
  EXPECT_FALSE(convert::Tokenize("-vf \"vflip", &t, &error));
  EXPECT_FALSE(error.empty());
}

TEST(OptionsParseTest, BuilderStringsWithDoubleBlanks) {
  Options o = ParseOk("-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -s 640x480");
  EXPECT_EQ(o.x264_preset, "veryfast");
  EXPECT_EQ(o.video_bitrate, 2048000);
  EXPECT_EQ(o.width, 640);
  EXPECT_EQ(ParseOk("-vpre libx264-default").x264_preset, "medium");
  EXPECT_EQ(ParseOk("-ac 2 -vn  -acodec wmav2 -ab 320k -ar 48000").audio_codec, "wmav2");

  o = ParseOk(
      "-an -r 29.97 -aspect 16:9 -ac 2 -vcodec libx264 -vpre libx264-ultrafast -f flv -vb 512k "
      "-acodec libfaac -ab 128k -ar 44100 -ac 2 -s 320x240");
  EXPECT_EQ(o.frame_rate.num, 30000);  // 29.97 is NTSC's exact rate
  EXPECT_EQ(o.frame_rate.den, 1001);
  EXPECT_EQ(o.audio_codec, "aac");  // the old external AAC encoder maps to the native one

  o = ParseOk("-ac 2 -vb 0k  -ab 128k -ar 44100 -vn ");  // audio-only source to a video format
  EXPECT_EQ(o.video_bitrate, 0);
  EXPECT_TRUE(o.no_video);
}

TEST(OptionsParseTest, FilterChains) {
  Options o = ParseOk(
      "-ac 2 -vb 512k -ab 128k -ar 44100 -vf \"crop=300:200:10:20,scale=640:480,vflip,hflip,rotate=90\"");
  ASSERT_EQ(o.filters.size(), 5u);
  EXPECT_EQ(o.filters[0].kind, VideoFilter::Kind::Crop);
  EXPECT_EQ(o.filters[0].width, 300);
  EXPECT_EQ(o.filters[0].height, 200);
  EXPECT_EQ(o.filters[0].x, 10);
  EXPECT_EQ(o.filters[0].y, 20);
  EXPECT_EQ(o.filters[1].kind, VideoFilter::Kind::Scale);
  EXPECT_EQ(o.filters[1].width, 640);
  EXPECT_EQ(o.filters[2].kind, VideoFilter::Kind::VFlip);
  EXPECT_EQ(o.filters[3].kind, VideoFilter::Kind::HFlip);
  EXPECT_EQ(o.filters[4].kind, VideoFilter::Kind::Rotate);
  EXPECT_EQ(convert::QuarterTurns(o.filters), 1);

  EXPECT_EQ(convert::QuarterTurns(ParseOk("-vf rotate=-90").filters), 3);
  EXPECT_EQ(convert::QuarterTurns(ParseOk("-vf rotate=270").filters), 3);
  EXPECT_EQ(convert::QuarterTurns(ParseOk("-vf rotate=180").filters), 2);
  EXPECT_EQ(convert::QuarterTurns(ParseOk("-vf rotate=-270").filters), 1);
  EXPECT_EQ(convert::QuarterTurns(ParseOk("-vf rotate=45").filters), 0);
  EXPECT_EQ(ParseOk("-vf vflip,rotate=90").filters.size(), 2u);
}

TEST(OptionsParseTest, LaterRepeatsWin) {
  Options o = ParseOk("-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144");
  EXPECT_EQ(o.channels, 1);
  EXPECT_EQ(o.audio_bitrate, 6700);
  o = ParseOk("-vf vflip -s 320x240 -vf hflip -s 640x480 -f mp4 -f avi");
  ASSERT_EQ(o.filters.size(), 1u);
  EXPECT_EQ(o.filters[0].kind, VideoFilter::Kind::HFlip);
  EXPECT_EQ(o.width, 640);
  EXPECT_EQ(o.format, "avi");
}

TEST(OptionsParseTest, TargetNormAndOverrides) {
  Options o = ParseOk("-target pal-dvd -ab 128k -ar 44100 -s 640x480");
  EXPECT_EQ(o.format, "dvd");
  EXPECT_EQ(o.audio_bitrate, 128000);  // options after the target win
  EXPECT_EQ(o.width, 640);
  // Without a norm the source's frame rate decides.
  convert::SourceFacts pal;
  pal.frame_rate = {25, 1};
  convert::SourceFacts ntsc;
  ntsc.frame_rate = {30000, 1001};
  EXPECT_EQ(ParseOk("-target dvd", pal).height, 576);
  EXPECT_EQ(ParseOk("-target dvd", ntsc).height, 480);
  // Options in front of the target are replaced by it.
  EXPECT_EQ(ParseOk("-r 15 -target pal-vcd").frame_rate.num, 25);
}

TEST(TargetFrameTest, LegalSizesStayOthersFitTheStandardFrame) {
  convert::SourceFacts ntsc;
  ntsc.frame_rate = {30000, 1001};
  // Sizes of the norm are kept, whether the target or -s named them.
  EXPECT_FALSE(convert::FitTargetFrame(ParseOk("-target ntsc-dvd"), 720, 480).fitted);
  EXPECT_FALSE(convert::FitTargetFrame(ParseOk("-target dvd", ntsc), 352, 240).fitted);
  EXPECT_FALSE(convert::FitTargetFrame(ParseOk("-target pal-vcd"), 352, 288).fitted);
  EXPECT_FALSE(convert::FitTargetFrame(ParseOk("-s 640x480"), 640, 480).fitted);  // no target
  // A PAL size on an NTSC disc is not legal there.
  convert::TargetFrame f = convert::FitTargetFrame(ParseOk("-target ntsc-vcd"), 352, 288);
  EXPECT_TRUE(f.fitted);
  EXPECT_EQ(f.width, 352);
  EXPECT_EQ(f.height, 240);

  // 4:3 fills a 4:3 frame; 16:9 gets a 16:9 DVD frame but bars on a 4:3 VCD.
  f = convert::FitTargetFrame(ParseOk("-target pal-dvd"), 640, 480);
  EXPECT_EQ(f.width * 1000 + f.height, 720576);
  EXPECT_EQ(f.picture_width * 1000 + f.picture_height, 720576);
  EXPECT_EQ(f.display_aspect.num * 100 + f.display_aspect.den, 403);
  f = convert::FitTargetFrame(ParseOk("-target pal-dvd"), 1280, 720);
  EXPECT_EQ(f.picture_width * 1000 + f.picture_height, 720576);
  EXPECT_EQ(f.display_aspect.num * 100 + f.display_aspect.den, 1609);
  f = convert::FitTargetFrame(ParseOk("-target pal-vcd"), 1280, 720);
  EXPECT_EQ(f.picture_width * 1000 + f.picture_height, 352216);  // 288 * (4/3) / (16/9)
  // A typed aspect is the picture's shape; a portrait picture gets pillars.
  f = convert::FitTargetFrame(ParseOk("-target ntsc-dvd -aspect 16:9"), 640, 480);
  EXPECT_EQ(f.display_aspect.num, 16);
  f = convert::FitTargetFrame(ParseOk("-target ntsc-dvd"), 480, 640);
  EXPECT_EQ(f.picture_width * 1000 + f.picture_height, 406480);  // 720 * (3/4) / (4/3) = 405
}

TEST(OptionsParseTest, RefusesWithAMessageNamingTheProblem) {
  EXPECT_NE(ParseError("-ac 2 -foo 3").find("-foo"), std::string::npos);
  EXPECT_NE(ParseError("-ac two").find("-ac"), std::string::npos);
  EXPECT_NE(ParseError("-ac 0").find("-ac"), std::string::npos);
  EXPECT_NE(ParseError("-ar 99999999999999999999999").find("-ar"), std::string::npos);
  EXPECT_NE(ParseError("-vb 99999999999k").find("-vb"), std::string::npos);
  EXPECT_NE(ParseError("-vb -5k").find("-vb"), std::string::npos);
  EXPECT_NE(ParseError("-ab k").find("-ab"), std::string::npos);
  EXPECT_NE(ParseError("-s 640").find("-s"), std::string::npos);
  EXPECT_NE(ParseError("-s 0x480").find("-s"), std::string::npos);
  EXPECT_NE(ParseError("-s 99999x99999").find("-s"), std::string::npos);
  EXPECT_NE(ParseError("-r 0").find("-r"), std::string::npos);
  EXPECT_NE(ParseError("-r nan").find("-r"), std::string::npos);
  EXPECT_NE(ParseError("-aspect 4:0").find("-aspect"), std::string::npos);
  EXPECT_NE(ParseError("-vpre libx264-turbo").find("-vpre"), std::string::npos);
  EXPECT_NE(ParseError("-target ntsc-bluray").find("ntsc-bluray"), std::string::npos);
  EXPECT_NE(ParseError("-vb").find("needs a value"), std::string::npos);
  EXPECT_NE(ParseError("-ar \"\"").find("-ar"), std::string::npos);
  EXPECT_NE(ParseError("-vcodec \"\"").find("-vcodec"), std::string::npos);
  EXPECT_NE(ParseError("stray -ac 2").find("stray"), std::string::npos);
  EXPECT_NE(ParseError("-ac 2 -vf \"vflip").find("quote"), std::string::npos);
  EXPECT_NE(ParseError("-vf \"vflip,,hflip\"").find("Empty"), std::string::npos);
  EXPECT_NE(ParseError("-vf \"\"").find("Empty"), std::string::npos);
  EXPECT_NE(ParseError("-vf \"drawtext=text=x\"").find("drawtext"), std::string::npos);
  EXPECT_NE(ParseError("-vf crop=-10:240:0:0").find("crop"), std::string::npos);
  // Margins of 9999 on a 640x480 picture, as built: the message says what went wrong.
  EXPECT_NE(ParseError("-vf \"crop=-19358:-19518:9999:9999\"").find("larger than the picture"),
            std::string::npos);
  EXPECT_NE(ParseError("-vf crop=0:480:640:0").find("larger than the picture"), std::string::npos);
  EXPECT_NE(ParseError("-vf crop=320:240:0").find("crop"), std::string::npos);
  EXPECT_NE(ParseError("-vf rotate=abc").find("rotation"), std::string::npos);
  EXPECT_NE(ParseError("-vf rotate=720").find("rotation"), std::string::npos);
  EXPECT_NE(ParseError("-vf vflip=1").find("vflip"), std::string::npos);
  // Things a shell would interpret are plain, unknown text here.
  EXPECT_NE(ParseError("-ac 2; rm -rf /").find("2;"), std::string::npos);
  EXPECT_NE(ParseError("-f \"mp4 -y\"").find("-f"), std::string::npos);
}

TEST(OptionsParseTest, TrackDateAndUpscaleChoices) {
  const Options plain = ParseOk("-vcodec libx264 -s 640x480");
  EXPECT_FALSE(plain.no_upscale);
  EXPECT_FALSE(plain.first_audio_only);
  EXPECT_EQ(plain.subtitles, Options::Subtitles::Keep);
  EXPECT_TRUE(plain.keep_file_date);
  const Options chosen = ParseOk("-upscale never -audiotracks first -subtitles none -filedate now");
  EXPECT_TRUE(chosen.no_upscale);
  EXPECT_TRUE(chosen.first_audio_only);
  EXPECT_EQ(chosen.subtitles, Options::Subtitles::None);
  EXPECT_FALSE(chosen.keep_file_date);
  EXPECT_EQ(ParseOk("-sn").subtitles, Options::Subtitles::None);
  EXPECT_FALSE(ParseOk("-upscale never -upscale allow").no_upscale);  // the later one wins
  EXPECT_NE(ParseError("-upscale sometimes").find("-upscale"), std::string::npos);
  EXPECT_NE(ParseError("-audiotracks 2").find("-audiotracks"), std::string::npos);
  EXPECT_EQ(ParseOk("-subtitles burn").subtitles, Options::Subtitles::BurnIn);
  EXPECT_NE(ParseError("-subtitles draw").find("-subtitles"), std::string::npos);
  EXPECT_NE(ParseError("-filedate").find("needs a value"), std::string::npos);
  EXPECT_NE(ParseError("-crf 64").find("-crf"), std::string::npos);
  EXPECT_NE(ParseError("-crf 22.5").find("-crf"), std::string::npos);
  EXPECT_NE(ParseError("-deinterlace yes").find("-deinterlace"), std::string::npos);
}

TEST(OptionsParseTest, TrimTimes) {
  const Options trimmed = ParseOk("-ss 1:02:03.5 -t 90");
  EXPECT_EQ(trimmed.start_us, 3723500000);
  EXPECT_EQ(trimmed.duration_us, 90000000);
  EXPECT_EQ(ParseOk("-ss 02:30").start_us, 150000000);
  EXPECT_EQ(ParseOk("-ss 0.040").start_us, 40000);
  for (const char* bad : {"-ss -5", "-ss 1:75", "-ss 1:2:3:4", "-ss 12s", "-ss :30", "-t 0", "-t 101:00:00"})
    EXPECT_NE(ParseError(bad).find(std::string(bad).substr(0, 3)), std::string::npos) << bad;
}

TEST(OptionsParseTest, EstimatedSizeFollowsBitratesAndTrimmedLength) {
  constexpr int64_t kMinute = 60000000;
  // (1000 + 128) kbit/s for the 20 s kept, then for the 15 s left after the start.
  EXPECT_EQ(
      FFEncoder::EstimateOutputBytes("-vcodec libx264 -b:v 1000k -ab 128k -ss 10 -t 20", kMinute, true, true),
      2820000);
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-b:v 1000k -ab 128k -ss 10 -t 20", 25000000, true, true),
            2115000);
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-b:v 1000k -ab 128k", kMinute, false, true),
            960000);  // no picture
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-an -b:v 1000k -ab 128k", kMinute, true, true), 7500000);
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-ab 128k", kMinute, true, true), FFEncoder::kSizeUnknown);
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-b:v 1000k", 0, true, false), FFEncoder::kSizeUnknown);
  // Constant quality: nothing to tell until a sample was measured, then its rate.
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-crf 22 -b:a 128k -t 20", kMinute, true, true),
            FFEncoder::kSizeDependsOnContent);
  EXPECT_EQ(FFEncoder::EstimateOutputBytes("-vcodec libx264 -crf 22 -t 20", kMinute, true, true, 50000),
            1000000);
  EXPECT_EQ(FFEncoder::OutputLength("-ss 50 -crf 30", kMinute), 10000000);
}
