#include "engine/media/MediaInput.h"

#include "engine/media/SourceGuard.h"

#include <algorithm>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace media {

void QuietLogs() {
  static std::once_flag once;
  std::call_once(once, [] {
    const char* level = std::getenv("VELTRANE_AV_LOG");
    av_log_set_level(level && *level ? std::atoi(level) : AV_LOG_QUIET);
  });
}

std::string FileUrl(const std::string& path) { return "file:" + path; }

namespace {

// Refuses names that are not regular, non-empty files before libav sees them:
// a FIFO or device would block or never end.
bool CheckRegularFile(const std::string& path, std::string* error) {
  struct stat info {};
  if (path.empty()) {
    *error = "No file name given";
    return false;
  }
  if (stat(path.c_str(), &info) != 0) {
    *error = std::string("Cannot open the file: ") + std::strerror(errno);
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    *error = "The path is a folder, not a file";
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    *error = "The path is not a regular file";
    return false;
  }
  if (info.st_size == 0) {
    *error = "The file is empty";
    return false;
  }
  return true;
}

std::atomic<long> g_probes{0};

std::string OpenFailure(int code, const ReadWatch& watch) {
  if (watch.Stopped()) return "Stopped";
  if (code == AVERROR_EXIT || watch.Expired()) return "Reading the file timed out";
  if (code == AVERROR_INVALIDDATA) return "Not a media file, or the file is damaged";
  return "Cannot open the file: " + media::ErrorText(code);
}

}  // namespace

long ProbeCount() { return g_probes.load(); }

media::Input OpenInput(const std::string& path, ReadWatch* watch, std::string* error) {
  ++g_probes;
  if (!CheckRegularFile(path, error)) return nullptr;
  AVFormatContext* raw = avformat_alloc_context();
  if (!raw) {
    *error = "Out of memory";
    return nullptr;
  }
  raw->interrupt_callback.callback = &ReadWatch::Callback;
  raw->interrupt_callback.opaque = watch;
  if (!AttachSourceIo(raw, path, watch, error)) {
    avformat_free_context(raw);
    return nullptr;
  }
  AVIOContext* io = raw->pb;  // ours to free until the input owns it
  const AVInputFormat* format = ProbeAllowedFormat(raw, path, error);
  if (!format) {
    avformat_free_context(raw);
    FreeSourceIo(io);
    return nullptr;
  }
  // No demuxer may reach for a protocol other than plain files.
  AVDictionary* options = nullptr;
  if (av_dict_set(&options, "protocol_whitelist", "file", 0) < 0) {
    *error = "Out of memory";
    av_dict_free(&options);
    avformat_free_context(raw);
    FreeSourceIo(io);
    return nullptr;
  }
  int rc = avformat_open_input(&raw, FileUrl(path).c_str(), format, &options);
  av_dict_free(&options);
  if (rc < 0) {  // libav freed the context, not our I/O
    *error = NestedOpenRefused(io) ? "The file refers to other files, which are not read"
                                   : OpenFailure(rc, *watch);
    FreeSourceIo(io);
    return nullptr;
  }
  media::Input input(raw);
  rc = avformat_find_stream_info(input.get(), nullptr);
  if (rc < 0) {
    *error = OpenFailure(rc, *watch);
    return nullptr;
  }
  if (input->nb_streams == 0) {
    *error = NestedOpenRefused(io) ? "The file refers to other files, which are not read"
                                   : "The file holds no audio or video";
    return nullptr;
  }
  return input;
}

std::string MediaWord(AVMediaType type) {
  switch (type) {
    case AVMEDIA_TYPE_VIDEO:
      return "video";
    case AVMEDIA_TYPE_SUBTITLE:
      return "subtitle";
    default:
      return "audio";
  }
}

std::string Fraction(AVRational r) { return std::to_string(r.num) + "/" + std::to_string(r.den); }

std::string LayoutName(const AVChannelLayout& layout) {
  char buffer[128] = {0};
  if (av_channel_layout_describe(&layout, buffer, sizeof buffer) < 0) return "stereo";
  return buffer;
}

media::Codec OpenDecoder(AVFormatContext* input, AVStream* stream, int threads, std::string* error) {
  const AVMediaType type = stream->codecpar->codec_type;
  const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
  if (!codec) {
    *error = std::string("No decoder for the source's ") + avcodec_get_name(stream->codecpar->codec_id) +
             " " + MediaWord(type);
    return nullptr;
  }
  media::Codec decoder(avcodec_alloc_context3(codec));
  if (!decoder) {
    *error = "Out of memory";
    return nullptr;
  }
  int rc = avcodec_parameters_to_context(decoder.get(), stream->codecpar);
  if (rc < 0) {
    *error = "Cannot set up the decoder: " + media::ErrorText(rc);
    return nullptr;
  }
  decoder->pkt_timebase = stream->time_base;
  decoder->thread_count = threads;
  if (type == AVMEDIA_TYPE_VIDEO) decoder->framerate = av_guess_frame_rate(input, stream, nullptr);
  rc = avcodec_open2(decoder.get(), codec, nullptr);
  if (rc < 0) {
    *error = "Cannot open the " + MediaWord(type) + " decoder: " + media::ErrorText(rc);
    return nullptr;
  }
  return decoder;
}

