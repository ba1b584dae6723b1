#include "engine/SubtitleBurnIn.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "engine/MediaInput.h"

namespace media {
namespace {

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

bool IsText(const AVCodecParameters* par) {
  const AVCodecDescriptor* d = avcodec_descriptor_get(par->codec_id);
  return d && (d->props & AV_CODEC_PROP_TEXT_SUB);
}

}  // namespace

std::string EscapeFilterValue(const std::string& text) {
  // First the option level (quotes, backslashes, ':' between options), then the
  // graph level (quotes, backslashes and the graph's own separators).
  return Escape(Escape(text, "\\':"), "\\'[],;");
}

std::string BurnInChain(const AVFormatContext* in, const std::string& source_path, std::string* note) {
  // The default track, else the first; the filter counts subtitle streams only.
  int chosen = -1, chosen_index = -1, index = 0;
  for (unsigned i = 0; i < in->nb_streams; ++i) {
    const AVStream* st = in->streams[i];
    if (st->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE) continue;
    const bool is_default = st->disposition & AV_DISPOSITION_DEFAULT;
    if (chosen < 0 || (is_default && !(in->streams[chosen]->disposition & AV_DISPOSITION_DEFAULT))) {
      chosen = static_cast<int>(i);
      chosen_index = index;
    }
    ++index;
  }
  if (chosen < 0) return "";
  if (!IsText(in->streams[chosen]->codecpar)) {
    *note = "Subtitles not burnt in: the subtitle track holds pictures, which only text tracks can be";
    return "";
  }
  return "subtitles=filename=" + EscapeFilterValue(FileUrl(source_path)) + ":si=" + std::to_string(chosen_index);
}

}  // namespace media
