#include "engine/convert/SubtitleBurnIn.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/media/AVPointers.h"
#include "engine/media/MediaInput.h"

namespace convert {
namespace {

// Stands for the text's memory file until the session has made it.
constexpr char kPendingText[] = "subtitles=filename=/dev/null";

std::string Escape(const std::string& text, const char* special) {
  std::string out;
  for (char c : text) {
    for (const char* s = special; *s; ++s)
      if (c == *s) {
        out += '\\';
        break;
      }
    out += c;
  }
  return out;
}

bool IsText(AVCodecID codec) {
  const AVCodecDescriptor* d = avcodec_descriptor_get(codec);
  return d && (d->props & AV_CODEC_PROP_TEXT_SUB);
}

// "H:MM:SS.cc" as ASS scripts write times.
std::string AssTime(int64_t ms) {
  if (ms < 0) ms = 0;
  const int64_t cs = ms / 10;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%02lld", static_cast<long long>(cs / 360000),
                static_cast<long long>(cs / 6000 % 60), static_cast<long long>(cs / 100 % 60),
                static_cast<long long>(cs % 100));
  return text;
}

// A decoded event "ReadOrder,Layer,Style,...,Text" as a script line
// "Dialogue: Layer,Start,End,Style,...,Text".
std::string DialogueLine(const char* ass, int64_t start_ms, int64_t end_ms) {
  const char* layer = std::strchr(ass, ',');
  if (!layer) return std::string();
  const char* rest = std::strchr(layer + 1, ',');
  if (!rest) return std::string();
  std::string line = "Dialogue: " + std::string(layer + 1, rest) + "," + AssTime(start_ms) + "," +
                     AssTime(end_ms) + rest + "\n";
  return line;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string EscapeFilterValue(const std::string& text) {
  // First the option level (quotes, backslashes, ':' between options), then the
  // graph level (quotes, backslashes and the graph's own separators).
  return Escape(Escape(text, "\\':"), "\\'[],;");
}

std::string BurnInChain(const media::SourceDescription& in, int* stream, std::string* note) {
  // The default track, else the first.
  const media::StreamFacts* chosen = nullptr;
  for (const media::StreamFacts& f : in.streams) {
    if (f.type != AVMEDIA_TYPE_SUBTITLE) continue;
    if (!chosen || (f.is_default && !chosen->is_default)) chosen = &f;
  }
  if (!chosen) return "";
  if (!IsText(chosen->codec)) {
    *note = "Subtitles not burnt in: the subtitle track holds pictures, which only text tracks can be";
    return "";
  }
  *stream = chosen->index;
  return kPendingText;
}

BurnInText::~BurnInText() {
  if (fd_ >= 0) close(fd_);
}

bool BurnInText::Extract(const std::string& source, int stream, media::ReadWatch* watch, std::string* error,
                         int64_t earlier_us) {
  const auto fail = [error](const std::string& text) {
    *error = "Cannot read the subtitles to burn in: " + text;
    return false;
  };
  std::string problem;
  media::Input input = media::OpenInput(source, watch, &problem);
  if (!input) return fail(problem);
  if (stream < 0 || stream >= static_cast<int>(input->nb_streams)) return fail("the track is gone");
  for (unsigned i = 0; i < input->nb_streams; ++i)
    if (static_cast<int>(i) != stream) input->streams[i]->discard = AVDISCARD_ALL;
  const AVStream* track = input->streams[stream];
  const AVCodec* codec = avcodec_find_decoder(track->codecpar->codec_id);
  if (!codec) return fail("no decoder for the track");
  media::Codec decoder(avcodec_alloc_context3(codec));
  if (!decoder) return fail("out of memory");
  int rc = avcodec_parameters_to_context(decoder.get(), track->codecpar);
  if (rc < 0) return fail(media::ErrorText(rc));
  decoder->pkt_timebase = track->time_base;
  rc = avcodec_open2(decoder.get(), codec, nullptr);
  if (rc < 0) return fail(media::ErrorText(rc));
  // Text decoders give an ASS header; one that is not a script header is not used,
  // so the filter can only ever read this file as an ASS script.
  const char* header = reinterpret_cast<const char*>(decoder->subtitle_header);
  if (!header || std::strncmp(header, "[Script Info]", 13) != 0)
    return fail("the track has no usable header");
  fd_ = memfd_create("burn-in-subtitles", MFD_CLOEXEC);
  if (fd_ < 0) return fail(std::strerror(errno));
  std::string script(header, static_cast<size_t>(decoder->subtitle_header_size));
  if (script.find("\n[Events]") == std::string::npos)
    script += "\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
  if (!WriteAll(fd_, script)) return fail(std::strerror(errno));

  media::Packet packet(av_packet_alloc());
  if (!packet) return fail("out of memory");
  while (true) {
    rc = av_read_frame(input.get(), packet.get());
    if (rc == AVERROR_EOF) break;
    if (rc < 0) return fail(watch->Expired() ? "reading the source timed out" : media::ErrorText(rc));
    if (packet->stream_index != stream || packet->pts == AV_NOPTS_VALUE) {
      av_packet_unref(packet.get());
      continue;
    }
    AVSubtitle subtitle{};
    int got = 0;
    rc = avcodec_decode_subtitle2(decoder.get(), &subtitle, &got, packet.get());
    av_packet_unref(packet.get());
    if (rc < 0 || !got) continue;  // one bad event leaves the others
    const int64_t at_ms = (subtitle.pts - earlier_us) / 1000;
    const int64_t start_ms = std::max<int64_t>(0, at_ms + subtitle.start_display_time);
    const int64_t end_ms = at_ms + subtitle.end_display_time;
    std::string lines;
    for (unsigned i = 0; i < subtitle.num_rects && end_ms > 0; ++i)
      if (subtitle.rects[i]->ass) lines += DialogueLine(subtitle.rects[i]->ass, start_ms, end_ms);
    avsubtitle_free(&subtitle);
    if (!WriteAll(fd_, lines)) return fail(std::strerror(errno));
  }
  return true;
}

std::string BurnInText::Filter() const {
  // The memory file by its descriptor: a name that is plain digits and slashes.
  return "subtitles=filename=" + EscapeFilterValue("/proc/self/fd/" + std::to_string(fd_));
}

}  // namespace convert
