#pragma once
// Burning a subtitle track into the picture: the default text track is drawn by
// libavfilter's subtitles filter (libass), which reads the track from the source
// file itself. Picture (bitmap) tracks cannot be drawn this way.
#include <string>


namespace media {

struct SourceDescription;

// The filter that draws the source's default text subtitle track, or "" with
// `note` saying why none is drawn (no subtitle track, or only picture tracks).
std::string BurnInChain(const SourceDescription& in, const std::string& source_path, std::string* note);

// `text` escaped for a filter option value inside a filter graph description
// (both levels of libavfilter's quoting).
std::string EscapeFilterValue(const std::string& text);

}  // namespace media
