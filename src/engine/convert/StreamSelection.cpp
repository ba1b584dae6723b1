#include "engine/convert/StreamSelection.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstring>

#include "engine/media/MediaInput.h"

namespace convert {
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

// "1st", "2nd", "3rd", "11th", ...
std::string Ordinal(int n) {
  const int last = n % 10, tens = n % 100;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : last == 1                ? "st"
                       : last == 2                ? "nd"
                       : last == 3                ? "rd"
                                                  : "th";
  return std::to_string(n) + suffix;
}

std::string Counted(int n, const char* one, const char* several) {
  return std::to_string(n) + " " + (n == 1 ? one : several);
}

}  // namespace

bool HoldsSeveralAudioTracks(const AVOutputFormat* format) {
  return format && NameIs(format, {"mp4", "mov", "matroska", "webm", "avi", "mpegts", "vob", "dvd", "mpeg",
                                   "asf", "nut", "3gp", "ipod"});
}

std::vector<int> AudioStreamsToConvert(const media::SourceDescription& in, const AVOutputFormat* format,
                                       int best, bool first_only) {
  if (best < 0) return {};
  if (first_only || !HoldsSeveralAudioTracks(format)) return {best};
  std::vector<int> streams;
  for (const media::StreamFacts& f : in.streams) {
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
  const bool disc_pictures =
      (codec == AV_CODEC_ID_DVD_SUBTITLE && NameIs(format, {"vob", "dvd", "mpeg", "mpegts"})) ||
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

std::vector<SubtitleChoice> SubtitlesToKeep(const media::SourceDescription& in, const AVOutputFormat* format,
                                            std::string* dropped) {
  std::vector<SubtitleChoice> kept;
  int lost = 0;
  for (const media::StreamFacts& f : in.streams) {
    if (f.type != AVMEDIA_TYPE_SUBTITLE) continue;
    SubtitleChoice choice;
    choice.stream = f.index;
    if (ChooseSubtitle(f.codec, format, &choice))
      kept.push_back(choice);
    else
      ++lost;
  }
  if (lost > 0)
    *dropped = std::to_string(lost) + (lost == 1 ? " subtitle track" : " subtitle tracks") +
               " left out: the " + format->name + " container cannot hold " + (lost == 1 ? "it" : "them");
  return kept;
}

std::vector<std::string> LeftOutNotes(const media::SourceDescription& in, const AVOutputFormat* format,
                                      const std::vector<int>& audio_kept, bool all_audio, bool pictures,
                                      bool subtitles) {
  std::vector<std::string> notes;
  const std::string container = std::string("the ") + format->name + " container";
  int audio = 0, video = 0, subtitle = 0, attachments = 0, data = 0;
  for (const media::StreamFacts& f : in.streams) {
    if (f.type == AVMEDIA_TYPE_AUDIO) {
      ++audio;
      const bool kept = std::find(audio_kept.begin(), audio_kept.end(), f.index) != audio_kept.end();
      if (all_audio && !kept && !audio_kept.empty())
        notes.push_back(Ordinal(audio) + " sound track left out: " +
                        (HoldsSeveralAudioTracks(format) ? std::string("it cannot be decoded")
                                                         : container + " holds one"));
    } else if (f.type == AVMEDIA_TYPE_VIDEO && !f.cover && f.index != in.best_video) {
      if (pictures) ++video;
    } else if (f.type == AVMEDIA_TYPE_SUBTITLE) {
      if (!pictures && subtitles) ++subtitle;
    } else if (f.type == AVMEDIA_TYPE_ATTACHMENT) {
      ++attachments;
    } else if (f.type == AVMEDIA_TYPE_DATA) {
      ++data;
    }
  }
  if (video > 0)
    notes.push_back(Counted(video, "further video track", "further video tracks") +
                    " left out: only the main one is converted");
  if (subtitle > 0)
    notes.push_back(Counted(subtitle, "subtitle track", "subtitle tracks") +
                    " left out: the output holds only sound");
  if (attachments > 0)
    notes.push_back(Counted(attachments, "attachment", "attachments") +
                    " (fonts or pictures) left out: attachments are not carried over");
  if (data > 0)
    notes.push_back(Counted(data, "data stream", "data streams") +
                    " left out: only pictures, sound and subtitles are carried over");
  return notes;
}

}  // namespace convert
