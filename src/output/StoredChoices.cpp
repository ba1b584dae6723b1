#include "output/StoredChoices.h"

#include <functional>

#include "core/StoredValues.h"
#include "output/FormatTable.h"
#include "output/GridItems.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"

namespace {

void RestoreProfile(OutputSettings& settings, OutputControls& controls) {
  const auto key = Stored::Find(Setting::FormatKey);
  const auto caption = Stored::Find(Setting::ProfileCaption);
  if (!key || !caption || !FormatKeys().contains(*key)) return;
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    if (*key == QString::fromUtf8(entry.key) && *caption == QString::fromUtf8(entry.caption)) {
      ApplyProfile(settings, controls, entry.id, *caption);
      return;
    }
  }
}

void RestoreSize(OutputSettings& settings, OutputControls& controls) {
  if (!controls.sizeEnabled) return;
  const auto index = Stored::Find(Setting::SizeIndex, static_cast<int>(SizeEntries().size()) - 1);
  if (!index) return;
  if (*index == SizeCustomIndex) {
    const auto width = Stored::Find(Setting::Width);
    const auto height = Stored::Find(Setting::Height);
    if (!width || !height || !IsKeptDimensionText(*width) || !IsKeptDimensionText(*height)) return;
    SelectSize(settings, controls, *index);
    settings.width = *width;
    settings.height = *height;
    return;
  }
  SelectSize(settings, controls, *index);
}

// A grid text that the grid itself would keep exactly as it is.
void RestoreGridText(QString& field, GridItem item, const Setting::Key<QString>& key,
                     bool (*valid)(const QString&)) {
  const auto text = Stored::Find(key);
  if (text && valid(*text) && CorrectGridItemText(item, *text) == *text) field = *text;
}

void RestoreGrid(GridValues& grid, OutputControls& controls, const QString& formatKey) {
  if (controls.videoSettingsVisible) {
    RestoreGridText(grid.videoBitrate, GridItem::VideoBitrate, Setting::VideoBitrate, &IsBitrateText);
    RestoreGridText(grid.frameRate, GridItem::FrameRate, Setting::FrameRate, &IsFrameRateText);
    RestoreGridText(grid.aspect, GridItem::Aspect, Setting::Aspect, &IsAspectText);
    // Crop, flips and rotation fit the pictures of one batch; carried over to the next
    // one they would silently cut or turn every file of it, so they start afresh.
    if (const auto upscale = Stored::Find(Setting::Upscale)) grid.upscale = *upscale;
    if (const auto subtitles = Stored::Find(Setting::Subtitles)) grid.subtitles = *subtitles;
    if (const auto mode = Stored::Find(Setting::QualityMode)) grid.qualityMode = *mode;
    if (const QualityScale* scale = QualityScaleFor(formatKey))
      if (const auto quality = Stored::Find(Setting::ConstantQuality, scale->worst))
        grid.constantQuality = *quality;
    if (const auto deinterlace = Stored::Find(Setting::Deinterlace)) grid.deinterlace = *deinterlace;
    controls.cropValuesEditable = grid.crop;
  }
  if (controls.removeAudioVisible) {
    if (const auto remove = Stored::Find(Setting::RemoveAudio)) grid.removeAudio = *remove;
    controls.audioItemsVisible = !grid.removeAudio;
  }
  if (controls.audioItemsVisible) {
    RestoreGridText(grid.audioBitrate, GridItem::AudioBitrate, Setting::AudioBitrate, &IsBitrateText);
    RestoreGridText(grid.sampleRate, GridItem::SampleRate, Setting::SampleRate, &IsSampleRateText);
    if (const auto channels = Stored::Find(Setting::Channels)) grid.channels = *channels;
    if (const auto tracks = Stored::Find(Setting::AudioTracks)) grid.audioTracks = *tracks;
  }
  if (const auto keep = Stored::Find(Setting::KeepFileDate)) grid.keepFileDate = *keep;
}

}  // namespace

namespace StoredChoices {

void Restore(OutputSettings& settings, OutputControls& controls, int processorCount) {
  RestoreProfile(settings, controls);
  RestoreSize(settings, controls);
  if (controls.videoQualityEnabled)
    if (const auto quality = Stored::Find(Setting::VideoQuality)) settings.videoQuality = *quality;
  if (const auto quality = Stored::Find(Setting::AudioQuality)) settings.audioQuality = *quality;
  if (const auto threads = Stored::Find(Setting::Threads, processorCount))
    settings.threads = QString::number(*threads);
  RestoreGrid(settings.grid, controls, settings.outputFormatKey);
  // Stored outside the group, as it always was; unknown text keeps Keep both.
  settings.ifExists = IfExistsFromSettingText(Stored::Get(Setting::IfExists));
}

void Store(const OutputSettings& settings) {
  Stored::Set(Setting::FormatKey, settings.outputFormatKey);
  Stored::Set(Setting::ProfileCaption, settings.profileCaption);
  Stored::Set(Setting::SizeIndex, settings.sizeIndex);
  Stored::Set(Setting::Width, settings.width);
  Stored::Set(Setting::Height, settings.height);
  Stored::Set(Setting::VideoQuality, settings.videoQuality);
  Stored::Set(Setting::AudioQuality, settings.audioQuality);
  Stored::Set(Setting::Threads, settings.threads.toInt());  // the cores box holds digits only
  Stored::Set(Setting::IfExists, IfExistsSettingText(settings.ifExists));
  const GridValues& g = settings.grid;
  Stored::Set(Setting::VideoBitrate, g.videoBitrate);
  Stored::Set(Setting::FrameRate, g.frameRate);
  Stored::Set(Setting::Aspect, g.aspect);
  Stored::Set(Setting::AudioBitrate, g.audioBitrate);
  Stored::Set(Setting::SampleRate, g.sampleRate);
  Stored::Set(Setting::Channels, g.channels);
  Stored::Set(Setting::RemoveAudio, g.removeAudio);
  Stored::Set(Setting::KeepFileDate, g.keepFileDate);
  Stored::Set(Setting::Upscale, g.upscale);
  Stored::Set(Setting::AudioTracks, g.audioTracks);
  Stored::Set(Setting::Subtitles, g.subtitles);
  Stored::Set(Setting::QualityMode, g.qualityMode);
  Stored::Set(Setting::ConstantQuality, g.constantQuality);
  Stored::Set(Setting::Deinterlace, g.deinterlace);
}

}  // namespace StoredChoices
