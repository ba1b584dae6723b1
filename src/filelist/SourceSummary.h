#pragma once
// What probing tells about one source file, as typed values: the list shows them
// (formatting only for display), and the conversion, the totals, the player and the
// command-line converter read them.
#include <QDateTime>
#include <QString>
#include <cstdint>

struct SourceSummary {
  int64_t durationUs = 0;  // 0 when unknown
  int storedWidth = 0;     // the best picture stream as stored
  int storedHeight = 0;
  int uprightWidth = 0;  // the same once shown upright (a phone's portrait clip)
  int uprightHeight = 0;
  QString videoCodec;  // short codec names such as "h264"
  QString audioCodec;
  int videoTracks = 0;
  int audioTracks = 0;
  int subtitleTracks = 0;
  bool interlaced = false;  // the header marks the pictures' fields as interlaced
  int64_t fileBytes = 0;
  QDateTime modified;

  bool HasVideo() const { return videoTracks > 0; }
  bool HasAudio() const { return audioTracks > 0; }
  double DurationSeconds() const { return durationUs > 0 ? static_cast<double>(durationUs) / 1e6 : 0.0; }
};
