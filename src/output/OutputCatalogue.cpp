// The profile catalogue as a single table.
#include "output/OutputCatalogue.h"

#include <QCoreApplication>

#include "output/FormatTable.h"

namespace {

// clang-format off
const ProfileEntry kCatalogue[] = {
    {1186, QT_TRANSLATE_NOOP("Profiles", "AAC - Advanced Audio Coding Files (*.aac)"), "General Audio Format", "aac", 0, 0, "", "", ""},
    {1188, QT_TRANSLATE_NOOP("Profiles", "AC3 - Audio Coding 3 (*.ac3)"), "General Audio Format", "ac3", 0, 0, "", "", ""},
    {1187, QT_TRANSLATE_NOOP("Profiles", "AIFF - Audio InterChange File Format (*.aiff)"), "General Audio Format", "aiff", 0, 0, "", "", ""},
    {1189, QT_TRANSLATE_NOOP("Profiles", "FLAC - Free Lossless Audio Codec (*.flac)"), "General Audio Format", "flac", 0, 0, "", "", ""},
    {1190, QT_TRANSLATE_NOOP("Profiles", "M4A - MPEG-4 Audio (*.m4a)"), "General Audio Format", "m4a", 0, 0, "", "", ""},
    {1184, QT_TRANSLATE_NOOP("Profiles", "MP2 - MPEG Layer-2 Audio (*.mp2)"), "General Audio Format", "mp2", 0, 0, "", "", ""},
    {1185, QT_TRANSLATE_NOOP("Profiles", "MP3 - MPEG Layer-3 Audio (*.mp3)"), "General Audio Format", "mp3", 0, 0, "", "", ""},
    {1191, QT_TRANSLATE_NOOP("Profiles", "OGG - Ogg Vorbis Audio (*.ogg)"), "General Audio Format", "ogg", 0, 0, "", "", ""},
    {1192, QT_TRANSLATE_NOOP("Profiles", "RA - Real Audio (*.ra)"), "General Audio Format", "ra", 0, 0, "", "", ""},
    {1193, QT_TRANSLATE_NOOP("Profiles", "WAV - Waveform Audio (*.wav)"), "General Audio Format", "wav", 0, 0, "", "", ""},
    {1194, QT_TRANSLATE_NOOP("Profiles", "WMA - Windows Media Audio (*.wma)"), "General Audio Format", "wma", 0, 0, "", "", ""},
    {1046, QT_TRANSLATE_NOOP("Profiles", "3GP - 3GP Format (*.3gp)"), "General Video Format", "3gp", 0, 0, "", "", ""},
    {1036, QT_TRANSLATE_NOOP("Profiles", "ASF - Advanced Streaming Format (*.asf)"), "General Video Format", "asf", 0, 0, "", "", ""},
    {1045, QT_TRANSLATE_NOOP("Profiles", "AVI - AVI Xvid Format (*.avi)"), "General Video Format", "avi", 0, 0, "", "", ""},
    {1029, QT_TRANSLATE_NOOP("Profiles", "F4V - Flash Video (*.f4v)"), "General Video Format", "f4v", 0, 0, "", "", ""},
    {1028, QT_TRANSLATE_NOOP("Profiles", "FLV - Flash Video (*.flv)"), "General Video Format", "flv", 0, 0, "", "", ""},
    {1030, QT_TRANSLATE_NOOP("Profiles", "MKV - Matroska Video (*.mkv)"), "General Video Format", "mkv", 0, 0, "", "", ""},
    {1034, QT_TRANSLATE_NOOP("Profiles", "MOV - QuickTime Video (*.mov)"), "General Video Format", "mov", 0, 0, "", "", ""},
    {1057, QT_TRANSLATE_NOOP("Profiles", "MP4 - H264 Video (*.mp4)"), "General Video Format", "mp4h264", 0, 0, "", "", ""},
    {1032, QT_TRANSLATE_NOOP("Profiles", "MP4 - MPEG-4 Video (*.mp4)"), "General Video Format", "mp4", 0, 0, "", "", ""},
    {1050, QT_TRANSLATE_NOOP("Profiles", "MPG - MPEG-1 Video (*.mpg)"), "General Video Format", "mpg", 0, 0, "", "", ""},
    {1177, QT_TRANSLATE_NOOP("Profiles", "MPG - MPEG-2 Video (*.mpg)"), "General Video Format", "mpg2", 0, 0, "", "", ""},
    {1052, QT_TRANSLATE_NOOP("Profiles", "RM - Real Video (*.rm)"), "General Video Format", "rm", 0, 0, "", "", ""},
    {1051, QT_TRANSLATE_NOOP("Profiles", "SWF - Shock Wave Flash (*.swf)"), "General Video Format", "swf", 0, 0, "", "", ""},
    {1035, QT_TRANSLATE_NOOP("Profiles", "VOB - DVD Video Object (*.vob)"), "General Video Format", "vob", 720, 480, "", "", ""},
    {1053, QT_TRANSLATE_NOOP("Profiles", "WebM - WebM Video (*.webm)"), "General Video Format", "webm", 0, 0, "", "", ""},
    {1037, QT_TRANSLATE_NOOP("Profiles", "WMV - Windows Media Video (*.wmv)"), "General Video Format", "wmv", 0, 0, "", "", ""},
    {1082, "Android - MPEG4 Video", "Android", "mp4", 0, 0, "", "", "2"},
    {1083, "Android - H264 Video 320x240", "Android", "mp4h264", 320, 240, "", "96k", "2"},
    {1084, "Android - H264 Video 480x320", "Android", "mp4h264", 480, 320, "", "96k", "2"},
    {1085, "Android - H264 Video 800x480", "Android", "mp4h264", 800, 480, "", "", "2"},
    {1086, "Android - H264 Video 854x480", "Android", "mp4h264", 854, 480, "", "", "2"},
    {1087, "HTC G2 Magic - MPEG4 Video", "Android", "mp4", 480, 320, "29.97", "", "2"},
    {1088, "HTC Hero - MPEG4 Video", "Android", "mp4", 480, 320, "29.97", "", "2"},
    {1089, "HTC Tattoo - MPEG4 Video", "Android", "mp4", 320, 240, "29.97", "", "2"},
    {1090, "Motorola CLIQ - MPEG4 Video", "Android", "mp4", 480, 320, "23.97", "", "2"},
    {1091, "Motorola Droid - MPEG4 Video", "Android", "mp4", 480, 320, "23.97", "160k", "2"},
    {1092, "Nexus One - MPEG4 Video", "Android", "mp4", 480, 320, "29.97", "", "2"},
    {1093, "Samsung i7500 - MPEG4 Video", "Android", "mp4", 480, 320, "29.97", "", "2"},
    {1095, "Samsung P1000 - H264 Video", "Android Pad", "mp4h264", 1280, 720, "29.97", "", "2"},
    {1096, "Samsung P1000 - MPEG4 Video", "Android Pad", "mp4", 1280, 720, "23.97", "", "2"},
    {1097, "Motorola Xoom - H264 Video", "Android Pad", "mp4h264", 1280, 720, "29.97", "", "2"},
    {1098, "Motorola Xoom - MPEG4 Video", "Android Pad", "mp4", 1280, 720, "23.97", "", "2"},
    {1075, "Apple TV - MPEG4 Video", "Apple TV", "mp4", 720, 432, "29.97", "", "2"},
    {1074, "Apple TV - H264 Video", "Apple TV", "mp4h264", 720, 480, "29.97", "", "2"},
    {1073, "Apple TV - H264 HD Video", "Apple TV", "mp4h264", 1280, 720, "29.97", "", "2"},
    {1079, "iPad - MPEG4 Video", "iPad", "mp4", 640, 480, "23.97", "", "2"},
    {1077, "iPad - H264 Video", "iPad", "mp4h264", 720, 576, "29.97", "", "2"},
    {1078, "iPad - H264 HD Video", "iPad", "mp4h264", 1280, 720, "29.97", "", "2"},
    {1080, "iPad2 - H264 HD Video", "iPad", "mp4h264", 1280, 720, "29.97", "", "2"},
    {1055, "iPhone - H.264 Video", "iPhone", "mp4h264", 480, 320, "29.97", "", "2"},
    {1056, "iPhone - H.264 Video for TV", "iPhone", "mp4h264", 640, 480, "29.97", "", "2"},
    {1058, "iPhone - MPEG4 Video", "iPhone", "mp4", 480, 320, "29.97", "", "2"},
    {1059, "iPhone4 - H.264 Video", "iPhone", "mp4h264", 960, 640, "29.97", "", "2"},
    {1061, "iPod - H264 Video", "iPod", "mp4h264", 320, 240, "29.97", "", "2"},
    {1063, "iPod - H264 Video for TV", "iPod", "mp4h264", 640, 480, "29.97", "", "2"},
    {1062, "iPod - MPEG4 Video", "iPod", "mp4", 320, 240, "29.97", "", "2"},
    {1064, "iPod - MPEG4 Video for TV", "iPod", "mp4", 640, 480, "29.97", "", "2"},
    {1065, "iPod Nano 5 - H264 Video", "iPod", "mp4h264", 376, 240, "30", "", "2"},
    {1066, "iPod Nano 5 - MPEG4 Video", "iPod", "mp4", 376, 240, "30", "", "2"},
    {1067, "iPod Touch - H264 Video", "iPod", "mp4h264", 480, 320, "29.97", "", "2"},
    {1068, "iPod Touch - H264 Video for TV", "iPod", "mp4h264", 640, 480, "29.97", "", "2"},
    {1069, "iPod Touch - MPEG4 Video", "iPod", "mp4", 480, 320, "29.97", "", "2"},
    {1070, "iPod Touch - MPEG4 Video for TV", "iPod", "mp4", 640, 480, "29.97", "", "2"},
    {1071, "iPod Touch4 - H264 Video", "iPod", "mp4h264", 960, 640, "29.97", "", "2"},
    {1100, "BlackBerry - 3GP Video", "BlackBerry", "3gp", 352, 288, "15", "", ""},
    {1101, "BlackBerry - MPEG4 Video", "BlackBerry", "mp4", 320, 240, "15", "96k", "2"},
    {1102, "BlackBerry 8800/8700/8500/8300 - MPEG4 Video", "BlackBerry", "mp4", 320, 240, "25", "96k", "2"},
    {1103, "BlackBerry Bold 9000 - H264 Video", "BlackBerry", "mp4h264", 480, 320, "25", "96k", "2"},
    {1104, "BlackBerry Bold 9700 - H264 Video", "BlackBerry", "mp4h264", 480, 360, "30", "96k", "2"},
    {1105, "BlackBerry Charm 7100  - MPEG4 Video", "BlackBerry", "mp4", 240, 260, "15", "96k", "2"},
    {1106, "BlackBerry Curve 8900 - H264 Video", "BlackBerry", "mp4h264", 480, 320, "25", "96k", "2"},
    {1107, "BlackBerry Flip 8220/8230  - MPEG4 Video", "BlackBerry", "mp4", 320, 240, "25", "96k", "2"},
    {1108, "BlackBerry Pearl 8100/8110/8120/8130 - MPEG4 Video", "BlackBerry", "mp4", 240, 260, "25", "96k", "2"},
    {1109, "BlackBerry Playbook - H264 Video", "BlackBerry", "mp4h264", 1024, 600, "29.97", "", "2"},
    {1110, "BlackBerry Playbook - MPEG4 Video", "BlackBerry", "mp4", 1024, 600, "29.97", "", "2"},
    {1113, "BlackBerry Playbook - WMV Video", "BlackBerry", "wmv", 1024, 600, "29.97", "", "2"},
    {1111, "BlackBerry Storm/Storm2/Torch/Tour - H264 Video", "BlackBerry", "mp4h264", 480, 360, "30", "96k", "2"},
    {1112, "BlackBerry Tour 9630 - H264 Video", "BlackBerry", "mp4h264", 480, 360, "25", "96k", "2"},
    {1155, "HD - ASF Video", "HD Video", "asf", 1920, 1080, "", "", "2"},
    {1157, "HD - H264 Video", "HD Video", "mp4h264", 1920, 1080, "", "192k", "2"},
    {1158, "HD - MKV Video", "HD Video", "mkv", 1920, 1080, "", "", "2"},
    {1159, "HD - MOV Video", "HD Video", "mov", 1920, 1080, "", "192k", "2"},
    {1160, "HD - MPEG4 Video", "HD Video", "mp4", 1920, 1080, "", "192k", "2"},
    {1161, "HD - RM Video", "HD Video", "rm", 1920, 1080, "", "", "2"},
    {1162, "HD - WMV Video", "HD Video", "wmv", 1920, 1080, "", "", "2"},
    {1163, "HD - Xvid Video", "HD Video", "avi", 1920, 1080, "", "", "2"},
    {1140, "Archos - H264 Video", "PMP", "mp4h264", 800, 480, "29.97", "", "2"},
    {1141, "Archos - MPEG4 Video", "PMP", "mp4", 800, 480, "29.97", "", "2"},
    {1142, "Archos - WMV Video", "PMP", "wmv", 800, 480, "29.97", "", "2"},
    {1143, "Creative ZEN - H264 Video", "PMP", "mp4h264", 480, 272, "30", "", "2"},
    {1144, "Creative ZEN - MPEG4 Video", "PMP", "mp4", 480, 272, "30", "", "2"},
    {1145, "Creative ZEN - WMV Video", "PMP", "wmv", 480, 272, "30", "", "2"},
    {1153, "Creative ZEN - Xvid Video", "PMP", "avi", 480, 272, "30", "", "2"},
    {1146, "iRiver - H264 Video", "PMP", "mp4h264", 480, 272, "30", "", "2"},
    {1147, "iRiver - MPEG4 Video", "PMP", "mp4", 480, 272, "30", "", "2"},
    {1148, "iRiver - WMV Video", "PMP", "wmv", 480, 272, "30", "", "2"},
    {1149, "iRiver - Xvid Video", "PMP", "avi", 480, 272, "30", "", "2"},
    {1150, "Zune - H264 Video", "PMP", "mp4h264", 320, 240, "29.97", "", "2"},
    {1151, "Zune - MPEG4 Video", "PMP", "mp4", 320, 240, "29.97", "", "2"},
    {1152, "Zune - WMV Video", "PMP", "wmv", 320, 240, "29.97", "", "2"},
    {1125, "PS3 - H264 Video", "PS3", "mp4h264", 720, 480, "", "", "2"},
    {1124, "PS3 - H264 HD Video", "PS3", "mp4h264", 1280, 720, "", "", "2"},
    {1127, "PS3 - WMV Video", "PS3", "wmv", 720, 480, "", "", "2"},
    {1126, "PS3 - WMV HD Video", "PS3", "wmv", 1280, 720, "", "", "2"},
    {1128, "PS3 - Xvid Video", "PS3", "avi", 720, 480, "", "", "2"},
    {1129, "PS3 - Xvid HD Video", "PS3", "avi", 1280, 720, "", "", "2"},
    {1119, "PSP - H264 Video", "PSP", "mp4h264", 480, 272, "", "", "2"},
    {1120, "PSP - H264 Video for TV", "PSP", "mp4h264", 720, 480, "", "", "2"},
    {1121, "PSP - H264 Video for firmware 2.0 and above", "PSP", "mp4h264", 368, 208, "", "", "2"},
    {1122, "PSP - MPEG4 Video", "PSP", "mp4", 368, 208, "", "", "2"},
    {1180, "DVD NTSC - MPEG-2  Video", "VCD/DVD", "ntsc-dvd", 720, 480, "29.97", "", ""},
    {1182, "DVD PAL - MPEG-2 Video", "VCD/DVD", "pal-dvd", 720, 576, "25", "", ""},
    {1179, "VCD NTSC - MPEG-1 Video", "VCD/DVD", "ntsc-vcd", 352, 240, "29.97", "", ""},
    {1181, "VCD PAL - MPEG-1 Video", "VCD/DVD", "pal-vcd", 352, 288, "25", "", ""},
    {1166, "Dailymotion - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1165, "Dailymotion - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "192k", "2"},
    {1167, "Facebook - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1168, "Facebook - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "192k", "2"},
    {1169, "Flickr - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1170, "Flickr - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "192k", "2"},
    {1171, "TwitVid - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1172, "TwitVid - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "192k", "2"},
    {1173, "Vimeo - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1174, "Vimeo - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "192k", "2"},
    {1175, "YOUTUBE - H264 Video", "Web Video", "mp4h264", 640, 480, "", "", "2"},
    {1176, "YOUTUBE - H264 HD Video", "Web Video", "mp4h264", 1280, 720, "", "", "2"},
    {1115, "Windows Phone 7 - H264 Video", "Windows Phone", "mp4h264", 800, 480, "29.97", "", "2"},
    {1116, "Windows Phone 7 - MPEG4 Video", "Windows Phone", "mp4", 800, 480, "29.97", "", "2"},
    {1117, "Windows Phone 7 - WMV Video", "Windows Phone", "wmv", 800, 480, "29.97", "", "2"},
    {1132, "Xbox360 - H264 Video", "Xbox", "mp4h264", 720, 480, "", "", "2"},
    {1133, "Xbox360 - H264 HD Video", "Xbox", "mp4h264", 1280, 720, "", "", "2"},
    {1134, "Xbox360 - MPEG4 Video", "Xbox", "mp4", 720, 480, "", "", "2"},
    {1135, "Xbox360 - MPEG4 HD Video", "Xbox", "mp4", 1280, 720, "", "", "2"},
    {1131, "Xbox360 - WMV Video", "Xbox", "wmv", 720, 480, "", "", "2"},
    {1136, "Xbox360 - WMV HD Video", "Xbox", "wmv", 1280, 720, "", "", "2"},
    {1137, "Xbox360 - Xvid Video", "Xbox", "avi", 720, 480, "", "", "2"},
    {1138, "Xbox360 - Xvid HD Video", "Xbox", "avi", 1280, 720, "", "", "2"},
    // Newer codecs, after the classic menus.
    {1201, QT_TRANSLATE_NOOP("Profiles", "MP4 - HEVC Video (*.mp4)"), "Modern", "mp4hevc", 0, 0, "", "", ""},
    {1202, QT_TRANSLATE_NOOP("Profiles", "WebM - VP9 Video + Opus Audio (*.webm)"), "Modern", "webmvp9", 0, 0, "", "", ""},
    {1203, QT_TRANSLATE_NOOP("Profiles", "MKV - AV1 Video + Opus Audio (*.mkv)"), "Modern", "mkvav1", 0, 0, "", "", ""},
    {1204, QT_TRANSLATE_NOOP("Profiles", "WebM - AV1 Video + Opus Audio (*.webm)"), "Modern", "webmav1", 0, 0, "", "", ""},
    {1205, QT_TRANSLATE_NOOP("Profiles", "MKV - H264 Video + AAC Audio, All Tracks (*.mkv)"), "Modern", "mkvh264", 0, 0, "", "", ""},
    {1206, QT_TRANSLATE_NOOP("Profiles", "Opus - Opus Audio (*.opus)"), "Modern", "opus", 0, 0, "", "", ""},
    {1207, QT_TRANSLATE_NOOP("Profiles", "Phone - H264 Video 1080p"), "Modern", "mp4h264", 1920, 1080, "", "", "2"},
    {1208, QT_TRANSLATE_NOOP("Profiles", "Phone - HEVC Video 1080p"), "Modern", "mp4hevc", 1920, 1080, "", "", "2"},
    {1209, QT_TRANSLATE_NOOP("Profiles", "TV - H264 Video 1080p"), "Modern", "mp4h264", 1920, 1080, "", "", "2"},
    {1210, QT_TRANSLATE_NOOP("Profiles", "TV - HEVC Video 4K"), "Modern", "mp4hevc", 3840, 2160, "", "", "2"},
};
// clang-format on

const FormatRow* RowOf(const QString& key) { return FindFormat(key.toStdString()); }

}  // namespace

