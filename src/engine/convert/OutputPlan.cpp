// Planning a conversion: container, encoders and each stream's lane, from the
// options and the source's description only.
#include "engine/convert/OutputPlan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include "engine/convert/EncoderQuality.h"
#include "engine/convert/OutputAllowList.h"
#include "engine/convert/SubtitleBurnIn.h"

namespace convert {
namespace {

const AVCodec* FindEncoder(const std::string& name, AVMediaType type, std::string* error) {
  const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
  if (!codec) {
    // Also accept a codec name ("mp3") where an encoder name ("libmp3lame") is usual.
    if (const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(name.c_str()))
      codec = avcodec_find_encoder(desc->id);
  }
  if (!codec) {
    *error = "Unknown " + media::MediaWord(type) + " encoder '" + name + "'";
    return nullptr;
  }
  if (codec->type != type) {
    *error = "'" + name + "' is not a " + media::MediaWord(type) + " encoder";
    return nullptr;
  }
  return codec;
}

// Our own codec choice per container where the library's default differs.
AVCodecID PreferredCodec(const AVOutputFormat* format, AVMediaType type) {
  static const std::map<std::string, std::pair<AVCodecID, AVCodecID>> kDefaults = {
      {"mp4", {AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC}},
      {"mov", {AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC}},
      {"ipod", {AV_CODEC_ID_NONE, AV_CODEC_ID_AAC}},
      {"adts", {AV_CODEC_ID_NONE, AV_CODEC_ID_AAC}},
      {"mpeg", {AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2}},
      {"vcd", {AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2}},
      {"svcd", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MP2}},
      {"dvd", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3}},
      {"vob", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3}},
      {"flv", {AV_CODEC_ID_FLV1, AV_CODEC_ID_MP3}},
      {"swf", {AV_CODEC_ID_FLV1, AV_CODEC_ID_MP3}},
      {"3gp", {AV_CODEC_ID_H263, AV_CODEC_ID_AMR_NB}},
      {"rm", {AV_CODEC_ID_RV20, AV_CODEC_ID_AC3}},
      {"ac3", {AV_CODEC_ID_NONE, AV_CODEC_ID_AC3}},
      {"mp2", {AV_CODEC_ID_NONE, AV_CODEC_ID_MP2}},
      {"mp3", {AV_CODEC_ID_NONE, AV_CODEC_ID_MP3}},
      {"wav", {AV_CODEC_ID_NONE, AV_CODEC_ID_PCM_S16LE}},
      {"aiff", {AV_CODEC_ID_NONE, AV_CODEC_ID_PCM_S16BE}},
      {"flac", {AV_CODEC_ID_NONE, AV_CODEC_ID_FLAC}},
      {"ogg", {AV_CODEC_ID_NONE, AV_CODEC_ID_VORBIS}},
      {"asf", {AV_CODEC_ID_MSMPEG4V2, AV_CODEC_ID_WMAV2}},
  };
  auto it = kDefaults.find(format->name);
  if (it == kDefaults.end()) return AV_CODEC_ID_NONE;
  return type == AVMEDIA_TYPE_VIDEO ? it->second.first : it->second.second;
}

// Containers that hold sound only (some list a picture codec for cover art).
bool AudioOnlyContainer(const AVOutputFormat* format) {
  const AVCodecID video = format->video_codec;
  if (video == AV_CODEC_ID_NONE || video == AV_CODEC_ID_PNG || video == AV_CODEC_ID_MJPEG) return true;
  return PreferredCodec(format, AVMEDIA_TYPE_VIDEO) == AV_CODEC_ID_NONE &&
         PreferredCodec(format, AVMEDIA_TYPE_AUDIO) != AV_CODEC_ID_NONE;
}

