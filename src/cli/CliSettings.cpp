#include "cli/CliSettings.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "cli/CliProfiles.h"
#include "cli/CliRanges.h"
#include "cli/CliText.h"
#include "cli/CliWords.h"
#include "conversion/ConversionBuilder.h"
#include "core/FileNames.h"
#include "core/Helpers.h"
#include "output/GridItems.h"
#include "output/OutputProfile.h"
#include "output/OutputSizes.h"
#include "output/PresetStore.h"
#include "output/StoredChoices.h"

namespace {

constexpr int kDefaultProfileId = 1057;  // "MP4 - H264 Video (*.mp4)", the dialog's start
constexpr int kMaxJobs = 64;

using words::AllDigits;
using words::Lower;

QString Text(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

bool IsAutoWord(const std::string& text) { return Lower(text) == "auto"; }

// "high"/"normal"/"low" or 0/1/2 as the quality index.
bool ParseQuality(const std::string& text, int& index) {
  const std::string word = Lower(text);
  if (word == "high" || word == "0")
    index = 0;
  else if (word == "normal" || word == "1")
    index = 1;
  else if (word == "low" || word == "2")
    index = 2;
  else
    return false;
  return true;
}

// Selects the format key the way the profile menu's general entry for it would; keys
// without such an entry get the format reset alone.
void SelectFormat(OutputSettings& settings, const QString& key) {
  for (const ProfileEntry& entry : ProfileCatalogue()) {
    const QString menu = QString::fromUtf8(entry.menu);
    if (QString::fromUtf8(entry.key) == key &&
        (menu == AudioFormatMenu || menu == VideoFormatMenu || menu == ModernMenu)) {
      ApplyProfile(settings, entry.id);
      return;
    }
  }
  OutputControls controls;
  settings.outputFormatKey = key;
  settings.audioOnly = IsAudioKey(key);
  settings.profileCaption = key;
  ResetFormatDefaults(settings, controls);
  settings.grid.fileExtension = ExtensionForKey(key);
}

bool ApplySize(OutputSettings& settings, const std::string& text, std::string& error) {
  OutputControls controls;
  if (IsAutoWord(text)) {
    SelectSize(settings, controls, SizeAutoIndex);
    return true;
  }
  const size_t x = Lower(text).find('x');
  const std::string w = x == std::string::npos ? std::string() : text.substr(0, x);
  const std::string h = x == std::string::npos ? std::string() : text.substr(x + 1);
  if (!AllDigits(w) || !AllDigits(h)) {
    error = CliFormat(CliText::tr("--size: \"%1\" is not WxH (such as 640x480) or auto"), {text});
    return false;
  }
  SelectSize(settings, controls, SizeCustomIndex);
  // The width and height boxes' own correction: 16..5000, even.
  settings.width = CorrectDimensionText(Text(w));
  settings.height = CorrectDimensionText(Text(h));
  return true;
}

// A typed grid text after the grid's per-item clean-up; "auto" in any case is "Auto".
QString GridText(GridItem item, const std::string& text) {
  if (IsAutoWord(text)) return "Auto";
  return CorrectGridItemText(item, Text(text));
}

bool ApplyCrop(GridValues& grid, const std::string& text, std::string& error) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() != 4) {
    error = CliFormat(CliText::tr("--crop: \"%1\" is not four numbers L,T,R,B"), {text});
    return false;
  }
  const GridItem items[4] = {GridItem::CropLeft, GridItem::CropTop, GridItem::CropRight,
                             GridItem::CropBottom};
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    const QString typed = Text(parts[i]).trimmed();
    values[i] = typed.toInt(&ok);
    // The grid turns a negative margin positive; typed here it is a mistake to report.
    if (!ok || values[i] < 0 || values[i] > kMaxCropMargin) {
      error = CliFormat(CliText::tr("--crop: \"%1\" is not a whole number of pixels from 0 to %2"),
                        {parts[i], std::to_string(kMaxCropMargin)});
      return false;
    }
    values[i] = CorrectGridItemText(items[i], typed).toInt();
  }
  grid.crop = true;
  grid.cropLeft = values[0];
  grid.cropTop = values[1];
  grid.cropRight = values[2];
  grid.cropBottom = values[3];
  return true;
}

