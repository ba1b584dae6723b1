#pragma once
// The file list's facts about a source, read from a decoder that has it open. The
// window's probe workers and the command-line converter fill their rows the same way;
// file size and time come from the caller, which knows how it reached the file.
#include <QString>
#include <algorithm>

#include "engine/FFDecoder.h"
#include "filelist/SourceSummary.h"

inline void FillFromDecoder(const FFDecoder& decoder, SourceSummary& source) {
  const int videoIndex = decoder.VideoStreamIndex();
  const int audioIndex = decoder.AudioStreamIndex();
  // An unknown duration shows as 00:00:00, so it adds nothing to the total either.
  source.durationUs = std::max<int64_t>(decoder.Duration(), 0);
  source.videoTracks = decoder.VideoStreamCount();
  source.audioTracks = decoder.AudioStreamCount();
  source.subtitleTracks = decoder.SubtitleStreamCount();
  source.storedWidth = decoder.VideoStoredWidth(videoIndex);
  source.storedHeight = decoder.VideoStoredHeight(videoIndex);
  source.uprightWidth = decoder.VideoWidth(videoIndex);
  source.uprightHeight = decoder.VideoHeight(videoIndex);
  source.videoCodec = QString::fromStdString(decoder.VideoCodecName(videoIndex));
  source.audioCodec = QString::fromStdString(decoder.AudioCodecName(audioIndex));
  source.interlaced = decoder.VideoInterlaced(videoIndex);
}
