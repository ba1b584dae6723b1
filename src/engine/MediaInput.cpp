#include "engine/MediaInput.h"

#include "engine/SourceGuard.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace media {

int ReadWatch::Callback(void* opaque) {
  const auto* watch = static_cast<const ReadWatch*>(opaque);
  if (!watch) return 0;
  return (watch->Stopped() || watch->Expired()) ? 1 : 0;
}

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

std::string OpenFailure(int code, const ReadWatch& watch) {
  if (watch.Stopped()) return "Stopped";
  if (code == AVERROR_EXIT || watch.Expired()) return "Reading the file timed out";
  if (code == AVERROR_INVALIDDATA) return "Not a media file, or the file is damaged";
  return "Cannot open the file: " + avptr::ErrorText(code);
}

}  // namespace

avptr::Input OpenInput(const std::string& path, ReadWatch* watch, std::string* error) {
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
    *error = NestedOpenRefused(io) ? "The file refers to other files, which are not read" : OpenFailure(rc, *watch);
    FreeSourceIo(io);
    return nullptr;
  }
  avptr::Input input(raw);
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
    case AVMEDIA_TYPE_VIDEO: return "video";
    case AVMEDIA_TYPE_SUBTITLE: return "subtitle";
    default: return "audio";
  }
}

avptr::Codec OpenDecoder(AVFormatContext* input, AVStream* stream, int threads, std::string* error) {
  const AVMediaType type = stream->codecpar->codec_type;
  const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
  if (!codec) {
    *error = std::string("No decoder for the source's ") + avcodec_get_name(stream->codecpar->codec_id) + " " +
             MediaWord(type);
    return nullptr;
  }
  avptr::Codec decoder(avcodec_alloc_context3(codec));
  if (!decoder) {
    *error = "Out of memory";
    return nullptr;
  }
  int rc = avcodec_parameters_to_context(decoder.get(), stream->codecpar);
  if (rc < 0) {
    *error = "Cannot set up the decoder: " + avptr::ErrorText(rc);
    return nullptr;
  }
  decoder->pkt_timebase = stream->time_base;
  decoder->thread_count = threads;
  if (type == AVMEDIA_TYPE_VIDEO) decoder->framerate = av_guess_frame_rate(input, stream, nullptr);
  rc = avcodec_open2(decoder.get(), codec, nullptr);
  if (rc < 0) {
    *error = "Cannot open the " + MediaWord(type) + " decoder: " + avptr::ErrorText(rc);
    return nullptr;
  }
  return decoder;
}

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

int BestStream(AVFormatContext* ctx, AVMediaType type) {
  int best = av_find_best_stream(ctx, type, -1, -1, nullptr, 0);
  if (best >= 0 && !(ctx->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC)) return best;
  // The library's pick was a cover picture (or nothing): take the first real one.
  for (unsigned i = 0; i < ctx->nb_streams; ++i) {
    const AVStream* st = ctx->streams[i];
    if (st->codecpar->codec_type == type && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
      return static_cast<int>(i);
  }
  return -1;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace media
