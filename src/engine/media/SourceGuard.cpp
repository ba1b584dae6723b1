#include "engine/media/SourceGuard.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/mem.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "engine/media/ReadWatch.h"

namespace media {
namespace {

constexpr int kIoBufferSize = 32 * 1024;  // as libav's own file reads

std::atomic<ReadHook> g_read_hook{nullptr};

// Media containers and raw streams the engine reads: those the file list offers
// and a few close relatives. Playlists (hls, dash), file lists (concat), picture
// sequences (image2), session descriptions (sdp, rtp, rtsp) and the like are
// missing on purpose: they make libav open other files or addresses.
constexpr std::string_view kDemuxers[] = {
    "aac",  "ac3",  "aiff",   "amr",       "amrnb", "amrwb", "ape", "asf",      "asf_o",  "au",
    "avi",  "caf",  "dts",    "dv",        "eac3",  "flac",  "flv", "live_flv", "h263",   "h264",
    "hevc", "loas", "m4v",    "matroska",  "mjpeg", "mlp",   "mmf", "mov",      "mp3",    "mpc",
    "mpc8", "mpeg", "mpegts", "mpegvideo", "nut",   "ogg",   "rm",  "swf",      "truehd", "tta",
    "vc1",  "w64",  "wav",    "webm",      "wv",    "xwma",
};

// One open source file, read through plain system calls.
struct SourceFile {
  int fd = -1;
  ReadWatch* watch = nullptr;
  bool nested_refused = false;
};

int ReadSource(void* opaque, uint8_t* buffer, int size) {
  auto* file = static_cast<SourceFile*>(opaque);
  if (file->watch && file->watch->Stopped()) return AVERROR_EXIT;
  const auto started = std::chrono::steady_clock::now();
  if (const ReadHook hook = g_read_hook.load()) hook(lseek(file->fd, 0, SEEK_CUR));
  ssize_t got = 0;
  do {
    got = ::read(file->fd, buffer, static_cast<size_t>(size));
  } while (got < 0 && errno == EINTR);
  const int saved_errno = errno;
  if (file->watch && !file->watch->NoteRead(std::chrono::steady_clock::now() - started)) return AVERROR_EXIT;
  if (got == 0) return AVERROR_EOF;
  if (got < 0) return AVERROR(saved_errno);
  return static_cast<int>(got);
}

int64_t SeekSource(void* opaque, int64_t offset, int whence) {
  const auto* file = static_cast<const SourceFile*>(opaque);
  whence &= ~AVSEEK_FORCE;
  if (whence == AVSEEK_SIZE) {
    struct stat info {};
    return fstat(file->fd, &info) == 0 ? static_cast<int64_t>(info.st_size) : AVERROR(errno);
  }
  if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END) return AVERROR(EINVAL);
  const off_t at = lseek(file->fd, static_cast<off_t>(offset), whence);
  return at < 0 ? AVERROR(errno) : static_cast<int64_t>(at);
}

SourceFile* FileOf(const AVIOContext* pb) {
  if (!pb || pb->read_packet != &ReadSource) return nullptr;
  return static_cast<SourceFile*>(pb->opaque);
}

// Every open a demuxer asks for beyond the source itself (a playlist entry, a
// referenced media file, a sidecar) is refused.
int RefuseNestedOpen(AVFormatContext* ctx, AVIOContext** /*pb*/, const char* /*url*/, int /*flags*/,
                     AVDictionary** /*options*/) {
  if (SourceFile* file = FileOf(ctx->pb)) file->nested_refused = true;
  return AVERROR(EPERM);
}

// Opens without following into a FIFO or device: O_NONBLOCK keeps the open
// itself from waiting, and the opened object is checked, not the name.
int OpenRegularFile(const std::string& path, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    *error = std::string("Cannot open the file: ") + std::strerror(errno);
    return -1;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
    *error = S_ISDIR(info.st_mode)    ? "The path is a folder, not a file"
             : !S_ISREG(info.st_mode) ? "The path is not a regular file"
                                      : "The file is empty";
    ::close(fd);
    return -1;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

}  // namespace

bool AttachSourceIo(AVFormatContext* ctx, const std::string& path, ReadWatch* watch, std::string* error) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  auto* file = new (std::nothrow) SourceFile{fd, watch, false};
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
  AVIOContext* pb =
      file && buffer ? avio_alloc_context(buffer, kIoBufferSize, 0, file, &ReadSource, nullptr, &SeekSource)
                     : nullptr;
  if (!pb) {
    av_free(buffer);
    delete file;
    ::close(fd);
    *error = "Out of memory";
    return false;
  }
  ctx->pb = pb;
  ctx->io_open = &RefuseNestedOpen;
  return true;
}

void FreeSourceIo(AVIOContext* pb) {
  if (!pb) return;
  SourceFile* file = FileOf(pb);
  av_freep(&pb->buffer);
  avio_context_free(&pb);
  if (!file) return;
  if (file->fd >= 0) ::close(file->fd);
  delete file;
}

bool DemuxerAllowed(const char* name) {
  if (!name) return false;
  // libav names some demuxers by several comma-separated names; one known name is enough.
  std::string_view rest(name);
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    const std::string_view part = rest.substr(0, comma);
    for (std::string_view allowed : kDemuxers)
      if (part == allowed) return true;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return false;
}

const AVInputFormat* ProbeAllowedFormat(AVFormatContext* ctx, const std::string& path, std::string* error) {
  const AVInputFormat* format = nullptr;
  const int rc = av_probe_input_buffer2(ctx->pb, &format, path.c_str(), ctx, 0, 0);
  if (rc < 0 || !format) {
    const ReadWatch* watch = FileOf(ctx->pb) ? FileOf(ctx->pb)->watch : nullptr;
    if (watch && watch->Stopped())
      *error = "Stopped";
    else if (watch && watch->Expired())
      *error = "Reading the file timed out";
    else
      *error = "Not a media file, or the file is damaged";
    return nullptr;
  }
  if (!DemuxerAllowed(format->name)) {
    *error = std::string("The file is of a kind that is not read (") + format->name +
             "): playlists, file lists and similar files could bring in other files";
    return nullptr;
  }
  return format;
}

bool NestedOpenRefused(const AVIOContext* pb) {
  const SourceFile* file = FileOf(pb);
  return file && file->nested_refused;
}

void SetReadHookForTesting(ReadHook hook) { g_read_hook = hook; }

}  // namespace media