const AVCodec* DefaultEncoder(const AVOutputFormat* format, const std::string& path, AVMediaType type,
                              std::string* error) {
  AVCodecID id = PreferredCodec(format, type);
  if (id == AV_CODEC_ID_NONE) id = av_guess_codec(format, nullptr, path.c_str(), nullptr, type);
  const AVCodec* codec = id == AV_CODEC_ID_NONE ? nullptr : avcodec_find_encoder(id);
  if (!codec)
    *error =
        "No " + media::MediaWord(type) + " encoder is available for the '" + format->name + "' container";
  return codec;
}

bool CheckContainerHolds(const AVOutputFormat* format, const AVCodec* codec, std::string* error) {
  // 0 means "known not to fit"; a negative answer means the container has no list.
  if (avformat_query_codec(format, codec->id, FF_COMPLIANCE_NORMAL) != 0) return true;
  *error = std::string("The '") + format->name + "' container cannot hold " + avcodec_get_name(codec->id) +
           " " + media::MediaWord(codec->type);
  return false;
}

bool ResolveFormat(const Options& options, const std::string& path, const AVOutputFormat** format,
                   std::string* error) {
  if (!options.format.empty()) {
    *format = av_guess_format(options.format.c_str(), nullptr, nullptr);
    if (!*format) *error = "Unknown output format '" + options.format + "'";
  } else {
    *format = av_guess_format(nullptr, path.c_str(), nullptr);
    if (!*format) *error = "Cannot tell the output format from the file name '" + path + "'";
  }
  return *format != nullptr;
}

// The encoder for one kind of stream: the one the options name, else the
// container's default; it must be allowed and fit the container.
const AVCodec* ChooseEncoder(const std::string& named, const AVOutputFormat* format, const std::string& path,
                             AVMediaType type, std::string* error) {
  const AVCodec* codec =
      named.empty() ? DefaultEncoder(format, path, type, error) : FindEncoder(named, type, error);
  if (!codec || !EncoderAllowed(codec, error) || !CheckContainerHolds(format, codec, error)) return nullptr;
  return codec;
}

AVSampleFormat ChooseSampleFormat(const AVCodec* codec, AVSampleFormat source) {
  if (!codec->sample_fmts) return source;
  for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
    if (*f == source) return source;
  return codec->sample_fmts[0];
}

int ChooseSampleRate(const AVCodec* codec, int wanted) {
  if (!codec->supported_samplerates) return wanted;
  int best = codec->supported_samplerates[0];
  for (const int* r = codec->supported_samplerates; *r; ++r)
    if (std::abs(*r - wanted) < std::abs(best - wanted)) best = *r;
  return best;
}

// The channel layout to encode: the wanted count if the encoder takes it, else
// the nearest count it does take. False when memory ran out.
bool ChooseLayout(const AVCodec* codec, int channels, media::Layout* layout) {
  layout->SetDefault(channels);
  if (!codec->ch_layouts) return true;
  const AVChannelLayout* best = nullptr;
  for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
    if (!av_channel_layout_compare(l, &layout->get())) return true;
    if (!best || std::abs(l->nb_channels - channels) < std::abs(best->nb_channels - channels)) best = l;
  }
  return !best || layout->CopyFrom(*best);
}

}  // namespace

SourceFacts FactsOf(const media::SourceDescription& source) {
  SourceFacts facts;
  if (const media::StreamFacts* video = source.Video()) {
    facts.width = video->shown_width;
    facts.height = video->shown_height;
    facts.frame_rate = {video->frame_rate.num, video->frame_rate.den};
  }
  return facts;
}

