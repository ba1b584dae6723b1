#pragma once
// Burning a subtitle track into the picture. The text is read from the source
// through the same guarded input as every other read (allowed formats only, no
// nested files, the per-read time limit), written as a plain ASS script into a
// memory file, and drawn by libavfilter's subtitles filter (libass) from there.
// The source's own name never reaches a filter. Picture (bitmap) tracks cannot be
// drawn this way.
#include <cstdint>
#include <string>

namespace media {
struct SourceDescription;
class ReadWatch;
}  // namespace media

namespace convert {

// The filter that draws the chosen track, naming the text that ExtractBurnInText
// prepares, or "" with `note` saying why none is drawn (no subtitle track, or only
// picture tracks). `stream` gets the source stream drawn.
std::string BurnInChain(const media::SourceDescription& in, int* stream, std::string* note);

// The track's text as an ASS script in a memory file, for the subtitles filter.
class BurnInText {
 public:
  BurnInText() = default;
  ~BurnInText();
  BurnInText(const BurnInText&) = delete;
  BurnInText& operator=(const BurnInText&) = delete;

  // Reads stream `stream` of `source` to the end. Every event moves `earlier_us`
  // earlier (a trimmed output starts later in the source); events that are over
  // before the new start are left out. False with a message.
  bool Extract(const std::string& source, int stream, media::ReadWatch* watch, std::string* error,
               int64_t earlier_us = 0);
  // The filter drawing this text, replacing what BurnInChain gave.
  std::string Filter() const;

 private:
  int fd_ = -1;
};

// `text` escaped for a filter option value inside a filter graph description
// (both levels of libavfilter's quoting).
std::string EscapeFilterValue(const std::string& text);

}  // namespace convert
