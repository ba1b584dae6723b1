#pragma once
// The option strings a conversion task receives, in FFmpeg command-line syntax,
// parsed into plain settings. No shell is involved: blanks separate tokens, a
// double-quoted stretch belongs to one token (the quotes are removed), and a
// later repeat of an option replaces the earlier one.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/convert/OptionValues.h"

namespace convert {

// Facts about the source that some options depend on.
struct SourceFacts {
  Ratio frame_rate;  // -target dvd/vcd without a norm picks it from this
  int width = 0;
  int height = 0;
};

struct Options {
  std::string video_codec;  // encoder name; empty = the container's default
  std::string audio_codec;
  int64_t video_bitrate = 0;  // bits/s, 0 = encoder default (also for "0k")
  int64_t audio_bitrate = 0;
  int sample_rate = 0;  // 0 = keep the source's
  int channels = 0;
  int width = 0, height = 0;  // -s; 0 = keep
  Ratio frame_rate;           // -r
  Ratio aspect;               // -aspect (display aspect ratio)
  bool no_video = false;
  bool no_audio = false;
  std::string format;       // muxer name from -f or -target
  std::string x264_preset;  // from -vpre
  std::vector<VideoFilter> filters;
  bool no_upscale = false;        // -upscale never: a smaller picture keeps its size
  bool first_audio_only = false;  // -audiotracks first: only the main audio track
  enum class Subtitles { Keep, BurnIn, None };
  Subtitles subtitles = Subtitles::Keep;  // -subtitles keep|burn|none, -sn
  bool keep_file_date = true;             // -filedate source|now: the output's modification time
  int crf = -1;  // -crf N: constant quality on the video encoder's own scale (no target bitrate); -1 = off
  enum class Deinterlace { Off, Auto, Always };
  Deinterlace deinterlace = Deinterlace::Off;  // -deinterlace off|auto|always
  int64_t start_us = 0;                        // -ss: where in the source the output starts
  int64_t duration_us = 0;                     // -t: how long the output lasts; 0 = to the source's end

  // Values that only -target sets.
  std::string target;
  std::string target_norm;  // "pal", "ntsc" or "film", as the target resolved it
  int gop = -1;
  int64_t max_rate = 0, min_rate = -1, buffer_size = 0;
  int packet_size = 0;
  int64_t mux_rate = 0;
};

// Splits a command line into tokens; false (with a message) on an unclosed quote.
bool Tokenize(const std::string& text, std::vector<std::string>* tokens, std::string* error);

// Parses the whole string. False with a message naming the offending option or
// value; `out` is then unspecified.
bool Parse(const std::string& text, const SourceFacts& source, Options* out, std::string* error);

// Number of quarter turns (0..3, clockwise) that the chain's rotations add up to,
// counting only rotations by a multiple of 90 degrees.
int QuarterTurns(const std::vector<VideoFilter>& filters);

}  // namespace convert
