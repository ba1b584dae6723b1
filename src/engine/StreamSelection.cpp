#include "engine/StreamSelection.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstring>

#include "engine/MediaInput.h"

namespace media {
namespace {

bool NameIs(const AVOutputFormat* format, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (std::strcmp(format->name, name) == 0) return true;
  return false;
}

bool IsTextSubtitle(AVCodecID codec) {
  const AVCodecDescriptor* d = avcodec_descriptor_get(codec);
  return d && (d->props & AV_CODEC_PROP_TEXT_SUB);
}

}  // namespace

bool HoldsSeveralAudioTracks(const AVOutputFormat* format) {
  return format && NameIs(format, {"mp4", "mov", "matroska", "webm", "avi", "mpegts", "vob", "dvd", "mpeg", "asf",
                                   "nut", "3gp", "ipod"});
}

std::vector<int> AudioStreamsToConvert(const SourceDescription& in, const AVOutputFormat* format, int best,
                                       bool first_only) {
  if (best < 0) return {};
  if (first_only || !HoldsSeveralAudioTracks(format)) return {best};
  std::vector<int> streams;
  for (const StreamFacts& f : in.streams) {
    if (f.type != AVMEDIA_TYPE_AUDIO) continue;
    // A track we could not decode or that has no sound format is left out
    // rather than failing the whole file; the main track is always tried.
    const bool usable = f.decodable && f.sample_rate > 0 && f.channels > 0;
    if (f.index == best || usable) streams.push_back(f.index);
  }
  return streams;
}

bool ChooseSubtitle(AVCodecID codec, const AVOutputFormat* format, SubtitleChoice* choice) {
  if (!format || codec == AV_CODEC_ID_NONE) return false;
  const int holds = avformat_query_codec(format, codec, FF_COMPLIANCE_NORMAL);
  // MPEG program and transport streams list no codecs but carry DVD and DVB pictures.
  const bool disc_pictures = (codec == AV_CODEC_ID_DVD_SUBTITLE && NameIs(format, {"vob", "dvd", "mpeg", "mpegts"})) ||
                             (codec == AV_CODEC_ID_DVB_SUBTITLE && NameIs(format, {"mpegts"}));
  if (holds == 1 || disc_pictures) {
    choice->copy = true;
    return true;
  }
  if (!IsTextSubtitle(codec) || !avcodec_find_decoder(codec)) return false;
  for (AVCodecID text : {AV_CODEC_ID_MOV_TEXT, AV_CODEC_ID_ASS, AV_CODEC_ID_SUBRIP, AV_CODEC_ID_WEBVTT}) {
    if (avformat_query_codec(format, text, FF_COMPLIANCE_NORMAL) == 1 && avcodec_find_encoder(text)) {
      choice->copy = false;
      choice->convert_to = text;
      return true;
    }
  }
  return false;
}

std::vector<SubtitleChoice> SubtitlesToKeep(const SourceDescription& in, const AVOutputFormat* format,
                                            std::string* dropped) {
  std::vector<SubtitleChoice> kept;
  int lost = 0;
  for (const StreamFacts& f : in.streams) {
    if (f.type != AVMEDIA_TYPE_SUBTITLE) continue;
    SubtitleChoice choice;
    choice.stream = f.index;
    if (ChooseSubtitle(f.codec, format, &choice))
      kept.push_back(choice);
    else
      ++lost;
  }
  if (lost > 0)
    *dropped = std::to_string(lost) + (lost == 1 ? " subtitle track" : " subtitle tracks") + " left out: the " +
               format->name + " container cannot hold " + (lost == 1 ? "it" : "them");
  return kept;
}

}  // namespace media
