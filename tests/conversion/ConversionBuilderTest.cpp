// Option strings, output paths and folder checks, compared with strings written out by
// hand for a 640 X 480 source with sound unless a test says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "conversion/ConversionBuilder.h"
#include "core/Translations.h"
#include "engine/convert/EncoderOptions.h"
#include "output/FormatTable.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSettingsDialog.h"
#include "output/SettingsGrid.h"

namespace {

FileRow VideoRow(const QString& path = "/media/in/clip.avi", int width = 640, int height = 480) {
  FileRow row;
  row.path = path;
  row.source.videoTracks = row.source.audioTracks = 1;
  row.source.storedWidth = row.source.uprightWidth = width;
  row.source.storedHeight = row.source.uprightHeight = height;
  row.source.videoCodec = "h264";
  row.source.audioCodec = "aac";
  return row;
}

FileRow AudioRow(const QString& path = "/media/in/song.wav") {
  FileRow row;
  row.path = path;
  row.source.audioTracks = 1;
  row.source.audioCodec = "pcm_s16le";
  return row;
}

OutputSettings Settings(const QString& key, int quality = 1) {
  OutputSettings s;
  s.outputFormatKey = key;
  s.audioOnly = IsAudioKey(key);
  s.videoQuality = quality;
  s.audioQuality = quality;
  return s;
}

QString Options(const OutputSettings& s, const FileRow& row = VideoRow()) {
  return BuildConversion(s, row, "/out/").options;
}

struct Expected {
  const char* key;
  int quality;
  const char* options;
};

// Every format key at High (0), Normal (1) and Low (2) quality, all grid items "Auto".
const Expected kEveryKey[] = {
    {"3gp", 0, "-ac 2 -vb 164k -ab 12200 -ac 1 -ar 8000 -s 176x144"},
    {"3gp", 1, "-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144"},
    {"3gp", 2, "-ac 2 -vb 73k -ab 4750 -ac 1 -ar 8000 -s 176x144"},
    {"avi", 0, "-ac 2 -vcodec libxvid -vb 5082k -acodec libmp3lame -ab 320k -ar 44100 -s 640x480"},
    {"avi", 1, "-ac 2 -vcodec libxvid -vb 3388k -acodec libmp3lame -ab 128k -ar 44100 -s 640x480"},
    {"avi", 2, "-ac 2 -vcodec libxvid -vb 2259k -acodec libmp3lame -ab 64k -ar 22050 -s 640x480"},
    {"asf", 0, "-ac 2 -vcodec msmpeg4v2 -vb 3072k -acodec wmav2 -ab 256k -ar 44100 -s 640x480"},
    {"asf", 1, "-ac 2 -vcodec msmpeg4v2 -vb 2048k -acodec wmav2 -ab 128k -ar 44100 -s 640x480"},
    {"asf", 2, "-ac 2 -vcodec msmpeg4v2 -vb 1365k -acodec wmav2 -ab 64k -ar 22050 -s 640x480"},
    {"wmv", 0, "-ac 2 -vcodec wmv2 -vb 3072k -acodec wmav2 -ab 256k -ar 44100 -s 640x480"},
    {"wmv", 1, "-ac 2 -vcodec wmv2 -vb 2048k -acodec wmav2 -ab 128k -ar 44100 -s 640x480"},
    {"wmv", 2, "-ac 2 -vcodec wmv2 -vb 1365k -acodec wmav2 -ab 64k -ar 22050 -s 640x480"},
    {"flv", 0, "-ac 2 -vb 3072k -ab 128k -ar 44100 -s 640x480"},
    {"flv", 1, "-ac 2 -vb 2048k -ab 64k -ar 44100 -s 640x480"},
    {"flv", 2, "-ac 2 -vb 1365k -ab 32k -ar 22050 -s 640x480"},
    {"f4v", 0,
     "-ac 2 -vcodec libx264 -vpre libx264-default -f flv -vb 3072k -acodec libfaac -ab 256k -ar 44100 -ac 2 "
     "-s 640x480"},
    {"f4v", 1,
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -f flv -vb 2048k -acodec libfaac -ab 128k -ar 44100 -ac 2 "
     "-s 640x480"},
    {"f4v", 2,
     "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -f flv -vb 1365k -acodec libfaac -ab 64k -ar 22050 -ac 2 "
     "-s 640x480"},
    {"swf", 0, "-ac 2 -vb 3072k -ab 128k -ar 44100 -s 640x480"},
    {"swf", 1, "-ac 2 -vb 2048k -ab 64k -ar 44100 -s 640x480"},
    {"swf", 2, "-ac 2 -vb 1365k -ab 32k -ar 22050 -s 640x480"},
    {"mkv", 0,
     "-ac 2 -vcodec libx264 -vpre libx264-default -vb 3072k  -acodec libmp3lame -ab 320k -ar 44100 -s "
     "640x480"},
    {"mkv", 1,
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k  -acodec libmp3lame -ab 128k -ar 44100 -s "
     "640x480"},
    {"mkv", 2,
     "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 1365k  -acodec libmp3lame -ab 64k -ar 22050 -s "
     "640x480"},
    {"mov", 0, "-r 29.97 -ac 2 -vb 3072k -ab 320k -ar 44100 -s 640x480"},
    {"mov", 1, "-r 29.97 -ac 2 -vb 2048k -ab 256k -ar 44100 -s 640x480"},
    {"mov", 2, "-r 29.97 -ac 2 -vb 1365k -ab 96k -ar 22050 -s 640x480"},
    {"mp4", 0, "-r 29.97 -ac 2 -vb 3072k -ab 256k -ar 44100 -s 640x480"},
    {"mp4", 1, "-r 29.97 -ac 2 -vb 2048k -ab 128k -ar 44100 -s 640x480"},
    {"mp4", 2, "-r 29.97 -ac 2 -vb 1365k -ab 96k -ar 22050 -s 640x480"},
    {"mp4h264", 0, "-ac 2 -vcodec libx264 -vpre libx264-default -vb 3072k -ab 256k -ar 44100 -s 640x480"},
    {"mp4h264", 1, "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -s 640x480"},
    {"mp4h264", 2, "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 1365k -ab 96k -ar 22050 -s 640x480"},
    {"mpg", 0, "-ac 2 -vb 3072k -ab 256k -ar 44100 -s 640x480"},
    {"mpg", 1, "-ac 2 -vb 2048k -ab 128k -ar 44100 -s 640x480"},
    {"mpg", 2, "-ac 2 -vb 1365k -ab 96k -ar 22050 -s 640x480"},
    {"ntsc-vcd", 0, "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480"},
    {"ntsc-vcd", 2, "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480"},
    {"pal-vcd", 1, "-ac 2 -target pal-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480"},
    {"mpg2", 0, "-ac 2 -vcodec mpeg2video -vb 3072k -ab 256k -ar 44100 -s 640x480"},
    {"mpg2", 1, "-ac 2 -vcodec mpeg2video -vb 2048k -ab 128k -ar 44100 -s 640x480"},
    {"mpg2", 2, "-ac 2 -vcodec mpeg2video -vb 1365k -ab 96k -ar 22050 -s 640x480"},
    {"ntsc-dvd", 0, "-ac 2 -target ntsc-dvd -ab 256k -ar 44100 -s 640x480"},
    {"ntsc-dvd", 1, "-ac 2 -target ntsc-dvd -ab 128k -ar 44100 -s 640x480"},
    {"ntsc-dvd", 2, "-ac 2 -target ntsc-dvd -ab 96k -ar 22050 -s 640x480"},
    {"pal-dvd", 0, "-ac 2 -target pal-dvd -ab 256k -ar 44100 -s 640x480"},
    {"pal-dvd", 2, "-ac 2 -target pal-dvd -ab 96k -ar 22050 -s 640x480"},
    {"rm", 0, "-ac 2 -vcodec rv20 -vb 1000k -ab 256k -ar 44100 -s 640x480"},
    {"rm", 1, "-ac 2 -vcodec rv20 -vb 1000k -ab 128k -ar 44100 -s 640x480"},
    {"rm", 2, "-ac 2 -vcodec rv20 -vb 1000k -ab 96k -ar 22050 -s 640x480"},
    {"vob", 0, "-ac 2 -target dvd -vb 3800k -ab 320k -ar 48000 -s 640x480"},
    {"vob", 1, "-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -s 640x480"},
    {"vob", 2, "-ac 2 -target dvd -vb 768k -ab 96k -ar 44100 -s 640x480"},
    {"webm", 0, "-ac 2 -vcodec libvpx -vb 3072k  -acodec libvorbis -ab 320k -ar 44100 -s 640x480"},
    {"webm", 1, "-ac 2 -vcodec libvpx -vb 2048k  -acodec libvorbis -ab 128k -ar 44100 -s 640x480"},
    {"webm", 2, "-ac 2 -vcodec libvpx -vb 1365k  -acodec libvorbis -ab 64k -ar 22050 -s 640x480"},
    {"aac", 0, "-ac 2 -vn -ab 256k -ar 48000"},
    {"aac", 1, "-ac 2 -vn -ab 128k -ar 44100"},
    {"aac", 2, "-ac 2 -vn -ab 96k -ar 22050"},
    {"ac3", 0, "-ac 2 -vn -ab 320k -ar 48000"},
    {"ac3", 2, "-ac 2 -vn -ab 96k -ar 22050"},
    {"aiff", 0, "-ac 2 -vn  -ar 48000"},
    {"aiff", 2, "-ac 2 -vn  -ar 22050"},
    {"flac", 1, "-ac 2 -vn  -ar 44100"},
    {"m4a", 0, "-ac 2 -vn -ab 256k -ar 48000"},
    {"m4a", 2, "-ac 2 -vn -ab 96k -ar 22050"},
    {"mp2", 0, "-ac 2 -vn -ab 320k -ar 48000"},
    {"mp2", 2, "-ac 2 -vn -ab 64k -ar 22050"},
    {"mp3", 0, "-ac 2 -vn -ab 320k -ar 48000"},
    {"mp3", 1, "-ac 2 -vn -ab 128k -ar 44100"},
    {"mp3", 2, "-ac 2 -vn -ab 64k -ar 22050"},
    {"ogg", 0, "-ac 2 -vn -acodec libvorbis -ab 320k -ar 48000"},
    {"ogg", 2, "-ac 2 -vn -acodec libvorbis -ab 64k -ar 22050"},
    {"ra", 0, "-ac 2 -vn  -ab 256k -ar 44100"},
    {"ra", 1, "-ac 2 -vn  -ab 128k -ar 44100"},
    {"ra", 2, "-ac 2 -vn  -ab 96k -ar 22050"},
    {"wav", 0, "-ac 2 -vn  -ar 48000"},
    {"wav", 2, "-ac 2 -vn  -ar 22050"},
    {"wma", 0, "-ac 2 -vn  -acodec wmav2 -ab 320k -ar 48000"},
    {"wma", 1, "-ac 2 -vn  -acodec wmav2 -ab 128k -ar 44100"},
    {"wma", 2, "-ac 2 -vn  -acodec wmav2 -ab 64k -ar 22050"},
    {"mp4hevc", 0, "-ac 2 -vcodec libx265 -vpre default -vb 1920k -acodec aac -ab 256k -ar 48000 -s 640x480"},
    {"mp4hevc", 1,
     "-ac 2 -vcodec libx265 -vpre veryfast -vb 1280k -acodec aac -ab 128k -ar 44100 -s 640x480"},
    {"webmvp9", 2,
     "-ac 2 -vcodec libvpx-vp9 -vpre ultrafast -vb 853k -acodec libopus -ab 32k -ar 22050 -s 640x480"},
    {"mkvav1", 1,
     "-ac 2 -vcodec libaom-av1 -vpre veryfast -vb 1024k -acodec libopus -ab 64k -ar 44100 -s 640x480"},
    {"webmav1", 1,
     "-ac 2 -vcodec libaom-av1 -vpre veryfast -vb 1024k -acodec libopus -ab 64k -ar 44100 -s 640x480"},
    {"mkvh264", 1,
     "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -acodec aac -ab 128k -ar 44100 -s 640x480"},
    {"opus", 1, "-ac 2 -vn -acodec libopus -ab 64k -ar 44100"},
};

}  // namespace

