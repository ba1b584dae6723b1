#pragma once
// Which source streams besides the main picture go into the output: every audio
// track where the container holds several, and subtitle tracks where the container
// can hold them (as they are, or converted to the container's text format).
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

struct AVOutputFormat;

namespace media {

struct SourceDescription;

// True for containers that players read with several audio tracks.
bool HoldsSeveralAudioTracks(const AVOutputFormat* format);

// The audio streams to convert, in source order: all decodable ones, or only
// `best` when the container holds one track or `first_only` asks for it.
std::vector<int> AudioStreamsToConvert(const SourceDescription& in, const AVOutputFormat* format, int best,
                                       bool first_only);

struct SubtitleChoice {
  int stream = -1;
  bool copy = false;                  // packets go over as they are
  AVCodecID convert_to = AV_CODEC_ID_NONE;  // otherwise: text converted to this format
};

// How a subtitle track of `codec` goes into `format`: copied, converted, or
// (false) not at all.
bool ChooseSubtitle(AVCodecID codec, const AVOutputFormat* format, SubtitleChoice* choice);

// The subtitle tracks to keep; `dropped` gets a sentence for the row's outcome when
// some could not be kept.
std::vector<SubtitleChoice> SubtitlesToKeep(const SourceDescription& in, const AVOutputFormat* format,
                                            std::string* dropped);

}  // namespace media
