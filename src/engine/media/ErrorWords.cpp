// The one table that turns libav and system error codes into words a user can
// act on: library texts such as "Invalid data found when processing input" or
// "Not yet implemented in FFmpeg, patches welcome" never reach a message.
#include <cerrno>
#include <cstring>
#include <string>

#include "engine/media/AVPointers.h"

namespace media {
namespace {

struct Words {
  int code;
  const char* text;
};

const Words kWords[] = {
    {AVERROR_INVALIDDATA, "the file is damaged"},
    {AVERROR_EOF, "the file is incomplete"},
    {AVERROR_PATCHWELCOME, "this kind of file is not supported"},
    {AVERROR(ENOSYS), "this kind of file is not supported"},
    {AVERROR_DECODER_NOT_FOUND, "this kind of file is not supported"},
    {AVERROR_DEMUXER_NOT_FOUND, "this kind of file is not supported"},
    {AVERROR_PROTOCOL_NOT_FOUND, "this kind of file is not supported"},
    {AVERROR_STREAM_NOT_FOUND, "the file holds no stream that can be used"},
    {AVERROR_ENCODER_NOT_FOUND, "this output format cannot be written here"},
    {AVERROR_MUXER_NOT_FOUND, "this output format cannot be written here"},
    {AVERROR_FILTER_NOT_FOUND, "a setting cannot be applied here"},
    {AVERROR_OPTION_NOT_FOUND, "a setting cannot be applied here"},
    {AVERROR(EINVAL), "a setting does not fit this file"},
    {AVERROR(ERANGE), "a value is out of range"},
    {AVERROR_EXIT, "the work was stopped"},
    {AVERROR(ENOMEM), "the computer ran out of memory"},
    {AVERROR(ENOSPC), "the disk is full"},
    {AVERROR(EDQUOT), "the disk quota is used up"},
    {AVERROR(EFBIG), "the file is too large for this disk"},
    {AVERROR(EIO), "the disk could not be read or written (input/output error)"},
    {AVERROR(EROFS), "the disk is read-only"},
    {AVERROR(EACCES), "permission was denied"},
    {AVERROR(EPERM), "permission was denied"},
    {AVERROR(ENOENT), "the file does not exist"},
    {AVERROR(ETIMEDOUT), "reading the file timed out"},
    {AVERROR_BUG, "the media library failed unexpectedly"},
    {AVERROR_BUG2, "the media library failed unexpectedly"},
    {AVERROR_BUFFER_TOO_SMALL, "the media library failed unexpectedly"},
    {AVERROR_EXTERNAL, "the media library failed unexpectedly"},
    {AVERROR_UNKNOWN, "the media library failed unexpectedly"},
};

}  // namespace

std::string ErrorText(int code) {
  for (const Words& w : kWords)
    if (w.code == code) return w.text;
  // Other system errors: the system's own sentence, which users know from
  // other programs; anything else of the library's is not shown raw.
  if (code < 0 && code > -4096) return std::strerror(-code);
  return "the media library reported an unknown error (" + std::to_string(code) + ")";
}

}  // namespace media