TEST(ConversionBuilder, EveryFormatKeyAtEveryQuality) {
  for (const Expected& e : kEveryKey) {
    EXPECT_EQ(Options(Settings(e.key, e.quality)), QString(e.options)) << e.key << " q" << e.quality;
  }
  // Every key of the format table builds, writes its extension and has a golden above.
  for (const FormatRow& row : FormatRows()) {
    const ConversionJob job = BuildConversion(Settings(row.key), VideoRow(), "/out/");
    EXPECT_TRUE(job.valid) << row.key;
    EXPECT_EQ(job.extension, row.extension) << row.key;
    EXPECT_EQ(job.outputPath, QString("/out/clip.") + row.extension) << row.key;
    EXPECT_TRUE(std::any_of(std::begin(kEveryKey), std::end(kEveryKey),
                            [&](const Expected& e) { return std::string_view(e.key) == row.key; }))
        << row.key << " has no golden option string";
  }
  EXPECT_FALSE(BuildConversion(Settings("MP4"), VideoRow(), "/out/").valid);  // exact keys only
}

TEST(ConversionBuilder, WorkedExamples) {
  const ConversionJob job = BuildConversion(Settings("mp4h264"), VideoRow(), "/out/");
  EXPECT_EQ(job.options,
            "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -s 640x480");
  EXPECT_EQ(job.outputPath, "/out/clip.mp4");
  OutputSettings mp3 = Settings("mp3");
  mp3.audioQuality = 0;
  EXPECT_EQ(Options(mp3), "-ac 2 -vn -ab 320k -ar 48000");
  EXPECT_EQ(Options(Settings("3gp")), "-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144");
}