bool ApplyRotate(GridValues& grid, const std::string& text, std::string& error) {
  const QString corrected = CorrectGridItemText(GridItem::Rotate, Text(text));
  bool ok = false;
  const int typed = Text(text).trimmed().toInt(&ok);
  // The grid turns anything outside -270..270, or not a number, into 0.
  if (!ok || GridIntegerValue(corrected) != typed) {
    error =
        CliFormat(CliText::tr("--rotate: \"%1\" is not a whole number of degrees from -270 to 270"), {text});
    return false;
  }
  grid.rotate = typed;
  return true;
}

bool ApplyChannels(GridValues& grid, const std::string& text, std::string& error) {
  const std::string word = Lower(text);
  if (word == "auto")
    grid.channels = 0;
  else if (word == "1")
    grid.channels = 1;
  else if (word == "2")
    grid.channels = 2;
  else {
    error = CliFormat(CliText::tr("--channels: \"%1\" is not 1, 2 or auto"), {text});
    return false;
  }
  return true;
}

// The five typed grid texts: the option, its field, and what the rule asks for.
struct TextSetting {
  const char* option;
  QString GridValues::*field;
  const char* rule;
};

const TextSetting kTextSettings[] = {
    {"--vb", &GridValues::videoBitrate,
     QT_TRANSLATE_NOOP("CliText", "a bitrate: digits, optionally ending in k")},
    {"--ab", &GridValues::audioBitrate,
     QT_TRANSLATE_NOOP("CliText", "a bitrate: digits, optionally ending in k")},
    {"--rate", &GridValues::sampleRate, QT_TRANSLATE_NOOP("CliText", "a sample rate: digits")},
    {"--fps", &GridValues::frameRate, QT_TRANSLATE_NOOP("CliText", "a frame rate: a positive number")},
    {"--aspect", &GridValues::aspect, QT_TRANSLATE_NOOP("CliText", "an aspect: digits:digits")},
};

// Runs the grid's normaliser and reports the first typed value it throws away, or the
// first that passes it but lies outside what the engine takes.
bool CheckGridTexts(const GridValues& grid, std::string& error) {
  GridValues normalised = grid;
  NormaliseGridValues(normalised);
  for (const TextSetting& setting : kTextSettings) {
    const QString& typed = grid.*(setting.field);
    if (typed == "Auto") continue;
    std::string problem =
        normalised.*(setting.field) == "Auto" ? CliText::tr(setting.rule).toStdString() : "";
    if (problem.empty()) problem = RangeProblem(setting.option, typed);
    if (!problem.empty()) {
      error = CliFormat(CliText::tr("%1: \"%2\" is not %3"), {setting.option, typed.toStdString(), problem});
      return false;
    }
  }
  return true;
}

// One of the listed words, as its index; -1 with `error` set otherwise.
int WordChoice(const char* option, const std::string& text, std::initializer_list<const char*> words,
               std::string& error) {
  int index = 0;
  std::string list;
  for (const char* word : words) {
    if (Lower(text) == word) return index;
    if (index + 1 == static_cast<int>(words.size()) && index > 0)
      list = CliFormat(CliText::tr("%1 or %2"), {list, word});
    else
      list += (index == 0 ? "" : ", ") + std::string(word);
    ++index;
  }
  error = CliFormat(CliText::tr("%1: \"%2\" is not %3"), {option, text, list});
  return -1;
}

const char* FirstVideoOption(const CliOptions& o) {
  if (o.size) return "--size";
  if (o.videoQuality) return "--video-quality";
  if (o.videoBitrate) return "--vb";
  if (o.frameRate) return "--fps";
  if (o.aspect) return "--aspect";
  if (o.crop) return "--crop";
  if (o.verticalFlip) return "--vflip";
  if (o.horizontalFlip) return "--hflip";
  if (o.rotate) return "--rotate";
  if (o.removeAudio) return "--no-audio";
  if (o.subtitles) return "--subtitles";
  if (o.upscale) return o.upscale.value() ? "--upscale" : "--no-upscale";
  if (o.crf) return "--crf";
  if (o.deinterlace) return "--deinterlace";
  return nullptr;
}

