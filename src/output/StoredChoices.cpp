#include "output/StoredChoices.h"

#include <functional>

#include "common/StoredValues.h"
#include "output/GridItems.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"

namespace {

const char* const kIfExists = "IfExists";

// Names under one group, beside the flat values the program has always had.
QString Name(const char* value) { return QString("OutputSettings/") + value; }

void RestoreProfile(OutputSettings& settings, OutputControls& controls) {
  const auto key = Stored::Text(Name("FormatKey"));
  const auto caption = Stored::Text(Name("ProfileCaption"));
  if (!key || !caption || !FormatKeys().contains(*key)) return;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    if (*key == QString::fromUtf8(entry.key) && *caption == QString::fromUtf8(entry.caption)) {
      ApplyProfile(settings, controls, entry.id, *caption);
      return;
    }
  }
}

// Digits that leaving the width or height box would keep as they are.
bool IsDimension(const QString& text) {
  if (text.isEmpty() || text.size() > 9) return false;
  for (const QChar c : text)
    if (c < '0' || c > '9') return false;
  return CorrectDimensionText(text) == text;
}

void RestoreSize(OutputSettings& settings, OutputControls& controls) {
  if (!controls.sizeEnabled) return;
  const auto index = Stored::Int(Name("SizeIndex"), 0, static_cast<int>(SizeEntries().size()) - 1);
  if (!index) return;
  if (*index == SizeCustomIndex) {
    const auto width = Stored::Text(Name("Width"));
    const auto height = Stored::Text(Name("Height"));
    if (!width || !height || !IsDimension(*width) || !IsDimension(*height)) return;
    SelectSize(settings, controls, *index);
    settings.width = *width;
    settings.height = *height;
    return;
  }
  SelectSize(settings, controls, *index);
}

// A grid text that the grid itself would keep exactly as it is.
void RestoreGridText(QString& field, GridItem item, const char* name, bool (*valid)(const QString&)) {
  const auto text = Stored::Text(Name(name));
  if (text && valid(*text) && CorrectGridItemText(item, *text) == *text) field = *text;
}

void RestoreGrid(GridValues& grid, OutputControls& controls) {
  if (controls.videoSettingsVisible) {
    RestoreGridText(grid.videoBitrate, GridItem::VideoBitrate, "VideoBitrate", &IsBitrateText);
    RestoreGridText(grid.frameRate, GridItem::FrameRate, "FrameRate", &IsFrameRateText);
    RestoreGridText(grid.aspect, GridItem::Aspect, "Aspect", &IsAspectText);
    // Crop, flips and rotation fit the pictures of one batch; carried over to the next
    // one they would silently cut or turn every file of it, so they start afresh.
    if (const auto upscale = Stored::Int(Name("Upscale"), 0, 1)) grid.upscale = *upscale;
    if (const auto subtitles = Stored::Int(Name("Subtitles"), 0, 2)) grid.subtitles = *subtitles;
    controls.cropValuesEditable = grid.crop;
  }
  if (controls.removeAudioVisible) {
    if (const auto remove = Stored::Bool(Name("RemoveAudio"))) grid.removeAudio = *remove;
    controls.audioItemsVisible = !grid.removeAudio;
  }
  if (controls.audioItemsVisible) {
    RestoreGridText(grid.audioBitrate, GridItem::AudioBitrate, "AudioBitrate", &IsBitrateText);
    RestoreGridText(grid.sampleRate, GridItem::SampleRate, "SampleRate", &IsSampleRateText);
    if (const auto channels = Stored::Int(Name("Channels"), 0, 2)) grid.channels = *channels;
    if (const auto tracks = Stored::Int(Name("AudioTracks"), 0, 1)) grid.audioTracks = *tracks;
  }
  if (const auto keep = Stored::Bool(Name("KeepFileDate"))) grid.keepFileDate = *keep;
}

}  // namespace

namespace StoredChoices {

void Restore(OutputSettings& settings, OutputControls& controls, int processorCount) {
  RestoreProfile(settings, controls);
  RestoreSize(settings, controls);
  if (controls.videoQualityEnabled)
    if (const auto quality = Stored::Int(Name("VideoQuality"), 0, 2)) settings.videoQuality = *quality;
  if (const auto quality = Stored::Int(Name("AudioQuality"), 0, 2)) settings.audioQuality = *quality;
  if (const auto threads = Stored::Int(Name("Threads"), 1, processorCount)) settings.threads = QString::number(*threads);
  RestoreGrid(settings.grid, controls);
  // Stored outside the group, as it always was; unknown text keeps Keep both.
  settings.ifExists = IfExistsFromSettingText(Stored::Text(kIfExists).value_or(QString()));
}

void Store(const OutputSettings& settings) {
  Stored::SetText(Name("FormatKey"), settings.outputFormatKey);
  Stored::SetText(Name("ProfileCaption"), settings.profileCaption);
  Stored::SetInt(Name("SizeIndex"), settings.sizeIndex);
  Stored::SetText(Name("Width"), settings.width);
  Stored::SetText(Name("Height"), settings.height);
  Stored::SetInt(Name("VideoQuality"), settings.videoQuality);
  Stored::SetInt(Name("AudioQuality"), settings.audioQuality);
  Stored::SetText(Name("Threads"), settings.threads);
  Stored::SetText(kIfExists, IfExistsSettingText(settings.ifExists));
  const GridValues& g = settings.grid;
  Stored::SetText(Name("VideoBitrate"), g.videoBitrate);
  Stored::SetText(Name("FrameRate"), g.frameRate);
  Stored::SetText(Name("Aspect"), g.aspect);
  Stored::SetText(Name("AudioBitrate"), g.audioBitrate);
  Stored::SetText(Name("SampleRate"), g.sampleRate);
  Stored::SetInt(Name("Channels"), g.channels);
  Stored::SetBool(Name("RemoveAudio"), g.removeAudio);
  Stored::SetBool(Name("KeepFileDate"), g.keepFileDate);
  Stored::SetInt(Name("Upscale"), g.upscale);
  Stored::SetInt(Name("AudioTracks"), g.audioTracks);
  Stored::SetInt(Name("Subtitles"), g.subtitles);
}

}  // namespace StoredChoices