TEST(ConversionBuilder, RowsWithoutVideoOrSound) {
  // No picture: " -vn " whatever the size choice, and no filter.
  OutputSettings s = Settings("mp4h264");
  s.sizeIndex = 15;
  s.width = "320";
  s.height = "240";
  s.grid.verticalFlip = true;
  qint64 pixels = 307200;  // an earlier 640 x 480 row's count is kept
  EXPECT_EQ(BuildConversion(s, AudioRow(), "/out/", &pixels).options,
            "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100 -vn ");
  EXPECT_EQ(Options(Settings("3gp"), AudioRow()), "-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144");
  // A silent video builds exactly like one with sound.
  FileRow silent = VideoRow();
  silent.source.audioTracks = 0;
  EXPECT_EQ(Options(Settings("avi"), silent), Options(Settings("avi"), VideoRow()));
  // The size shown upright is what the options are built from, not the stored one.
  FileRow portrait = VideoRow("/a.mp4", 240, 320);
  portrait.source.storedWidth = 320;
  portrait.source.storedHeight = 240;
  EXPECT_EQ(Options(Settings("avi"), portrait).right(10), "-s 240x320");
}

TEST(ConversionBuilder, CustomSizeCropAndScale) {
  OutputSettings s = Settings("mp4h264");
  s.sizeIndex = 15;
  s.width = "320";
  s.height = "240";
  const QString prefix = "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k -ar 44100";
  EXPECT_EQ(Options(s), prefix + " -s 320x240");
  s.outputFormatKey = "3gp";  // a chosen size replaces 3gp's fixed one
  EXPECT_EQ(Options(s), "-ac 2 -vb 330k -ab 6700 -ac 1 -ar 8000 -s 320x240");
  s.outputFormatKey = "mp4h264";

  // Crop switched on without margins crops nothing and keeps the chosen size.
  s.grid.crop = true;
  EXPECT_EQ(Options(s), prefix + " -s 320x240");

  s.grid.cropTop = 10;
  s.grid.cropBottom = 20;
  s.grid.cropLeft = 30;
  s.grid.cropRight = 40;
  EXPECT_EQ(Options(s), prefix + " -vf \"crop=570:450:30:10,scale=320:240\"");
  s.sizeIndex = 0;
  EXPECT_EQ(BuildCropScale(s, ReadRowFacts(VideoRow())), "crop=570:450:30:10");
  EXPECT_TRUE(Options(s).endsWith("-ar 44100 -vf \"crop=570:450:30:10\""));
  s.outputFormatKey = "3gp";  // 3gp keeps its fixed size in front of the crop chain
  EXPECT_TRUE(Options(s).endsWith("-ar 8000 -s 176x144 -vf \"crop=570:450:30:10\""));
  s.grid.crop = false;
  EXPECT_EQ(BuildCropScale(s, ReadRowFacts(VideoRow())), "");
}