bool ApplyProfileChoice(const CliOptions& options, OutputSettings& settings, std::string& error) {
  if (options.profile && options.format) {
    error = CliText::tr("--format: give either --profile or --format, not both").toStdString();
    return false;
  }
  if (options.format) {
    const QString key = Text(*options.format);
    if (!FormatKeys().contains(key)) {
      error = CliFormat(CliText::tr("--format: \"%1\" is not a format key (%2)"),
                        {*options.format, FormatKeys().join(", ").toStdString()});
      return false;
    }
    SelectFormat(settings, key);
    return true;
  }
  if (options.profile) {
    const ProfileEntry* entry = FindProfileByText(*options.profile, error);
    if (!entry) return false;
    ApplyProfile(settings, entry->id);
    return true;
  }
  if (!options.settingsFromWindow && !options.preset) ApplyProfile(settings, kDefaultProfileId);
  return true;
}

// --preset: a file when the text names one or holds a "/", else a stored preset's name.
// Its choices come before every other option's, its if-exists rule included.
bool ApplyPresetChoice(const std::string& text, CliPlan& plan, std::string& error) {
  const QString path = QFile::decodeName(QByteArray::fromStdString(text));
  const bool isFile = text.find('/') != std::string::npos || QFileInfo(path).isFile();
  QString message;
  const auto preset = isFile ? PresetStore::ReadFile(path, message) : PresetStore().Load(Text(text), message);
  if (!preset) {
    error = "--preset: " + message.toStdString();
    return false;
  }
  OutputControls controls;
  ApplyPreset(*preset, plan.settings, controls);
  plan.ifExists = preset->settings.ifExists;
  return true;
}

// The window's last confirmed choices, as its dialog restores them, without the
// per-batch picture changes (crop, flips, rotation).
void RestoreWindowSettings(OutputSettings& settings) {
  OutputControls controls;
  ApplyProfile(settings, controls, kDefaultProfileId,
               QString::fromUtf8(FindProfile(kDefaultProfileId)->caption));
  StoredChoices::Restore(settings, controls, std::max(1, ProcessorCount()));
  const GridValues fresh;
  settings.grid.crop = fresh.crop;
  settings.grid.cropTop = settings.grid.cropBottom = 0;
  settings.grid.cropLeft = settings.grid.cropRight = 0;
  settings.grid.verticalFlip = settings.grid.horizontalFlip = false;
  settings.grid.rotate = 0;
}

bool ApplyValues(const CliOptions& options, OutputSettings& settings, std::string& error) {
  if (settings.audioOnly) {
    if (const char* option = FirstVideoOption(options)) {
      error = CliFormat(CliText::tr("%1: the audio format %2 has no picture settings"),
                        {option, settings.outputFormatKey.toStdString()});
      return false;
    }
  }
  if (options.size && !ApplySize(settings, *options.size, error)) return false;
  int quality = 0;
  if (options.videoQuality) {
    if (!ParseQuality(*options.videoQuality, quality)) {
      error = CliFormat(CliText::tr("--video-quality: \"%1\" is not high, normal or low"),
                        {*options.videoQuality});
      return false;
    }
    SelectVideoQuality(settings, quality);
  }
  if (options.audioQuality) {
    if (!ParseQuality(*options.audioQuality, quality)) {
      error = CliFormat(CliText::tr("--audio-quality: \"%1\" is not high, normal or low"),
                        {*options.audioQuality});
      return false;
    }
    SelectAudioQuality(settings, quality);
  }

  GridValues& grid = settings.grid;
  if (options.videoBitrate) grid.videoBitrate = GridText(GridItem::VideoBitrate, *options.videoBitrate);
  if (options.frameRate) grid.frameRate = GridText(GridItem::FrameRate, *options.frameRate);
  if (options.aspect) grid.aspect = GridText(GridItem::Aspect, *options.aspect);
  if (options.crop && !ApplyCrop(grid, *options.crop, error)) return false;
  if (options.verticalFlip) grid.verticalFlip = true;
  if (options.horizontalFlip) grid.horizontalFlip = true;
  if (options.rotate && !ApplyRotate(grid, *options.rotate, error)) return false;
  if (options.audioBitrate) grid.audioBitrate = GridText(GridItem::AudioBitrate, *options.audioBitrate);
  if (options.sampleRate) grid.sampleRate = GridText(GridItem::SampleRate, *options.sampleRate);
  if (options.channels && !ApplyChannels(grid, *options.channels, error)) return false;
  if (options.removeAudio) grid.removeAudio = true;
  if (options.audioTracks) {
    const int choice = WordChoice("--audio-tracks", *options.audioTracks, {"all", "first"}, error);
    if (choice < 0) return false;
    grid.audioTracks = choice;
  }
  if (options.subtitles) {
    const int choice = WordChoice("--subtitles", *options.subtitles, {"keep", "burn", "none"}, error);
    if (choice < 0) return false;
    grid.subtitles = choice;
  }
  if (options.keepDate) grid.keepFileDate = *options.keepDate;
  if (options.upscale) grid.upscale = *options.upscale ? 0 : 1;
  if (options.crf) {
    error = QualityProblem(settings.outputFormatKey, *options.crf);
    if (!error.empty()) return false;
    grid.qualityMode = 1;
    grid.constantQuality = std::stoi(*options.crf);
  }
  if (options.deinterlace) {
    const int choice = WordChoice("--deinterlace", *options.deinterlace, {"off", "auto", "always"}, error);
    if (choice < 0) return false;
    grid.deinterlace = choice;
  }
  if (options.start) {
    grid.startTime = Text(*options.start).trimmed();
    if (grid.startTime.isEmpty() || !IsStartTimeText(grid.startTime)) {
      error =
          CliFormat(CliText::tr("--start: \"%1\" is not a time (hh:mm:ss.fff or seconds)"), {*options.start});
      return false;
    }
  }
  if (options.duration) {
    grid.duration = Text(*options.duration).trimmed();
    if (grid.duration.isEmpty() || !IsDurationText(grid.duration)) {
      error = CliFormat(CliText::tr("--duration: \"%1\" is not a length above 0 (hh:mm:ss.fff or seconds)"),
                        {*options.duration});
      return false;
    }
  }
  return CheckGridTexts(grid, error);
}

}  // namespace

