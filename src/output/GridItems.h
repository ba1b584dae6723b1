#pragma once
// The advanced settings: the items of the settings grid (captions, kinds, entries,
// descriptions) and the rules that clean up every value typed into them.
#include <QString>
#include <QStringList>
#include <span>

#include "output/OutputSettings.h"

enum class GridItem {
  FileExtension,
  KeepFileDate,
  VideoBitrate,
  FrameRate,
  Aspect,
  Crop,
  CropTop,
  CropBottom,
  CropLeft,
  CropRight,
  VerticalFlip,
  HorizontalFlip,
  Rotate,
  Upscale,
  QualityMode,
  ConstantQuality,
  Deinterlace,
  AudioBitrate,
  SampleRate,
  Channels,
  AudioTracks,
  RemoveAudio,
  Subtitles,
  StartTime,  // trim: where the output starts; "" = the beginning
  Duration,   // trim: how long the output lasts; "" = to the end
};

enum class GridCategory { OutputFile, Video, Audio, Subtitle };

enum class GridItemKind {
  Text,    // free text, optionally with suggestions
  Number,  // typed integer, optionally with suggestions
  Check,   // Boolean
  List,    // one of the entries, no typing
};

inline constexpr int RemoveAudioItemId = 100;
inline constexpr int CropItemId = 101;

struct GridItemInfo {
  GridItem item;
  GridCategory category;
  const char* caption;
  GridItemKind kind;
  const char* initial;      // initial text ("" for checks and the extension; "True" for a check on at first)
  QStringList entries;      // suggestions or list entries
  const char* description;  // "" when the item has none
  bool readOnly;            // read-only after the build
  int id;                   // 0, or the ids above
  bool cropChild;           // shown under "Crop Video"
};

// Category captions in order: "Output File", "Video Settings", "Audio Settings",
// "Subtitle Settings".
QString GridCategoryCaption(GridCategory category);
// Every item in grid order.
std::span<const GridItemInfo> GridItemTable();
const GridItemInfo& GridItemInfoFor(GridItem item);
// An item's caption and description in the user's language.
QString GridItemCaption(const GridItemInfo& info);
QString GridItemDescription(const GridItemInfo& info);
// The entries as the grid shows them: a pick list's and the word "Auto" in the user's
// language (the table's English entries stay what the settings hold), numbers as they are.
QStringList GridEntriesShown(const GridItemInfo& info);

// The per-item clean-up run when the user edits an item: trim; empty becomes "0" for
// the crop values and "Rotate", "Auto" otherwise ("Constant Quality" is only trimmed:
// its scale depends on the format, see CorrectConstantQualityText); crop values become
// their absolute value; "Rotate" outside -270..270 (or not a number) becomes "0".
QString CorrectGridItemText(GridItem item, const QString& value);

// The short note shown when an edit replaced what the user typed (`typed` is the
// text as entered, `kept` what the item holds now): names the item, both values and
// what the item takes. Empty when the value was only trimmed or changed its letter
// case, or when the user cleared the item and so asked for its default.
QString GridReplacementNote(GridItem item, const QString& typed, const QString& kept);

// The note for a kept value that is almost surely a slip: a video bitrate under
// 32 kbit/s or an audio bitrate under 8 kbit/s typed without "k", a sample rate under
// 8000 Hz. The value itself stays as typed. Empty when nothing looks wrong.
QString GridLowValueNote(GridItem item, const QString& kept);

// The five text tests. "Auto" always passes.
bool IsBitrateText(const QString& value);     // digits, optionally ending in k or K
bool IsSampleRateText(const QString& value);  // digits
bool IsFrameRateText(const QString& value);   // a positive finite number
bool IsAspectText(const QString& value);      // digits ":" digits, neither side zero

// A trim time: "hh:mm:ss.fff", "mm:ss" or plain seconds, at most 100 hours. `ms`
// (may be null) gets it in milliseconds. An empty text is no time.
bool ParseTimeText(const QString& value, qint64* ms = nullptr);
// "Start Time" and "Duration" texts: empty, or a time (a duration above 0).
bool IsStartTimeText(const QString& value);
bool IsDurationText(const QString& value);

// Sets every failing text setting (both bitrates, sample rate, frame rate, aspect) to
// "Auto", failing trim times to ""; passing values stay exactly as typed.
void NormaliseGridValues(GridValues& values);

// "Constant Quality" for a format: `scale` is its video encoder's (QualityScaleFor),
// nullptr when the encoder has none. The item's description names the scale, or says
// that the format keeps the bitrate; a typed value outside the scale becomes its nearest
// end, and one that is no whole number (or nothing) the format's initial value.
struct QualityScale;
const QualityScale* QualityScaleFor(const QString& formatKey);
QString ConstantQualityDescription(const QualityScale* scale);
QString CorrectConstantQualityText(const QString& value, const QualityScale* scale);

// Integer of a crop or rotate text; 0 when it is not an integer.
int GridIntegerValue(const QString& text);