TEST(ConversionBuilder, FlipsAndRotateInOrder) {
  OutputSettings s = Settings("mpg");
  const RowFacts facts = ReadRowFacts(VideoRow());
  EXPECT_EQ(BuildVideoFilter(s, facts), "");
  s.grid.verticalFlip = true;
  s.grid.rotate = 90;
  EXPECT_EQ(BuildVideoFilter(s, facts), " -vf \"vflip,rotate=90\"");
  s.grid.crop = true;
  s.grid.cropLeft = 8;
  s.grid.horizontalFlip = true;
  s.grid.rotate = -270;
  EXPECT_EQ(BuildVideoFilter(s, facts), " -vf \"crop=632:480:8:0,vflip,hflip,rotate=-270\"");
  EXPECT_EQ(BuildVideoFilter(s, ReadRowFacts(AudioRow())), "");
  s.outputFormatKey = "wav";  // audio outputs never get a picture filter
  s.audioOnly = true;
  EXPECT_EQ(Options(s), "-ac 2 -vn  -ar 44100");
}

TEST(ConversionBuilder, PrefixPartsAndTypedValues) {
  OutputSettings s = Settings("mpg");
  s.grid.removeAudio = true;
  s.grid.frameRate = "25";
  s.grid.aspect = "16:9";
  s.grid.channels = 1;
  s.grid.videoBitrate = "900k";
  s.grid.audioBitrate = "96k";
  s.grid.sampleRate = "32000";
  EXPECT_EQ(Options(s), "-an -r 25 -aspect 16:9 -ac 1 -vb 900k -ab 96k -ar 32000 -s 640x480");
  OutputSettings mov = Settings("mov");  // a typed frame rate replaces the 29.97 default
  mov.grid.frameRate = "25";
  EXPECT_EQ(Options(mov), "-r 25 -ac 2 -vb 2048k -ab 256k -ar 44100 -s 640x480");
  OutputSettings vob = Settings("vob");
  vob.grid.videoBitrate = "5000k";
  EXPECT_EQ(Options(vob), "-ac 2 -target dvd -vb 5000k -ab 192k -ar 48000 -s 640x480");

  // RealVideo's bitrate is capped at 1000k, typed or automatic.
  OutputSettings rm = Settings("rm");
  for (const auto& [typed, sent] : {std::pair{"1500k", "1000k"},
                                    {"1000k", "1000k"},
                                    {"999k", "999k"},
                                    {"800", "800"},
                                    {"1500000", "1000k"}}) {
    rm.grid.videoBitrate = typed;
    EXPECT_TRUE(Options(rm).startsWith(QString("-ac 2 -vcodec rv20 -vb ") + sent + " -ab")) << typed;
  }
}