namespace {

// Best-effort duration in microseconds: header value, else stream durations, else
// size over bit rate. 0 when nothing is known.
int64_t EstimateDuration(const AVFormatContext* ctx, const std::string& path) {
  if (ctx->duration != AV_NOPTS_VALUE && ctx->duration > 0) return ctx->duration;
  int64_t longest = 0;
  for (unsigned i = 0; i < ctx->nb_streams; ++i) {
    const AVStream* st = ctx->streams[i];
    if (st->duration == AV_NOPTS_VALUE || st->duration <= 0) continue;
    longest = std::max(longest, av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
  }
  if (longest > 0) return longest;
  struct stat info {};
  if (ctx->bit_rate > 0 && stat(path.c_str(), &info) == 0)
    return av_rescale(info.st_size * 8, AV_TIME_BASE, ctx->bit_rate);
  return 0;
}

// Best stream of a kind, skipping cover pictures; -1 when none.
int BestStream(const AVFormatContext* ctx, AVMediaType type) {
  int best = av_find_best_stream(const_cast<AVFormatContext*>(ctx), type, -1, -1, nullptr, 0);
  if (best >= 0 && !(ctx->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC)) return best;
  // The library's pick was a cover picture (or nothing): take the first real one.
  for (unsigned i = 0; i < ctx->nb_streams; ++i) {
    const AVStream* st = ctx->streams[i];
    if (st->codecpar->codec_type == type && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
      return static_cast<int>(i);
  }
  return -1;
}

bool SameRational(AVRational a, AVRational b) { return a.num == b.num && a.den == b.den; }

bool SameOrientation(const Orientation& a, const Orientation& b) {
  return a.quarter_turns == b.quarter_turns && a.mirror == b.mirror && a.degrees == b.degrees;
}

StreamFacts DescribeStream(const AVFormatContext* input, unsigned index) {
  const AVStream* st = input->streams[index];
  const AVCodecParameters* par = st->codecpar;
  StreamFacts f;
  f.index = static_cast<int>(index);
  f.type = par->codec_type;
  f.codec = par->codec_id;
  f.cover = st->disposition & AV_DISPOSITION_ATTACHED_PIC;
  f.is_default = st->disposition & AV_DISPOSITION_DEFAULT;
  f.decodable = avcodec_find_decoder(par->codec_id) != nullptr;
  f.time_base = st->time_base;
  f.duration = st->duration;
  if (f.type == AVMEDIA_TYPE_VIDEO) {
    f.width = par->width;
    f.height = par->height;
    f.pixel_format = par->format;
    f.sample_aspect = par->sample_aspect_ratio;
    f.frame_rate =
        av_guess_frame_rate(const_cast<AVFormatContext*>(input), const_cast<AVStream*>(st), nullptr);
    f.turn = StreamOrientation(st);
    f.field_order = par->field_order;
    ShownSize(f.turn, f.width, f.height, &f.shown_width, &f.shown_height);
  } else if (f.type == AVMEDIA_TYPE_AUDIO) {
    f.sample_rate = par->sample_rate;
    f.sample_format = par->format;
    f.channels = par->ch_layout.nb_channels;
  }
  return f;
}

}  // namespace

bool SameStream(const StreamFacts& a, const StreamFacts& b) {
  return a.index == b.index && a.type == b.type && a.codec == b.codec && a.cover == b.cover &&
         a.is_default == b.is_default && a.decodable == b.decodable &&
         SameRational(a.time_base, b.time_base) && a.duration == b.duration && a.width == b.width &&
         a.height == b.height && a.pixel_format == b.pixel_format &&
         SameRational(a.sample_aspect, b.sample_aspect) && SameRational(a.frame_rate, b.frame_rate) &&
         SameOrientation(a.turn, b.turn) && a.field_order == b.field_order &&
         a.sample_rate == b.sample_rate && a.sample_format == b.sample_format && a.channels == b.channels;
}

int SourceDescription::Count(AVMediaType type) const {
  int count = 0;
  for (const StreamFacts& f : streams)
    if (f.type == type && !f.cover) ++count;
  return count;
}

SourceDescription DescribeSource(const AVFormatContext* input, const std::string& path) {
  SourceDescription d;
  for (unsigned i = 0; i < input->nb_streams; ++i)
    d.streams.push_back(DescribeStream(input, i));
  d.best_video = BestStream(input, AVMEDIA_TYPE_VIDEO);
  d.best_audio = BestStream(input, AVMEDIA_TYPE_AUDIO);
  d.duration_us = EstimateDuration(input, path);
  d.start_us = input->start_time != AV_NOPTS_VALUE ? input->start_time : 0;
  d.ts_jumps = input->iformat && (input->iformat->flags & AVFMT_TS_DISCONT);
  return d;
}

bool SameSource(const SourceDescription& a, const SourceDescription& b) {
  if (a.streams.size() != b.streams.size() || a.best_video != b.best_video || a.best_audio != b.best_audio ||
      a.duration_us != b.duration_us || a.start_us != b.start_us || a.ts_jumps != b.ts_jumps)
    return false;
  for (size_t i = 0; i < a.streams.size(); ++i)
    if (!SameStream(a.streams[i], b.streams[i])) return false;
  return true;
}

bool RefineFromDecoder(StreamFacts* facts, const AVCodecContext* decoder) {
  const StreamFacts before = *facts;
  if (facts->type == AVMEDIA_TYPE_VIDEO) {
    facts->width = decoder->width;
    facts->height = decoder->height;
    facts->pixel_format = decoder->pix_fmt;
    facts->sample_aspect = decoder->sample_aspect_ratio;
    facts->frame_rate = decoder->framerate;
    ShownSize(facts->turn, facts->width, facts->height, &facts->shown_width, &facts->shown_height);
  } else if (facts->type == AVMEDIA_TYPE_AUDIO) {
    facts->sample_rate = decoder->sample_rate;
    facts->sample_format = decoder->sample_fmt;
    facts->channels = decoder->ch_layout.nb_channels;
  }
  return !SameStream(before, *facts);
}

}  // namespace media
