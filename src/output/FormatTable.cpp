// The format table. The row order is the order the keys are listed in (the command
// line's key list and its messages show them so).
#include "output/FormatTable.h"

namespace {

constexpr QualityValues kNone{nullptr, nullptr, nullptr};
constexpr QualityValues kSr44{"44100", "44100", "22050"};
constexpr QualityValues kSr48{"48000", "44100", "22050"};
constexpr QualityValues kAr256{"256k", "128k", "64k"};
constexpr QualityValues kAr256Low96{"256k", "128k", "96k"};
constexpr QualityValues kAr320{"320k", "128k", "64k"};
constexpr QualityValues kAr320Low96{"320k", "128k", "96k"};
constexpr QualityValues kAr128{"128k", "64k", "32k"};

constexpr const char* kPlainVideo = "-vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}";
constexpr const char* kPlainAudio = "-vn -ab {ARATE} -ar {SRATE}";
constexpr const char* kPcmAudio = "-vn  -ar {SRATE}";

// clang-format off
// key, extension, audio only, bitrate factor, fixed video rate, audio rate, sample rate,
// 29.97 by default, video rate cap, pattern[, size while "Auto"]
const FormatRow kRows[] = {
    // Classic video formats.
    {"3gp", "3gp", false, 330, kNone, {"12200", "6700", "4750"}, kNone, false, 0,
     "-vb {VRATE} -ab {ARATE} -ac 1 -ar 8000{SIZE}", 176, 144},
    {"asf", "asf", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec msmpeg4v2 -vb {VRATE} -acodec wmav2 -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"avi", "avi", false, 847, kNone, {"320k", "128k", "64k"}, kSr44, false, 0,
     "-vcodec libxvid -vb {VRATE} -acodec libmp3lame -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"f4v", "f4v", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -f flv -vb {VRATE} -acodec libfaac -ab {ARATE} -ar {SRATE}"
     " -ac 2{SIZE}"},
    {"flv", "flv", false, 512, kNone, kAr128, kSr44, false, 0, kPlainVideo},
    {"mkv", "mkv", false, 512, kNone, kAr320, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE}  -acodec libmp3lame -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mov", "mov", false, 512, kNone, {"320k", "256k", "96k"}, kSr44, true, 0, kPlainVideo},
    {"mp4", "mp4", false, 512, kNone, kAr256Low96, kSr44, true, 0, kPlainVideo},
    {"mp4h264", "mp4", false, 512, kNone, kAr256Low96, kSr44, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mpg", "mpg", false, 512, kNone, kAr256Low96, kSr44, false, 0, kPlainVideo},
    {"rm", "rm", false, 512, kNone, kAr256Low96, kSr44, false, 1000,
     "-vcodec rv20 -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"swf", "swf", false, 512, kNone, kAr128, kSr44, false, 0, kPlainVideo},
    {"vob", "vob", false, 0, {"3800k", "3300k", "768k"}, {"320k", "192k", "96k"}, {"48000", "48000", "44100"},
     false, 0, "-target dvd -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webm", "webm", false, 512, kNone, kAr320, kSr44, false, 0,
     "-vcodec libvpx -vb {VRATE}  -acodec libvorbis -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"wmv", "wmv", false, 512, kNone, kAr256, kSr44, false, 0,
     "-vcodec wmv2 -vb {VRATE} -acodec wmav2 -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mpg2", "mpg", false, 512, kNone, kAr256Low96, kSr44, false, 0,
     "-vcodec mpeg2video -vb {VRATE} -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"ntsc-dvd", "mpg", false, 0, kNone, kAr256Low96, kSr44, false, 0,
     "-target ntsc-dvd -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"pal-dvd", "mpg", false, 0, kNone, kAr256Low96, kSr44, false, 0,
     "-target pal-dvd -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"ntsc-vcd", "mpg", false, 0, kNone, kNone, kNone, false, 0,
     "-target ntsc-vcd -vb 1150k -ab 224k -ar 44100{SIZE}"},
    {"pal-vcd", "mpg", false, 0, kNone, kNone, kNone, false, 0,
     "-target pal-vcd -vb 1150k -ab 224k -ar 44100{SIZE}"},
    // Classic sound-only formats.
    {"aac", "aac", true, 0, kNone, kAr256Low96, kSr48, false, 0, kPlainAudio},
    {"ac3", "ac3", true, 0, kNone, kAr320Low96, kSr48, false, 0, kPlainAudio},
    {"aiff", "aiff", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"flac", "flac", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"m4a", "m4a", true, 0, kNone, kAr256Low96, kSr48, false, 0, kPlainAudio},
    {"mp2", "mp2", true, 0, kNone, kAr320, kSr48, false, 0, kPlainAudio},
    {"mp3", "mp3", true, 0, kNone, kAr320, kSr48, false, 0, kPlainAudio},
    {"ogg", "ogg", true, 0, kNone, kAr320, kSr48, false, 0, "-vn -acodec libvorbis -ab {ARATE} -ar {SRATE}"},
    {"ra", "ra", true, 0, kNone, kAr256Low96, kSr44, false, 0, "-vn  -ab {ARATE} -ar {SRATE}"},
    {"wav", "wav", true, 0, kNone, kNone, kSr48, false, 0, kPcmAudio},
    {"wma", "wma", true, 0, kNone, kAr320, kSr48, false, 0, "-vn  -acodec wmav2 -ab {ARATE} -ar {SRATE}"},
    // Newer codecs: smaller automatic bitrates for the same picture.
    {"mp4hevc", "mp4", false, 320, kNone, kAr256Low96, kSr48, false, 0,
     "-vcodec libx265 -vpre {SPEED} -vb {VRATE} -acodec aac -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webmvp9", "webm", false, 320, kNone, kAr128, kSr48, false, 0,
     "-vcodec libvpx-vp9 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mkvav1", "mkv", false, 256, kNone, kAr128, kSr48, false, 0,
     "-vcodec libaom-av1 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"webmav1", "webm", false, 256, kNone, kAr128, kSr48, false, 0,
     "-vcodec libaom-av1 -vpre {SPEED} -vb {VRATE} -acodec libopus -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"mkvh264", "mkv", false, 512, kNone, kAr256Low96, kSr48, false, 0,
     "-vcodec libx264 -vpre {PRESET} -vb {VRATE} -acodec aac -ab {ARATE} -ar {SRATE}{SIZE}"},
    {"opus", "opus", true, 0, kNone, kAr128, kSr48, false, 0, "-vn -acodec libopus -ab {ARATE} -ar {SRATE}"},
};
// clang-format on

}  // namespace

std::span<const FormatRow> FormatRows() { return kRows; }

const FormatRow* FindFormat(std::string_view key) {
  for (const FormatRow& row : kRows) {
    if (key == row.key) return &row;
  }
  return nullptr;
}

const QualityScale* QualityScaleOf(const FormatRow& row) {
  // Each encoder's own CRF range; VP9 and AV1 reach 63, the x26x encoders 51.
  static const QualityScale kScales[] = {
      {"libx264", 0, 51, 22}, {"libx265", 0, 51, 28}, {"libvpx-vp9", 0, 63, 32}, {"libaom-av1", 0, 63, 30}};
  if (row.audioOnly) return nullptr;
  const std::string_view pattern = row.pattern;
  const std::string_view option = "-vcodec ";
  const size_t at = pattern.find(option);
  if (at == std::string_view::npos) return nullptr;
  const std::string_view rest = pattern.substr(at + option.size());
  const std::string_view encoder = rest.substr(0, rest.find(' '));
  for (const QualityScale& scale : kScales)
    if (encoder == scale.encoder) return &scale;
  return nullptr;
}