TEST(ConversionBuilder, AutoBitrateAndOutputPaths) {
  EXPECT_EQ(AutoVideoBitrate(512, 375, 1), "2k");      // 2.5 -> 2, halves to even
  EXPECT_EQ(AutoVideoBitrate(512, 525, 1), "4k");      // 3.5 -> 4
  EXPECT_EQ(AutoVideoBitrate(330, 25344, 0), "164k");  // 109 * 1.5 = 163.5 -> 164
  EXPECT_EQ(AutoVideoBitrate(512, 76800, 3), "");
  // Huge pictures: the computed value stays within what the engine accepts.
  EXPECT_EQ(AutoVideoBitrate(512, qint64(65536) * 65536, 1), "1000000k");
  convert::Options parsed;
  std::string error;
  EXPECT_TRUE(convert::Parse("-vb " + AutoVideoBitrate(512, qint64(16384) * 16000, 0).toStdString(), {},
                             &parsed, &error))
      << error;

  EXPECT_EQ(OutputPathFor("/out/", "/in/My \"Clip\".final.avi", "mp4"), "/out/My \"Clip\".final.mp4");
  EXPECT_EQ(OutputPathFor("/out/", QString::fromUtf8("/in/vid\xC3\xA9o.mov"), "avi"),
            QString::fromUtf8("/out/vid\xC3\xA9o.avi"));
  // Names without an extension keep their name instead of becoming "/out/.mp4".
  EXPECT_EQ(OutputPathFor("/out/", "/in/recording", "mp4"), "/out/recording.mp4");
  EXPECT_EQ(OutputPathFor("/out/", "/in/.hidden", "mp4"), "/out/.hidden.mp4");
}

