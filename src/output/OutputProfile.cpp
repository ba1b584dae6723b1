// Profile application and format defaults on the output settings record.
#include "output/OutputProfile.h"

#include "output/FormatTable.h"
#include "output/GridItems.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"

void SelectSize(OutputSettings& settings, OutputControls& controls, int index) {
  const SizeChoice choice = ChooseSize(index);
  settings.sizeIndex = index;
  controls.sizeBoxesEnabled = choice.boxesEnabled;
  if (!choice.keepText) {
    settings.width = choice.width;
    settings.height = choice.height;
  }
}

void SelectVideoQuality(OutputSettings& settings, int index) {
  settings.videoQuality = index;
  settings.grid.videoBitrate = "Auto";
}

void SelectAudioQuality(OutputSettings& settings, int index) {
  settings.audioQuality = index;
  settings.grid.audioBitrate = "Auto";
  settings.grid.sampleRate = "Auto";
}

void ResetFormatDefaults(OutputSettings& settings, OutputControls& controls) {
  SelectSize(settings, controls, SizeAutoIndex);
  SelectVideoQuality(settings, 1);
  SelectAudioQuality(settings, 1);

  GridValues& grid = settings.grid;
  grid.videoBitrate = "Auto";
  grid.frameRate = "Auto";
  grid.aspect = "Auto";
  grid.audioBitrate = "Auto";
  grid.sampleRate = "Auto";
  grid.channels = 0;
  // Each encoder has its own quality scale: a new format starts at its own value.
  if (const QualityScale* scale = QualityScaleFor(settings.outputFormatKey))
    grid.constantQuality = scale->initial;

  controls.removeAudioVisible = true;
  grid.removeAudio = false;
  controls.audioItemsVisible = true;
  controls.videoSettingsVisible = true;
  controls.sizeEnabled = true;
  controls.sizeBoxesEnabled = true;
  controls.videoQualityEnabled = true;
  if (!settings.audioOnly) return;

  controls.videoSettingsVisible = false;
  controls.removeAudioVisible = false;
  controls.sizeEnabled = false;
  controls.sizeBoxesEnabled = false;
  controls.videoQualityEnabled = false;
}

void ApplyProfile(OutputSettings& settings, OutputControls& controls, int id, const QString& caption) {
  settings.profileCaption = caption;
  const ProfileEntry* entry = FindProfile(id);
  if (entry) {
    settings.audioOnly = IsAudioProfile(id);
    settings.outputFormatKey = QString::fromUtf8(entry->key);
    ResetFormatDefaults(settings, controls);
    if (entry->width > 0 && entry->height > 0) {
      SelectSize(settings, controls, static_cast<int>(SizeEntries().size()) - 1);
      settings.width = QString::number(entry->width);
      settings.height = QString::number(entry->height);
    }
    if (*entry->frameRate) settings.grid.frameRate = QString::fromUtf8(entry->frameRate);
    if (*entry->audioBitrate) settings.grid.audioBitrate = QString::fromUtf8(entry->audioBitrate);
    if (*entry->channels) settings.grid.channels = QString::fromUtf8(entry->channels).toInt();
  }
  settings.grid.fileExtension = ExtensionForKey(settings.outputFormatKey);
}

void ApplyProfile(OutputSettings& settings, int id) {
  OutputControls controls;
  const ProfileEntry* entry = FindProfile(id);
  ApplyProfile(settings, controls, id, entry ? QString::fromUtf8(entry->caption) : settings.profileCaption);
}
