#pragma once
// What a conversion carries over besides the pictures and sound: the file's tags
// (title, artist, creation time...), each stream's tags (language, title) and
// flags, the chapters, and the source file's modification time.
#include <string>

struct AVFormatContext;
struct AVStream;
struct timespec;

namespace convert {

// File tags and chapters from `in` to `out`, before the output's header is
// written. False only when memory ran out.
bool CopyFileMetadata(const AVFormatContext* in, AVFormatContext* out);

// One stream's tags and its default/forced/language-type flags. Tags that describe
// the old encoding (rotation, encoder, statistics of the old stream) are left out.
bool CopyStreamMetadata(const AVStream* in, AVStream* out);

// The modification time of `source`, for the output. False with a message when
// it cannot be read.
bool SourceDate(const std::string& source, struct timespec* modified, std::string* error);

}  // namespace convert
