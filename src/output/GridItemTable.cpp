// The settings grid's items: captions, kinds, entries and descriptions, in grid order,
// and how they are shown in the user's language.
#include "output/GridItems.h"

#include <QCoreApplication>

namespace {

const QStringList kVideoBitrates = {"Auto",  "64k",   "96k",   "128k",  "160k",  "192k",  "256k",  "320k",
                                    "384k",  "448k",  "512k",  "640k",  "768k",  "1000k", "1200k", "1500k",
                                    "1800k", "2000k", "2200k", "2500k", "2800k", "3000k", "3500k", "4000k"};
const QStringList kFrameRates = {"Auto", "10", "12",    "15", "20", "23.97",
                                 "24",   "25", "29.97", "30", "50", "60"};
const QStringList kAspects = {"Auto", "4:3", "16:9"};
const QStringList kRotations = {"-90", "90"};
const QStringList kAudioBitrates = {"Auto", "32k",  "40k",  "48k",  "56k",  "64k",  "80k", "96k",
                                    "112k", "128k", "160k", "192k", "224k", "256k", "320k"};
const QStringList kSampleRates = {"Auto", "8000", "11025", "16000", "22050", "32000", "44100", "48000"};
const QStringList kChannels = {QT_TRANSLATE_NOOP("GridItems", "Auto"), "1", "2"};
const QStringList kUpscale = {QT_TRANSLATE_NOOP("GridItems", "Allow"),
                              QT_TRANSLATE_NOOP("GridItems", "Never")};
const QStringList kAudioTracks = {QT_TRANSLATE_NOOP("GridItems", "All"),
                                  QT_TRANSLATE_NOOP("GridItems", "First")};
const QStringList kSubtitles = {QT_TRANSLATE_NOOP("GridItems", "Keep"),
                                QT_TRANSLATE_NOOP("GridItems", "Burn In"),
                                QT_TRANSLATE_NOOP("GridItems", "None")};
const QStringList kQualityModes = {QT_TRANSLATE_NOOP("GridItems", "Bitrate"),
                                   QT_TRANSLATE_NOOP("GridItems", "Constant quality")};
const QStringList kDeinterlace = {QT_TRANSLATE_NOOP("GridItems", "Off"),
                                  QT_TRANSLATE_NOOP("GridItems", "Auto"),
                                  QT_TRANSLATE_NOOP("GridItems", "Always")};

using K = GridItemKind;
using C = GridCategory;

const GridItemInfo kItems[] = {
    {GridItem::FileExtension,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Filename Extension"),
     K::Text,
     "",
     {},
     "",
     true,
     0,
     false},
    {GridItem::KeepFileDate,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Keep File Date"),
     K::Check,
     "True",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Give the output file the modification date of the source file"),
     false,
     0,
     false},
    {GridItem::VideoBitrate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Video Bitrate"), K::Text, "Auto",
     kVideoBitrates, QT_TRANSLATE_NOOP("GridItems", "Set the video bit rate in bps (Bit Per Second)"), false,
     0, false},
    {GridItem::FrameRate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Frame Rate (FPS)"), K::Text, "Auto",
     kFrameRates,
     QT_TRANSLATE_NOOP("GridItems",
                       "Set how many frames should be displayed per second. Higher frame rate increases the "
                       "smoothness when played back"),
     false, 0, false},
    {GridItem::Aspect, C::Video, QT_TRANSLATE_NOOP("GridItems", "Aspect Rate"), K::Text, "Auto", kAspects,
     QT_TRANSLATE_NOOP("GridItems",
                       "Set width to height ratio according to the screen aspect of your playback device"),
     false, 0, false},
    {GridItem::Crop,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Crop Video"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Crop the input video"),
     false,
     CropItemId,
     false},
    {GridItem::CropTop,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Top"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropBottom,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Bottom"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropLeft,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Left"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::CropRight,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Right"),
     K::Number,
     "0",
     {},
     "",
     true,
     0,
     true},
    {GridItem::VerticalFlip,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Vertically Flip"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Flip the input video vertically"),
     false,
     0,
     false},
    {GridItem::HorizontalFlip,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Horizontally Flip"),
     K::Check,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "Flip the input video horizontally"),
     false,
     0,
     false},
    {GridItem::Rotate, C::Video, QT_TRANSLATE_NOOP("GridItems", "Rotate"), K::Number, "0", kRotations,
     QT_TRANSLATE_NOOP("GridItems",
                       "Rotate the video xx degrees clockwise. Valid number is from -270 to 270"),
     false, 0, false},
    {GridItem::Upscale, C::Video, QT_TRANSLATE_NOOP("GridItems", "Upscale"), K::List, "Allow", kUpscale,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Never: a video smaller than the chosen size keeps its own size instead of being enlarged"),
     false, 0, false},
    {GridItem::QualityMode, C::Video, QT_TRANSLATE_NOOP("GridItems", "Video Quality Mode"), K::List,
     "Bitrate", kQualityModes,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Bitrate: the video bitrate sets the file size. Constant quality: the encoder keeps one "
         "picture quality and the size follows the content (the video bitrate is then not used)"),
     false, 0, false},
    {GridItem::ConstantQuality,
     C::Video,
     QT_TRANSLATE_NOOP("GridItems", "Constant Quality"),
     K::Number,
     "22",
     {},
     QT_TRANSLATE_NOOP("GridItems",
                       "The picture quality kept in constant quality mode, on the encoder's own scale: lower "
                       "is better"),
     false,
     0,
     false},
    {GridItem::Deinterlace, C::Video, QT_TRANSLATE_NOOP("GridItems", "Deinterlace"), K::List, "Off",
     kDeinterlace,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Turns the two fields of interlaced camcorder or TV pictures into whole pictures. Auto: "
         "only sources found to be interlaced. Always: every source"),
     false, 0, false},
    {GridItem::AudioBitrate, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Audio Bitrate"), K::Text, "Auto",
     kAudioBitrates, QT_TRANSLATE_NOOP("GridItems", "Set the audio bitrate in bps(Bit Per Second)"), false, 0,
     false},
    {GridItem::SampleRate, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Sample Rate"), K::Text, "Auto",
     kSampleRates,
     QT_TRANSLATE_NOOP("GridItems", "Set the audio sampling frequency (the number of samples per second)"),
     false, 0, false},
    {GridItem::Channels, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Channels"), K::List, "Auto", kChannels,
     QT_TRANSLATE_NOOP("GridItems", "Set number of audio channels. 1 - Mono, 2 - Stereo"), false, 0, false},
    {GridItem::AudioTracks, C::Audio, QT_TRANSLATE_NOOP("GridItems", "Audio Tracks"), K::List, "All",
     kAudioTracks,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "All: every audio track (other languages, commentary) where the format can hold several. "
         "First: only the main one"),
     false, 0, false},
    {GridItem::RemoveAudio,
     C::Audio,
     QT_TRANSLATE_NOOP("GridItems", "Remove Audio"),
     K::Check,
     "",
     {},
     "",
     false,
     RemoveAudioItemId,
     false},
    {GridItem::Subtitles, C::Subtitle, QT_TRANSLATE_NOOP("GridItems", "Subtitles"), K::List, "Keep",
     kSubtitles,
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Keep: subtitle tracks go into the output where the format can hold them. Burn In: the "
         "default text track is drawn into the picture. None: left out"),
     false, 0, false},
    {GridItem::StartTime,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Start Time"),
     K::Text,
     "",
     {},
     QT_TRANSLATE_NOOP(
         "GridItems",
         "Where the output starts in the source: hh:mm:ss.fff or seconds. Empty: from the beginning"),
     false,
     0,
     false},
    {GridItem::Duration,
     C::OutputFile,
     QT_TRANSLATE_NOOP("GridItems", "Duration"),
     K::Text,
     "",
     {},
     QT_TRANSLATE_NOOP("GridItems", "How long the output lasts: hh:mm:ss.fff or seconds. Empty: to the end"),
     false,
     0,
     false},
};

}  // namespace

QString GridCategoryCaption(GridCategory category) {
  switch (category) {
    case GridCategory::OutputFile:
      return QCoreApplication::translate("GridItems", "Output File");
    case GridCategory::Video:
      return QCoreApplication::translate("GridItems", "Video Settings");
    case GridCategory::Audio:
      return QCoreApplication::translate("GridItems", "Audio Settings");
    case GridCategory::Subtitle:
      return QCoreApplication::translate("GridItems", "Subtitle Settings");
  }
  return {};
}

std::span<const GridItemInfo> GridItemTable() { return kItems; }

const GridItemInfo& GridItemInfoFor(GridItem item) { return kItems[static_cast<int>(item)]; }

QString GridItemCaption(const GridItemInfo& info) {
  return QCoreApplication::translate("GridItems", info.caption);
}

QString GridItemDescription(const GridItemInfo& info) {
  return *info.description ? QCoreApplication::translate("GridItems", info.description) : QString();
}

QStringList GridEntriesShown(const GridItemInfo& info) {
  QStringList shown;
  for (const QString& entry : info.entries)
    shown << (info.kind == GridItemKind::List || entry == "Auto"
                  ? QCoreApplication::translate("GridItems", entry.toUtf8().constData())
                  : entry);
  return shown;
}
