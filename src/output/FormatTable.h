#pragma once
// The output format keys: one row per key with everything the program knows about it,
// the file extension, whether it holds sound only, and the codec defaults and option
// template the conversion builder fills in. The catalogue, the builder, the command line
// and the tests all read this one table. Plain C++, no Qt.
#include <array>
#include <span>
#include <string_view>

// One value per quality: High, Normal, Low. nullptr leaves the value out.
using QualityValues = std::array<const char*, 3>;

struct FormatRow {
  const char* key;               // OutputFormatKey, matched exactly (case-sensitive)
  const char* extension;         // of the output file, without the dot
  bool audioOnly;                // sound only: no picture settings, no size, no filters
  int bitrateFactor;             // factor of the automatic video bitrate; 0 = none
  QualityValues fixedVideoRate;  // automatic video bitrate when there is no factor
  QualityValues audioRate;       // automatic audio bitrate
  QualityValues sampleRate;      // automatic sample rate
  bool defaultFrameRate;         // an unset frame rate becomes 29.97
  int videoRateCap;              // kbit/s ceiling of the video bitrate; 0 = none
  // The format part of the option string. {VRATE}, {ARATE}, {SRATE}, {PRESET}
  // ("libx264-veryfast"), {SPEED} (its bare word, which the engine turns into each newer
  // encoder's own speed setting) and {SIZE} are filled per file.
  const char* pattern;
  int autoWidth = 0;  // picture size used while the size is "Auto"; 0 keeps the source's
  int autoHeight = 0;
};

// Every row: the 31 classic keys (their sound-only ones last), then the newer codecs'.
std::span<const FormatRow> FormatRows();

// The row of `key`, or nullptr for a key that is not in the table.
const FormatRow* FindFormat(std::string_view key);

// The constant quality scale of a video encoder: lower values are better pictures and
// larger files.
struct QualityScale {
  const char* encoder;  // FFmpeg's encoder name, as the option template writes it
  int best;
  int worst;
  int initial;  // the value a format starts with
};

// The scale of the video encoder `row`'s template names, or nullptr when that encoder
// has no constant quality mode (or the row has no picture).
const QualityScale* QualityScaleOf(const FormatRow& row);