bool PlanAudioLane(const Options& o, const media::StreamFacts& in, const AVCodec* codec, LanePlan* lane,
                   std::string* error) {
  lane->stream = in.index;
  lane->type = AVMEDIA_TYPE_AUDIO;
  lane->encoder = codec;
  lane->chain.clear();
  // A stream whose sound format is not known yet is planned once its decoder runs.
  if (in.sample_rate <= 0 || in.sample_format < 0 || in.channels <= 0) return true;
  const int rate = ChooseSampleRate(codec, o.sample_rate > 0 ? o.sample_rate : in.sample_rate);
  media::Layout layout;
  if (!ChooseLayout(codec, o.channels > 0 ? o.channels : std::min(in.channels, 8), &layout)) {
    *error = "Out of memory";
    return false;
  }
  const AVSampleFormat format = ChooseSampleFormat(codec, static_cast<AVSampleFormat>(in.sample_format));
  lane->chain =
      "aresample=" + std::to_string(rate) + ",aformat=sample_fmts=" + av_get_sample_fmt_name(format) +
      ":sample_rates=" + std::to_string(rate) + ":channel_layouts=" + media::LayoutName(layout.get());
  return true;
}

namespace {

// "1:02:03.450" or "2:03.450": a time as the user typed it.
std::string ClockText(int64_t us) {
  const int64_t ms = us / 1000;
  char text[48];
  const long long h = ms / 3600000, m = ms / 60000 % 60, s = ms / 1000 % 60, f = ms % 1000;
  if (h > 0)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%03lld", h, m, s, f);
  else
    std::snprintf(text, sizeof text, "%lld:%02lld.%03lld", m, s, f);
  return text;
}

}  // namespace

bool MakeOutputPlan(const Options& o, const std::string& /*source_path*/, const std::string& output_path,
                    const media::SourceDescription& source, OutputPlan* plan, std::string* error) {
  *plan = OutputPlan{};
  if (o.start_us > 0 && source.duration_us > 0 && o.start_us >= source.duration_us) {
    *error = "The start time " + ClockText(o.start_us) + " lies past the end of the source (it lasts " +
             ClockText(source.duration_us) + ")";
    return false;
  }
  if (!ResolveFormat(o, output_path, &plan->format, error)) return false;
  if (!MuxerAllowed(plan->format, error)) return false;
  if (source.HasVideo() && !o.no_video && !AudioOnlyContainer(plan->format)) {
    plan->video = ChooseEncoder(o.video_codec, plan->format, output_path, AVMEDIA_TYPE_VIDEO, error);
    if (!plan->video) return false;
    if (o.crf >= 0 && !CheckConstantQuality(plan->video->name, o.crf, error)) return false;
    // Subtitles go along with pictures only.
    std::string note;
    if (o.subtitles == Options::Subtitles::Keep)
      plan->subtitles = convert::SubtitlesToKeep(source, plan->format, &note);
    if (o.subtitles == Options::Subtitles::BurnIn)
      plan->burn_in = convert::BurnInChain(source, &plan->burn_in_stream, &note);
    if (!note.empty()) plan->notes.push_back(note);
    LanePlan& lane = plan->lanes.emplace_back();
    if (!PlanVideoLane(o, *source.Video(), plan->video, plan->burn_in, &lane, &plan->width, &plan->height,
                       error))
      return false;
  }
  if (source.HasAudio() && !o.no_audio) {
    plan->audio = ChooseEncoder(o.audio_codec, plan->format, output_path, AVMEDIA_TYPE_AUDIO, error);
    if (!plan->audio) return false;
    for (int index :
         convert::AudioStreamsToConvert(source, plan->format, source.best_audio, o.first_audio_only))
      if (!PlanAudioLane(o, source.streams[index], plan->audio, &plan->lanes.emplace_back(), error))
        return false;
  }
  if (plan->lanes.empty()) {
    *error = "Nothing to convert: the output would hold neither video nor audio";
    return false;
  }
  // Every part of the source that does not reach the output is named, one a note.
  std::vector<int> audio_kept;
  for (const LanePlan& lane : plan->lanes)
    if (lane.type == AVMEDIA_TYPE_AUDIO) audio_kept.push_back(lane.stream);
  for (const std::string& note :
       convert::LeftOutNotes(source, plan->format, audio_kept, !o.no_audio && !o.first_audio_only,
                             plan->video != nullptr, o.subtitles == Options::Subtitles::Keep))
    plan->notes.push_back(note);
  return true;
}

}  // namespace convert