TEST(ConversionBuilder, UnusableSizesFallBackOneWay) {
  const QString prefix = "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k -ab 128k -ar 44100";
  OutputSettings s = Settings("mp4h264");
  s.grid.crop = true;
  s.grid.cropLeft = 2;
  s.grid.cropTop = 2;
  s.grid.cropRight = 2;
  s.grid.cropBottom = 2;
  // A custom size with one empty box falls back to the source size, with or without
  // cropping: never a half scale.
  s.sizeIndex = 15;
  s.width = "320";
  s.height = "";
  EXPECT_EQ(Options(s), prefix + " -vf \"crop=636:476:2:2\"");
  s.grid.crop = false;
  EXPECT_EQ(Options(s), prefix + " -s 640x480");
  s.height = "0";
  EXPECT_EQ(Options(s), prefix + " -s 640x480");

  s.grid.crop = true;
  s.sizeIndex = 0;
  s.width = s.height = "";

  // A size that reads 0 X 0: no size part and nothing to crop from, the engine keeps
  // the source's size.
  EXPECT_EQ(Options(s, VideoRow("/in/a.mp4", 0, 0)),
            "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 0k -ab 128k -ar 44100");
  s.grid.crop = false;
  EXPECT_EQ(Options(s, VideoRow("/in/a.mp4", 640, 0)),
            "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 0k -ab 128k -ar 44100");
  // A chosen size still applies to such a source; the crop that cannot be measured
  // is left out instead of turning the size off.
  s.grid.crop = true;
  s.sizeIndex = 3;
  s.width = "320";
  s.height = "240";
  EXPECT_EQ(Options(s, VideoRow("/in/a.mp4", 0, 0)),
            "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k -ar 44100 -s 320x240");
}

TEST(ConversionBuilder, RealVideoCapHoldsForHugeNumbers) {
  OutputSettings rm = Settings("rm");
  for (const char* typed : {"99999999999999999999k", "99999999999999999999", "1001K"}) {
    rm.grid.videoBitrate = typed;
    EXPECT_TRUE(Options(rm).startsWith("-ac 2 -vcodec rv20 -vb 1000k -ab")) << typed;
  }
  rm.grid.videoBitrate = "000000000000000000000999k";  // long but small
  EXPECT_TRUE(Options(rm).startsWith("-ac 2 -vcodec rv20 -vb 000000000000000000000999k -ab"));
}