bool ParseIfExists(const std::string& text, ExistingOutput& mode) {
  if (text == "keep-both")
    mode = ExistingOutput::KeepBoth;
  else if (text == "overwrite")
    mode = ExistingOutput::Overwrite;
  else if (text == "skip")
    mode = ExistingOutput::Skip;
  else
    return false;
  return true;
}

bool BuildPlan(const CliOptions& options, CliPlan& plan, std::string& error) {
  plan = CliPlan();
  OutputSettings& settings = plan.settings;
  if (options.settingsFromWindow) RestoreWindowSettings(settings);
  if (options.preset && !ApplyPresetChoice(*options.preset, plan, error)) return false;
  if (!ApplyProfileChoice(options, settings, error)) return false;
  if (!ApplyValues(options, settings, error)) return false;

  if (options.ifExists) {
    if (!ParseIfExists(*options.ifExists, plan.ifExists)) {
      error = CliFormat(CliText::tr("--if-exists: \"%1\" is not keep-both, overwrite or skip"),
                        {*options.ifExists});
      return false;
    }
  }
  settings.ifExists = plan.ifExists;

  plan.jobs = ProcessorCount();
  if (options.jobs) {
    const std::string& text = *options.jobs;
    const int jobs = AllDigits(text) && text.size() < 4 ? std::stoi(text) : 0;
    if (jobs < 1 || jobs > kMaxJobs) {
      error = CliFormat(CliText::tr("--jobs: \"%1\" is not a number from 1 to %2"),
                        {text, std::to_string(kMaxJobs)});
      return false;
    }
    plan.jobs = jobs;
  }
  settings.threads = QString::number(plan.jobs);

  if (!options.outputFolder) {
    error = CliText::tr("-o: an output folder is needed").toStdString();
    return false;
  }
  QString folder = NameToText(*options.outputFolder);
  if (!NormaliseOutputFolder(folder)) {
    // A file name with an extension, in an existing folder, names the output of a
    // single source; a bare word is more likely a mistyped folder.
    const QFileInfo file(NameToText(*options.outputFolder));
    folder = file.path();
    if (options.outputFolder->back() == '/' || file.suffix().isEmpty() || file.completeBaseName().isEmpty() ||
        file.isDir() || !NormaliseOutputFolder(folder)) {
      error = CliFormat(CliText::tr("-o: \"%1\" is not an existing folder"), {*options.outputFolder});
      return false;
    }
    plan.outputName = file.fileName();
  }
  plan.outputFolder = folder;
  settings.outputFolder = folder;
  return true;
}
