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

bool IsText(AVCodecID codec) {
  const AVCodecDescriptor* d = avcodec_descriptor_get(codec);
  return d && (d->props & AV_CODEC_PROP_TEXT_SUB);
}

}  // namespace

std::string EscapeFilterValue(const std::string& text) {
  // First the option level (quotes, backslashes, ':' between options), then the
  // graph level (quotes, backslashes and the graph's own separators).
  return Escape(Escape(text, "\\':"), "\\'[],;");
}

std::string BurnInChain(const SourceDescription& in, const std::string& source_path, std::string* note) {
  // The default track, else the first; the filter counts subtitle streams only.
  const StreamFacts* chosen = nullptr;
  int chosen_index = -1, index = 0;
  for (const StreamFacts& f : in.streams) {
    if (f.type != AVMEDIA_TYPE_SUBTITLE) continue;
    if (!chosen || (f.is_default && !chosen->is_default)) {
      chosen = &f;
      chosen_index = index;
    }
    ++index;
  }
  if (!chosen) return "";
  if (!IsText(chosen->codec)) {
    *note = "Subtitles not burnt in: the subtitle track holds pictures, which only text tracks can be";
    return "";
  }
  return "subtitles=filename=" + EscapeFilterValue(FileUrl(source_path)) + ":si=" + std::to_string(chosen_index);
}

}  // namespace media