const QStringList& DeviceMenuNames() {
  // Product names stay as they are; the others are shown in the user's language.
  static const QStringList names = {"Android", "Android Pad", "Apple TV", "iPad", "iPhone", "iPod",
                                    "BlackBerry", QT_TRANSLATE_NOOP("Profiles", "HD Video"),
                                    //: Portable media players (Archos, Creative ZEN, iRiver, Zune).
                                    QT_TRANSLATE_NOOP("Profiles", "PMP"), "PS3", "PSP", "VCD/DVD",
                                    QT_TRANSLATE_NOOP("Profiles", "Web Video"), "Windows Phone", "Xbox"};
  return names;
}

std::span<const ProfileEntry> ProfileCatalogue() { return kCatalogue; }

QString ProfileCaptionShown(const QString& caption) {
  return QCoreApplication::translate("Profiles", caption.toUtf8().constData());
}

const ProfileEntry* FindProfile(int id) {
  for (const ProfileEntry& entry : kCatalogue) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

bool IsAudioProfile(int id) {
  const ProfileEntry* entry = FindProfile(id);
  return entry && IsAudioKey(QString::fromUtf8(entry->key));
}

const QStringList& FormatKeys() {
  static const QStringList keys = [] {
    QStringList list;
    for (const FormatRow& row : FormatRows())
      list.push_back(QString::fromLatin1(row.key));
    return list;
  }();
  return keys;
}

bool IsAudioKey(const QString& key) {
  const FormatRow* row = RowOf(key);
  return row && row->audioOnly;
}

QString ExtensionForKey(const QString& key) {
  const FormatRow* row = RowOf(key);
  return row ? QString::fromLatin1(row->extension) : key;
}
