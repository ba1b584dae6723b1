// The profile catalogue, checked entry by entry against an independent table of the
// values each profile must leave in the record, and profile sequences.
#include <gtest/gtest.h>

#include <set>

#include "output/OutputCatalogue.h"
#include "output/OutputProfile.h"
#include "output/OutputSizes.h"

namespace {

struct Expected {
  int id;
  const char* menu;
  const char* caption;
  const char* key;
  const char* extension;
  const char* size;  // "W x H" or "Auto"
  const char* frameRate;
  const char* audioBitrate;
  const char* channels;
};

// clang-format off
const Expected kExpected[] = {
    {1186, "General Audio Format", "AAC - Advanced Audio Coding Files (*.aac)",
     "aac", "aac", "Auto", "Auto", "Auto", "Auto"},
    {1188, "General Audio Format", "AC3 - Audio Coding 3 (*.ac3)",
     "ac3", "ac3", "Auto", "Auto", "Auto", "Auto"},
    {1187, "General Audio Format", "AIFF - Audio InterChange File Format (*.aiff)",
     "aiff", "aiff", "Auto", "Auto", "Auto", "Auto"},
    {1189, "General Audio Format", "FLAC - Free Lossless Audio Codec (*.flac)",
     "flac", "flac", "Auto", "Auto", "Auto", "Auto"},
    {1190, "General Audio Format", "M4A - MPEG-4 Audio (*.m4a)",
     "m4a", "m4a", "Auto", "Auto", "Auto", "Auto"},
    {1184, "General Audio Format", "MP2 - MPEG Layer-2 Audio (*.mp2)",
     "mp2", "mp2", "Auto", "Auto", "Auto", "Auto"},
    {1185, "General Audio Format", "MP3 - MPEG Layer-3 Audio (*.mp3)",
     "mp3", "mp3", "Auto", "Auto", "Auto", "Auto"},
    {1191, "General Audio Format", "OGG - Ogg Vorbis Audio (*.ogg)",
     "ogg", "ogg", "Auto", "Auto", "Auto", "Auto"},
    {1192, "General Audio Format", "RA - Real Audio (*.ra)",
     "ra", "ra", "Auto", "Auto", "Auto", "Auto"},
    {1193, "General Audio Format", "WAV - Waveform Audio (*.wav)",
     "wav", "wav", "Auto", "Auto", "Auto", "Auto"},
    {1194, "General Audio Format", "WMA - Windows Media Audio (*.wma)",
     "wma", "wma", "Auto", "Auto", "Auto", "Auto"},
    {1046, "General Video Format", "3GP - 3GP Format (*.3gp)",
     "3gp", "3gp", "Auto", "Auto", "Auto", "Auto"},
    {1036, "General Video Format", "ASF - Advanced Streaming Format (*.asf)",
     "asf", "asf", "Auto", "Auto", "Auto", "Auto"},
    {1045, "General Video Format", "AVI - AVI Xvid Format (*.avi)",
     "avi", "avi", "Auto", "Auto", "Auto", "Auto"},
    {1029, "General Video Format", "F4V - Flash Video (*.f4v)",
     "f4v", "f4v", "Auto", "Auto", "Auto", "Auto"},
    {1028, "General Video Format", "FLV - Flash Video (*.flv)",
     "flv", "flv", "Auto", "Auto", "Auto", "Auto"},
    {1030, "General Video Format", "MKV - Matroska Video (*.mkv)",
     "mkv", "mkv", "Auto", "Auto", "Auto", "Auto"},
    {1034, "General Video Format", "MOV - QuickTime Video (*.mov)",
     "mov", "mov", "Auto", "Auto", "Auto", "Auto"},
    {1057, "General Video Format", "MP4 - H264 Video (*.mp4)",
     "mp4h264", "mp4", "Auto", "Auto", "Auto", "Auto"},
    {1032, "General Video Format", "MP4 - MPEG-4 Video (*.mp4)",
     "mp4", "mp4", "Auto", "Auto", "Auto", "Auto"},
    {1050, "General Video Format", "MPG - MPEG-1 Video (*.mpg)",
     "mpg", "mpg", "Auto", "Auto", "Auto", "Auto"},
    {1177, "General Video Format", "MPG - MPEG-2 Video (*.mpg)",
     "mpg2", "mpg", "Auto", "Auto", "Auto", "Auto"},
    {1052, "General Video Format", "RM - Real Video (*.rm)",
     "rm", "rm", "Auto", "Auto", "Auto", "Auto"},
    {1051, "General Video Format", "SWF - Shock Wave Flash (*.swf)",
     "swf", "swf", "Auto", "Auto", "Auto", "Auto"},
    {1035, "General Video Format", "VOB - DVD Video Object (*.vob)",
     "vob", "vob", "720 x 480", "Auto", "Auto", "Auto"},
    {1053, "General Video Format", "WebM - WebM Video (*.webm)",
     "webm", "webm", "Auto", "Auto", "Auto", "Auto"},
    {1037, "General Video Format", "WMV - Windows Media Video (*.wmv)",
     "wmv", "wmv", "Auto", "Auto", "Auto", "Auto"},
    {1082, "Android", "Android - MPEG4 Video",
     "mp4", "mp4", "Auto", "Auto", "Auto", "2"},
    {1083, "Android", "Android - H264 Video 320x240",
     "mp4h264", "mp4", "320 x 240", "Auto", "96k", "2"},
    {1084, "Android", "Android - H264 Video 480x320",
     "mp4h264", "mp4", "480 x 320", "Auto", "96k", "2"},
    {1085, "Android", "Android - H264 Video 800x480",
     "mp4h264", "mp4", "800 x 480", "Auto", "Auto", "2"},
    {1086, "Android", "Android - H264 Video 854x480",
     "mp4h264", "mp4", "854 x 480", "Auto", "Auto", "2"},
    {1087, "Android", "HTC G2 Magic - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1088, "Android", "HTC Hero - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1089, "Android", "HTC Tattoo - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "29.97", "Auto", "2"},
    {1090, "Android", "Motorola CLIQ - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "23.97", "Auto", "2"},
    {1091, "Android", "Motorola Droid - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "23.97", "160k", "2"},
    {1092, "Android", "Nexus One - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1093, "Android", "Samsung i7500 - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1095, "Android Pad", "Samsung P1000 - H264 Video",
     "mp4h264", "mp4", "1280 x 720", "29.97", "Auto", "2"},
    {1096, "Android Pad", "Samsung P1000 - MPEG4 Video",
     "mp4", "mp4", "1280 x 720", "23.97", "Auto", "2"},
    {1097, "Android Pad", "Motorola Xoom - H264 Video",
     "mp4h264", "mp4", "1280 x 720", "29.97", "Auto", "2"},
    {1098, "Android Pad", "Motorola Xoom - MPEG4 Video",
     "mp4", "mp4", "1280 x 720", "23.97", "Auto", "2"},
    {1075, "Apple TV", "Apple TV - MPEG4 Video",
     "mp4", "mp4", "720 x 432", "29.97", "Auto", "2"},
    {1074, "Apple TV", "Apple TV - H264 Video",
     "mp4h264", "mp4", "720 x 480", "29.97", "Auto", "2"},
    {1073, "Apple TV", "Apple TV - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "29.97", "Auto", "2"},
    {1079, "iPad", "iPad - MPEG4 Video",
     "mp4", "mp4", "640 x 480", "23.97", "Auto", "2"},
    {1077, "iPad", "iPad - H264 Video",
     "mp4h264", "mp4", "720 x 576", "29.97", "Auto", "2"},
    {1078, "iPad", "iPad - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "29.97", "Auto", "2"},
    {1080, "iPad", "iPad2 - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "29.97", "Auto", "2"},
    {1055, "iPhone", "iPhone - H.264 Video",
     "mp4h264", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1056, "iPhone", "iPhone - H.264 Video for TV",
     "mp4h264", "mp4", "640 x 480", "29.97", "Auto", "2"},
    {1058, "iPhone", "iPhone - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1059, "iPhone", "iPhone4 - H.264 Video",
     "mp4h264", "mp4", "960 x 640", "29.97", "Auto", "2"},
    {1061, "iPod", "iPod - H264 Video",
     "mp4h264", "mp4", "320 x 240", "29.97", "Auto", "2"},
    {1063, "iPod", "iPod - H264 Video for TV",
     "mp4h264", "mp4", "640 x 480", "29.97", "Auto", "2"},
    {1062, "iPod", "iPod - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "29.97", "Auto", "2"},
    {1064, "iPod", "iPod - MPEG4 Video for TV",
     "mp4", "mp4", "640 x 480", "29.97", "Auto", "2"},
    {1065, "iPod", "iPod Nano 5 - H264 Video",
     "mp4h264", "mp4", "376 x 240", "30", "Auto", "2"},
    {1066, "iPod", "iPod Nano 5 - MPEG4 Video",
     "mp4", "mp4", "376 x 240", "30", "Auto", "2"},
    {1067, "iPod", "iPod Touch - H264 Video",
     "mp4h264", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1068, "iPod", "iPod Touch - H264 Video for TV",
     "mp4h264", "mp4", "640 x 480", "29.97", "Auto", "2"},
    {1069, "iPod", "iPod Touch - MPEG4 Video",
     "mp4", "mp4", "480 x 320", "29.97", "Auto", "2"},
    {1070, "iPod", "iPod Touch - MPEG4 Video for TV",
     "mp4", "mp4", "640 x 480", "29.97", "Auto", "2"},
    {1071, "iPod", "iPod Touch4 - H264 Video",
     "mp4h264", "mp4", "960 x 640", "29.97", "Auto", "2"},
    {1100, "BlackBerry", "BlackBerry - 3GP Video",
     "3gp", "3gp", "352 x 288", "15", "Auto", "Auto"},
    {1101, "BlackBerry", "BlackBerry - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "15", "96k", "2"},
    {1102, "BlackBerry", "BlackBerry 8800/8700/8500/8300 - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "25", "96k", "2"},
    {1103, "BlackBerry", "BlackBerry Bold 9000 - H264 Video",
     "mp4h264", "mp4", "480 x 320", "25", "96k", "2"},
    {1104, "BlackBerry", "BlackBerry Bold 9700 - H264 Video",
     "mp4h264", "mp4", "480 x 360", "30", "96k", "2"},
    {1105, "BlackBerry", "BlackBerry Charm 7100  - MPEG4 Video",
     "mp4", "mp4", "240 x 260", "15", "96k", "2"},
    {1106, "BlackBerry", "BlackBerry Curve 8900 - H264 Video",
     "mp4h264", "mp4", "480 x 320", "25", "96k", "2"},
    {1107, "BlackBerry", "BlackBerry Flip 8220/8230  - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "25", "96k", "2"},
    {1108, "BlackBerry", "BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video",
     "mp4", "mp4", "240 x 260", "25", "96k", "2"},
    {1109, "BlackBerry", "BlackBerry Playbook - H264 Video",
     "mp4h264", "mp4", "1024 x 600", "29.97", "Auto", "2"},
    {1110, "BlackBerry", "BlackBerry Playbook - MPEG4 Video",
     "mp4", "mp4", "1024 x 600", "29.97", "Auto", "2"},
    {1113, "BlackBerry", "BlackBerry Playbook - WMV Video",
     "wmv", "wmv", "1024 x 600", "29.97", "Auto", "2"},
    {1111, "BlackBerry", "BlackBerry Storm/Storm2/Torch/Tour - H264 Video",
     "mp4h264", "mp4", "480 x 360", "30", "96k", "2"},
    {1112, "BlackBerry", "BlackBerry Tour 9630 - H264 Video",
     "mp4h264", "mp4", "480 x 360", "25", "96k", "2"},
    {1155, "HD Video", "HD - ASF Video",
     "asf", "asf", "1920 x 1080", "Auto", "Auto", "2"},
    {1157, "HD Video", "HD - H264 Video",
     "mp4h264", "mp4", "1920 x 1080", "Auto", "192k", "2"},
    {1158, "HD Video", "HD - MKV Video",
     "mkv", "mkv", "1920 x 1080", "Auto", "Auto", "2"},
    {1159, "HD Video", "HD - MOV Video",
     "mov", "mov", "1920 x 1080", "Auto", "192k", "2"},
    {1160, "HD Video", "HD - MPEG4 Video",
     "mp4", "mp4", "1920 x 1080", "Auto", "192k", "2"},
    {1161, "HD Video", "HD - RM Video",
     "rm", "rm", "1920 x 1080", "Auto", "Auto", "2"},
    {1162, "HD Video", "HD - WMV Video",
     "wmv", "wmv", "1920 x 1080", "Auto", "Auto", "2"},
    {1163, "HD Video", "HD - Xvid Video",
     "avi", "avi", "1920 x 1080", "Auto", "Auto", "2"},
    {1140, "PMP", "Archos - H264 Video",
     "mp4h264", "mp4", "800 x 480", "29.97", "Auto", "2"},
    {1141, "PMP", "Archos - MPEG4 Video",
     "mp4", "mp4", "800 x 480", "29.97", "Auto", "2"},
    {1142, "PMP", "Archos - WMV Video",
     "wmv", "wmv", "800 x 480", "29.97", "Auto", "2"},
    {1143, "PMP", "Creative ZEN - H264 Video",
     "mp4h264", "mp4", "480 x 272", "30", "Auto", "2"},
    {1144, "PMP", "Creative ZEN - MPEG4 Video",
     "mp4", "mp4", "480 x 272", "30", "Auto", "2"},
    {1145, "PMP", "Creative ZEN - WMV Video",
     "wmv", "wmv", "480 x 272", "30", "Auto", "2"},
    {1153, "PMP", "Creative ZEN - Xvid Video",
     "avi", "avi", "480 x 272", "30", "Auto", "2"},
    {1146, "PMP", "iRiver - H264 Video",
     "mp4h264", "mp4", "480 x 272", "30", "Auto", "2"},
    {1147, "PMP", "iRiver - MPEG4 Video",
     "mp4", "mp4", "480 x 272", "30", "Auto", "2"},
    {1148, "PMP", "iRiver - WMV Video",
     "wmv", "wmv", "480 x 272", "30", "Auto", "2"},
    {1149, "PMP", "iRiver - Xvid Video",
     "avi", "avi", "480 x 272", "30", "Auto", "2"},
    {1150, "PMP", "Zune - H264 Video",
     "mp4h264", "mp4", "320 x 240", "29.97", "Auto", "2"},
    {1151, "PMP", "Zune - MPEG4 Video",
     "mp4", "mp4", "320 x 240", "29.97", "Auto", "2"},
    {1152, "PMP", "Zune - WMV Video",
     "wmv", "wmv", "320 x 240", "29.97", "Auto", "2"},
    {1125, "PS3", "PS3 - H264 Video",
     "mp4h264", "mp4", "720 x 480", "Auto", "Auto", "2"},
    {1124, "PS3", "PS3 - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "Auto", "2"},
    {1127, "PS3", "PS3 - WMV Video",
     "wmv", "wmv", "720 x 480", "Auto", "Auto", "2"},
    {1126, "PS3", "PS3 - WMV HD Video",
     "wmv", "wmv", "1280 x 720", "Auto", "Auto", "2"},
    {1128, "PS3", "PS3 - Xvid Video",
     "avi", "avi", "720 x 480", "Auto", "Auto", "2"},
    {1129, "PS3", "PS3 - Xvid HD Video",
     "avi", "avi", "1280 x 720", "Auto", "Auto", "2"},
    {1119, "PSP", "PSP - H264 Video",
     "mp4h264", "mp4", "480 x 272", "Auto", "Auto", "2"},
    {1120, "PSP", "PSP - H264 Video for TV",
     "mp4h264", "mp4", "720 x 480", "Auto", "Auto", "2"},
    {1121, "PSP", "PSP - H264 Video for firmware 2.0 and above",
     "mp4h264", "mp4", "368 x 208", "Auto", "Auto", "2"},
    {1122, "PSP", "PSP - MPEG4 Video",
     "mp4", "mp4", "368 x 208", "Auto", "Auto", "2"},
    {1180, "VCD/DVD", "DVD NTSC - MPEG-2  Video",
     "ntsc-dvd", "mpg", "720 x 480", "29.97", "Auto", "Auto"},
    {1182, "VCD/DVD", "DVD PAL - MPEG-2 Video",
     "pal-dvd", "mpg", "720 x 576", "25", "Auto", "Auto"},
    {1179, "VCD/DVD", "VCD NTSC - MPEG-1 Video",
     "ntsc-vcd", "mpg", "352 x 240", "29.97", "Auto", "Auto"},
    {1181, "VCD/DVD", "VCD PAL - MPEG-1 Video",
     "pal-vcd", "mpg", "352 x 288", "25", "Auto", "Auto"},
    {1166, "Web Video", "Dailymotion - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1165, "Web Video", "Dailymotion - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "192k", "2"},
    {1167, "Web Video", "Facebook - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1168, "Web Video", "Facebook - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "192k", "2"},
    {1169, "Web Video", "Flickr - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1170, "Web Video", "Flickr - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "192k", "2"},
    {1171, "Web Video", "TwitVid - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1172, "Web Video", "TwitVid - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "192k", "2"},
    {1173, "Web Video", "Vimeo - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1174, "Web Video", "Vimeo - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "192k", "2"},
    {1175, "Web Video", "YOUTUBE - H264 Video",
     "mp4h264", "mp4", "640 x 480", "Auto", "Auto", "2"},
    {1176, "Web Video", "YOUTUBE - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "Auto", "2"},
    {1115, "Windows Phone", "Windows Phone 7 - H264 Video",
     "mp4h264", "mp4", "800 x 480", "29.97", "Auto", "2"},
    {1116, "Windows Phone", "Windows Phone 7 - MPEG4 Video",
     "mp4", "mp4", "800 x 480", "29.97", "Auto", "2"},
    {1117, "Windows Phone", "Windows Phone 7 - WMV Video",
     "wmv", "wmv", "800 x 480", "29.97", "Auto", "2"},
    {1132, "Xbox", "Xbox360 - H264 Video",
     "mp4h264", "mp4", "720 x 480", "Auto", "Auto", "2"},
    {1133, "Xbox", "Xbox360 - H264 HD Video",
     "mp4h264", "mp4", "1280 x 720", "Auto", "Auto", "2"},
    {1134, "Xbox", "Xbox360 - MPEG4 Video",
     "mp4", "mp4", "720 x 480", "Auto", "Auto", "2"},
    {1135, "Xbox", "Xbox360 - MPEG4 HD Video",
     "mp4", "mp4", "1280 x 720", "Auto", "Auto", "2"},
    {1131, "Xbox", "Xbox360 - WMV Video",
     "wmv", "wmv", "720 x 480", "Auto", "Auto", "2"},
    {1136, "Xbox", "Xbox360 - WMV HD Video",
     "wmv", "wmv", "1280 x 720", "Auto", "Auto", "2"},
    {1137, "Xbox", "Xbox360 - Xvid Video",
     "avi", "avi", "720 x 480", "Auto", "Auto", "2"},
    {1138, "Xbox", "Xbox360 - Xvid HD Video",
     "avi", "avi", "1280 x 720", "Auto", "Auto", "2"},
};
// clang-format on

// A record with user choices that a profile must carry over, and edits it must undo.
OutputSettings EditedRecord() {
  OutputSettings s;
  s.threads = "3";
  s.outputFolder = "/tmp/out dir/";
  s.videoQuality = 0;
  s.audioQuality = 2;
  s.sizeIndex = 3;
  s.width = "320";
  s.height = "240";
  s.grid.crop = true;
  s.grid.cropTop = 8;
  s.grid.cropBottom = 6;
  s.grid.cropLeft = 4;
  s.grid.cropRight = 2;
  s.grid.verticalFlip = true;
  s.grid.horizontalFlip = true;
  s.grid.rotate = 90;
  s.grid.videoBitrate = "1500k";
  s.grid.frameRate = "12";
  s.grid.aspect = "4:3";
  s.grid.audioBitrate = "64k";
  s.grid.sampleRate = "22050";
  s.grid.channels = 1;
  s.grid.removeAudio = true;
  return s;
}

}  // namespace

TEST(Catalogue, TableShapeMenusAndIds) {
  const auto catalogue = ProfileCatalogue();
  // The 138 classic entries come first, exactly as they always were; the newer
  // codecs' entries follow in their own submenu.
  ASSERT_EQ(std::size(kExpected), 138u);
  ASSERT_EQ(catalogue.size(), 148u);
  std::set<int> ids;
  for (size_t i = 138; i < catalogue.size(); ++i) {
    SCOPED_TRACE(catalogue[i].id);
    EXPECT_STREQ(catalogue[i].menu, "Modern");
    EXPECT_TRUE(FormatKeys().contains(catalogue[i].key));
    EXPECT_GT(catalogue[i].id, 1194);
    EXPECT_TRUE(ids.insert(catalogue[i].id).second) << "duplicate id";
    EXPECT_EQ(catalogue[i].width % 2 + catalogue[i].height % 2, 0);
  }
  for (size_t i = 0; i < std::size(kExpected); ++i) {
    SCOPED_TRACE(kExpected[i].id);
    EXPECT_EQ(catalogue[i].id, kExpected[i].id) << "menu order differs";
    EXPECT_STREQ(catalogue[i].caption, kExpected[i].caption);
    EXPECT_STREQ(catalogue[i].menu, kExpected[i].menu);
    EXPECT_TRUE(ids.insert(catalogue[i].id).second) << "duplicate id";
    EXPECT_GE(catalogue[i].id, 1028);
    EXPECT_LE(catalogue[i].id, 1194);
  }
  EXPECT_EQ(FindProfile(1000), nullptr);
  EXPECT_EQ(FindProfile(1183), nullptr);
  EXPECT_EQ(DeviceMenuNames(),
            QStringList({"Android", "Android Pad", "Apple TV", "iPad", "iPhone", "iPod",
                         "BlackBerry", "HD Video", "PMP", "PS3", "PSP", "VCD/DVD", "Web Video",
                         "Windows Phone", "Xbox"}));
}

TEST(Catalogue, EveryEntryLeavesItsValuesAndCarriesTheRest) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(testing::Message() << e.id << " " << e.caption);
    OutputSettings s = EditedRecord();
    OutputControls c;
    c.cropValuesEditable = true;
    ApplyProfile(s, c, e.id, e.caption);

    const bool audio = QString(e.menu) == "General Audio Format";
    EXPECT_EQ(s.profileCaption, e.caption);
    EXPECT_EQ(s.outputFormatKey, e.key);
    EXPECT_EQ(s.audioOnly, audio);
    EXPECT_EQ(s.grid.fileExtension, e.extension);
    EXPECT_EQ(ExtensionForKey(e.key), e.extension);

    const QString size = e.size;
    if (size == "Auto") {
      EXPECT_EQ(s.sizeIndex, 0);
      EXPECT_EQ(s.width, "");
      EXPECT_EQ(s.height, "");
    } else {
      EXPECT_EQ(s.sizeIndex, 15);
      EXPECT_EQ(s.width + " x " + s.height, size);
    }
    EXPECT_EQ(s.grid.frameRate, e.frameRate);
    EXPECT_EQ(s.grid.audioBitrate, e.audioBitrate);
    const QString channels = e.channels;
    EXPECT_EQ(s.grid.channels, channels == "Auto" ? 0 : channels.toInt());

    // Reset fields.
    EXPECT_EQ(s.videoQuality, 1);
    EXPECT_EQ(s.audioQuality, 1);
    EXPECT_EQ(s.grid.videoBitrate, "Auto");
    EXPECT_EQ(s.grid.aspect, "Auto");
    EXPECT_EQ(s.grid.sampleRate, "Auto");
    EXPECT_FALSE(s.grid.removeAudio);

    // Carried over.
    EXPECT_EQ(s.threads, "3");
    EXPECT_EQ(s.outputFolder, "/tmp/out dir/");
    EXPECT_TRUE(s.grid.crop);
    EXPECT_EQ(s.grid.cropTop, 8);
    EXPECT_EQ(s.grid.cropBottom, 6);
    EXPECT_EQ(s.grid.cropLeft, 4);
    EXPECT_EQ(s.grid.cropRight, 2);
    EXPECT_TRUE(s.grid.verticalFlip);
    EXPECT_TRUE(s.grid.horizontalFlip);
    EXPECT_EQ(s.grid.rotate, 90);
    EXPECT_TRUE(c.cropValuesEditable);

    // Video controls withdrawn only for audio entries.
    EXPECT_EQ(c.sizeEnabled, !audio);
    EXPECT_EQ(c.sizeBoxesEnabled, !audio);
    EXPECT_EQ(c.videoQualityEnabled, !audio);
    EXPECT_EQ(c.videoSettingsVisible, !audio);
    EXPECT_EQ(c.removeAudioVisible, !audio);
    EXPECT_TRUE(c.audioItemsVisible);
  }
}

TEST(Catalogue, KeysAndExtensions) {
  // Every key's extension is checked through the entries above; here the key list
  // itself and the exact-match rule.
  ASSERT_EQ(FormatKeys().size(), 37);
  EXPECT_EQ(FormatKeys().mid(0, 31).last(), "wma");  // the classic keys keep their order
  EXPECT_TRUE(IsAudioKey("opus"));
  EXPECT_FALSE(IsAudioKey("mp4hevc"));
  EXPECT_TRUE(IsAudioProfile(1206));
  EXPECT_FALSE(IsAudioProfile(1201));
  EXPECT_EQ(ExtensionForKey("mp4hevc"), "mp4");
  EXPECT_EQ(ExtensionForKey("webmav1"), "webm");
  EXPECT_EQ(ExtensionForKey("mkvh264"), "mkv");
  for (const Expected& e : kExpected) EXPECT_TRUE(FormatKeys().contains(e.key)) << e.key;
  for (const char* audio : {"aac", "ac3", "aiff", "flac", "m4a", "mp2", "mp3", "ogg", "ra",
                            "wav", "wma"}) {
    EXPECT_TRUE(IsAudioKey(audio)) << audio;
  }
  EXPECT_FALSE(IsAudioKey("mp4"));
  EXPECT_FALSE(IsAudioKey("MP3"));
  EXPECT_EQ(ExtensionForKey("MP4H264"), "MP4H264");  // exact match only
  EXPECT_EQ(ExtensionForKey(""), "");
}

TEST(ProfileSequence, AudioThenVideoRestoresTheVideoControls) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1185, "MP3 - MPEG Layer-3 Audio (*.mp3)");
  EXPECT_TRUE(s.audioOnly);
  EXPECT_FALSE(c.videoSettingsVisible);
  EXPECT_FALSE(c.sizeEnabled);

  ApplyProfile(s, c, 1055, "iPhone - H.264 Video");
  EXPECT_FALSE(s.audioOnly);
  EXPECT_EQ(s.outputFormatKey, "mp4h264");
  EXPECT_TRUE(c.videoSettingsVisible && c.removeAudioVisible && c.sizeEnabled &&
              c.sizeBoxesEnabled && c.videoQualityEnabled);
  EXPECT_EQ(s.sizeIndex, SizeCustomIndex);
  EXPECT_EQ(s.grid.fileExtension, "mp4");
}

TEST(ProfileSequence, CropSetBeforeAProfileStaysInForce) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1180, "DVD NTSC - MPEG-2  Video");
  s.grid.crop = true;
  s.grid.cropLeft = 10;
  c.cropValuesEditable = true;
  ApplyProfile(s, c, 1186, "AAC - Advanced Audio Coding Files (*.aac)");
  ApplyProfile(s, c, 1181, "VCD PAL - MPEG-1 Video");
  EXPECT_TRUE(s.grid.crop);
  EXPECT_EQ(s.grid.cropLeft, 10);
  EXPECT_TRUE(c.cropValuesEditable);
  EXPECT_EQ(s.outputFormatKey, "pal-vcd");
  EXPECT_EQ(s.width, "352");
  EXPECT_EQ(s.height, "288");
  EXPECT_EQ(s.grid.frameRate, "25");
}

TEST(ProfileSequence, SameProfileAgainUndoesEditsOfTheResetFields) {
  OutputSettings s;
  ApplyProfile(s, 1100);  // BlackBerry - 3GP Video
  s.grid.frameRate = "30";
  s.grid.channels = 1;
  s.width = "100";
  ApplyProfile(s, 1100);
  EXPECT_EQ(s.grid.frameRate, "15");
  EXPECT_EQ(s.grid.channels, 0);
  EXPECT_EQ(s.width, "352");
  EXPECT_EQ(s.profileCaption, "BlackBerry - 3GP Video");
}

TEST(ProfileSequence, UnknownIdChangesOnlyCaptionAndExtension) {
  OutputSettings s;
  OutputControls c;
  ApplyProfile(s, c, 1194, "WMA - Windows Media Audio (*.wma)");
  s.grid.audioBitrate = "96k";
  s.grid.fileExtension = "x";
  const OutputControls before = c;
  ApplyProfile(s, c, 4242, "Something else");
  EXPECT_EQ(s.profileCaption, "Something else");
  EXPECT_EQ(s.outputFormatKey, "wma");
  EXPECT_EQ(s.grid.fileExtension, "wma");
  EXPECT_EQ(s.grid.audioBitrate, "96k");
  // The record stays an audio record: the key still names an audio format.
  EXPECT_TRUE(s.audioOnly);
  EXPECT_EQ(c.videoSettingsVisible, before.videoSettingsVisible);
}
