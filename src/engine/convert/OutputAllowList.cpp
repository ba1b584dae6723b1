#include "engine/convert/OutputAllowList.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <string_view>

namespace convert {
namespace {

// Single-file containers: those the format list writes (by extension, -f or
// -target) and their close relatives.
constexpr std::string_view kMuxers[] = {
    "3g2",  "3gp", "ac3",  "adts",     "aiff", "amr", "asf", "au",  "avi", "caf",  "dvd",    "eac3", "f4v",
    "flac", "flv", "ipod", "matroska", "mmf",  "mov", "mp2", "mp3", "mp4", "mpeg", "mpegts", "nut",  "oga",
    "ogg",  "ogv", "opus", "rm",       "svcd", "swf", "vcd", "vob", "w64", "wav",  "webm",   "wv",
};

constexpr std::string_view kVideoEncoders[] = {
    "ffv1",       "flv",     "h263",      "h263p",   "libaom-av1", "libtheora",  "libvpx",
    "libvpx-vp9", "libx264", "libx265",   "libxvid", "mjpeg",      "mpeg1video", "mpeg2video",
    "mpeg4",      "msmpeg4", "msmpeg4v2", "rv10",    "rv20",       "wmv1",       "wmv2",
};

constexpr std::string_view kAudioEncoders[] = {
    "aac",
    "ac3",
    "ac3_fixed",
    "adpcm_ima_wav",
    "adpcm_ms",
    "adpcm_yamaha",
    "alac",
    "eac3",
    "flac",
    "libmp3lame",
    "libopencore_amrnb",
    "libopus",
    "libtwolame",
    "libvo_amrwbenc",
    "libvorbis",
    "mp2",
    "mp2fixed",
    "opus",
    "pcm_alaw",
    "pcm_f32be",
    "pcm_f32le",
    "pcm_mulaw",
    "pcm_s16be",
    "pcm_s16le",
    "pcm_s24be",
    "pcm_s24le",
    "pcm_s32be",
    "pcm_s32le",
    "pcm_u8",
    "vorbis",
    "wavpack",
    "wmav1",
    "wmav2",
};

template <size_t N>
bool Listed(const std::string_view (&list)[N], const char* name) {
  if (!name) return false;
  for (std::string_view entry : list)
    if (entry == name) return true;
  return false;
}

// True when one of libav's comma-separated names for a container is in `list`.
template <size_t N>
bool AnyNameListed(const std::string_view (&list)[N], std::string_view names) {
  while (!names.empty()) {
    const size_t comma = names.find(',');
    for (std::string_view entry : list)
      if (names.substr(0, comma) == entry) return true;
    if (comma == std::string_view::npos) break;
    names.remove_prefix(comma + 1);
  }
  return false;
}

// Why a container is refused, in the user's terms.
std::string MuxerRefusal(const AVOutputFormat* format) {
  const std::string quoted = "The output format '" + std::string(format->name) + "' is not supported";
  static constexpr std::string_view kSpreading[] = {
      "tee",  "segment", "ssegment",   "stream_segment",  "hls",
      "dash", "image2",  "webm_chunk", "smoothstreaming", "fifo"};
  static constexpr std::string_view kNetwork[] = {"rtp", "rtp_mpegts", "rtsp", "sap"};
  if (AnyNameListed(kSpreading, format->name))
    return quoted + ": it writes files of its own beside or outside the output file";
  if (AnyNameListed(kNetwork, format->name))
    return quoted + ": it sends to the network instead of writing a file";
  if (format->flags & AVFMT_NOFILE) return quoted + ": it writes no output file";
  return quoted + " by this program";
}

bool NeedsDevice(const AVCodec* codec) {
  if (codec->capabilities & AV_CODEC_CAP_HARDWARE) return true;
  const std::string_view name = codec->name;
  for (std::string_view suffix : {"_nvenc", "_vaapi", "_qsv", "_v4l2m2m", "_omx", "_amf", "_mf", "_vulkan"})
    if (name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix) return true;
  return false;
}

}  // namespace

bool MuxerAllowed(const AVOutputFormat* format, std::string* error) {
  if (format && Listed(kMuxers, format->name)) return true;
  *error = format ? MuxerRefusal(format) : "No output format";
  return false;
}

bool EncoderAllowed(const AVCodec* codec, std::string* error) {
  if (!codec) {
    *error = "No encoder";
    return false;
  }
  const bool video = codec->type == AVMEDIA_TYPE_VIDEO;
  if (video ? Listed(kVideoEncoders, codec->name) : Listed(kAudioEncoders, codec->name)) return true;
  const std::string quoted =
      std::string("The ") + (video ? "video" : "audio") + " encoder '" + codec->name + "'";
  *error = NeedsDevice(codec) ? quoted + " needs a graphics or video device and is not supported"
                              : quoted + " is not supported by this program";
  return false;
}

}  // namespace convert
