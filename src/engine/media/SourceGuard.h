#pragma once
// What a source file may make libav do: read that one file and nothing else.
// The file is read through the engine's own I/O (no protocol is ever parsed out
// of its name), every nested open a demuxer asks for is refused, and only media
// demuxers from a fixed list may read it: playlists, file lists and other
// indirections never run.
#include <chrono>
#include <cstdint>
#include <string>

struct AVFormatContext;
struct AVInputFormat;
struct AVIOContext;

namespace media {

class ReadWatch;

// Opens `path` for reading and gives `ctx` an I/O context on it, times each read
// against `watch` (which must outlive the context) and refuses nested opens. On
// failure returns false with a sentence in `error`; `ctx` is left without I/O.
bool AttachSourceIo(AVFormatContext* ctx, const std::string& path, ReadWatch* watch, std::string* error);

// Releases the I/O that AttachSourceIo made, once the context is closed.
void FreeSourceIo(AVIOContext* pb);

// Detects the file's format from its content and checks it against the list of
// demuxers the engine reads. Null with a message when it is unknown or refused.
const AVInputFormat* ProbeAllowedFormat(AVFormatContext* ctx, const std::string& path, std::string* error);

// True when a demuxer (libav's name, e.g. "mov,mp4,m4a,3gp,3g2,mj2") may read sources.
bool DemuxerAllowed(const char* name);

// True when a demuxer reading through `pb` (made by AttachSourceIo) asked to
// open another file and was refused.
bool NestedOpenRefused(const AVIOContext* pb);

// Test seam: called before every read of a source file with the read's file
// position, so tests can make reads slow or stall.
using ReadHook = void (*)(int64_t position);
void SetReadHookForTesting(ReadHook hook);

}  // namespace media