TEST(ConversionBuilder, EngineChoicesFollowAndOnlyWhenChanged) {
  OutputSettings s = Settings("mp4h264");
  const QString plain = Options(s);
  s.grid.keepFileDate = false;
  s.grid.upscale = 1;
  s.grid.audioTracks = 1;
  s.grid.subtitles = 1;
  EXPECT_EQ(Options(s), plain + " -filedate now -upscale never -audiotracks first -subtitles burn");
  s.grid.subtitles = 2;
  EXPECT_EQ(Options(s), plain + " -filedate now -upscale never -audiotracks first -subtitles none");
  s.grid.verticalFlip = true;  // after the picture filters
  EXPECT_TRUE(
      Options(s).endsWith("-vf \"vflip\" -filedate now -upscale never -audiotracks first -subtitles none"));
  // Sound-only outputs have no picture to enlarge and no subtitles; no sound, no track choice.
  OutputSettings mp3 = Settings("mp3");
  mp3.grid = s.grid;
  mp3.grid.verticalFlip = false;
  EXPECT_EQ(Options(mp3), "-ac 2 -vn -ab 128k -ar 44100 -filedate now -audiotracks first");
  s.grid.removeAudio = true;
  EXPECT_FALSE(Options(s).contains("-audiotracks"));
  // Trim times go last, each only when set; one that is not a time is left out.
  mp3.grid.startTime = "1:30";
  EXPECT_TRUE(Options(mp3).endsWith("-audiotracks first -ss 1:30"));
  mp3.grid.duration = "20.5";
  EXPECT_TRUE(Options(mp3).endsWith("-audiotracks first -ss 1:30 -t 20.5"));
  mp3.grid.startTime = "soon";
  mp3.grid.duration = "0";
  EXPECT_EQ(Options(mp3), "-ac 2 -vn -ab 128k -ar 44100 -filedate now -audiotracks first");
}

// The dialog shows its lists and captions in the user's language; what it keeps and hands
// the engine stays English, so the option string is the same in every language.
TEST(ConversionBuilder, OptionStringIsTheSameInEveryLanguage) {
  const QString caption = "MKV - H264 Video + AAC Audio, All Tracks (*.mkv)";
  auto fromDialog = [&caption] {
    OutputSettingsDialog dialog(nullptr, "/media/out/");
    dialog.ApplyProfile(1205, caption);
    for (GridItem item : {GridItem::Upscale, GridItem::AudioTracks, GridItem::Subtitles, GridItem::Channels})
      EXPECT_TRUE(dialog.Grid()->EditValue(item, GridEntriesShown(GridItemInfoFor(item))[1]));  // as seen
    const OutputSettings settings = dialog.Settings();
    return (settings.profileCaption + " | " + BuildConversion(settings, VideoRow(), "/media/out/").options)
        .toStdString();
  };
  const std::string english = fromDialog();
  EXPECT_EQ(english.rfind(caption.toStdString() + " | ", 0), 0u) << english;
  EXPECT_NE(english.find(" -subtitles burn"), std::string::npos) << english;

  const Translations german(QLocale(QLocale::German, QLocale::Germany));
  ASSERT_TRUE(german.Loaded());
  EXPECT_EQ(GridEntriesShown(GridItemInfoFor(GridItem::Subtitles))[1], "Einbrennen");
  EXPECT_NE(ProfileCaptionShown(caption), caption);
  EXPECT_EQ(fromDialog(), english);
}

TEST(ConversionBuilder, ConstantQualityAndDeinterlaceOnlyWhereTheyApply) {
  OutputSettings s = Settings("mp4hevc");
  const QString plain = Options(s);
  s.grid.constantQuality = 30;
  EXPECT_EQ(Options(s), plain);  // the number alone changes nothing in bitrate mode
  s.grid.qualityMode = 1;
  s.grid.deinterlace = 1;
  EXPECT_EQ(Options(s), plain + " -crf 30 -deinterlace auto");
  s.grid.deinterlace = 2;
  EXPECT_EQ(Options(s), plain + " -crf 30 -deinterlace always");
  // The engine reads what the builder writes.
  convert::Options parsed;
  std::string error;
  ASSERT_TRUE(convert::Parse(Options(s).toStdString(), {}, &parsed, &error)) << error;
  EXPECT_EQ(parsed.crf, 30);
  EXPECT_EQ(parsed.deinterlace, convert::Options::Deinterlace::Always);
  // An encoder without a quality scale keeps its bitrate; sound has no fields.
  OutputSettings mpg = Settings("mpg");
  mpg.grid = s.grid;
  EXPECT_EQ(Options(mpg), Options(Settings("mpg")) + " -deinterlace always");
  OutputSettings mp3 = Settings("mp3");
  mp3.grid = s.grid;
  EXPECT_EQ(Options(mp3), Options(Settings("mp3")));
}
