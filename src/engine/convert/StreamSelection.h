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
}  // namespace media

namespace convert {

// True for containers that players read with several audio tracks.
bool HoldsSeveralAudioTracks(const AVOutputFormat* format);

// The audio streams to convert, in source order: all decodable ones, or only
// `best` when the container holds one track or `first_only` asks for it.
std::vector<int> AudioStreamsToConvert(const media::SourceDescription& in, const AVOutputFormat* format,
                                       int best, bool first_only);

struct SubtitleChoice {
  int stream = -1;
  bool copy = false;                        // packets go over as they are
  AVCodecID convert_to = AV_CODEC_ID_NONE;  // otherwise: text converted to this format
};

// How a subtitle track of `codec` goes into `format`: copied, converted, or
// (false) not at all.
bool ChooseSubtitle(AVCodecID codec, const AVOutputFormat* format, SubtitleChoice* choice);

// The subtitle tracks to keep; `dropped` gets a sentence for the row's outcome when
// some could not be kept.
std::vector<SubtitleChoice> SubtitlesToKeep(const media::SourceDescription& in, const AVOutputFormat* format,
                                            std::string* dropped);

// One sentence for each part of `in` that a plan leaves out and the user did not
// ask to leave out: sound tracks beyond `audio_kept` (when `all_audio` asks for
// every track), further video tracks (when `pictures`), subtitle tracks of an
// output without pictures (when `subtitles` asks to keep them), attachments and
// data streams. E.g. "2nd sound track left out: the flv container holds one".
std::vector<std::string> LeftOutNotes(const media::SourceDescription& in, const AVOutputFormat* format,
                                      const std::vector<int>& audio_kept, bool all_audio, bool pictures,
                                      bool subtitles);

}  // namespace convert
