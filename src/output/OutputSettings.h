#pragma once
// The state of the output settings dialog, as the conversion reads it when the user
// confirms. "Auto" in a text field fixes no value.
#include <QString>

#include "engine/ConversionOutcome.h"

// The text the settings store keeps for a choice ("KeepBoth", "Overwrite", "Skip"),
// and the choice for a stored text: missing or unknown text means Keep both.
inline QString IfExistsSettingText(ExistingOutput choice) {
  switch (choice) {
    case ExistingOutput::Overwrite:
      return "Overwrite";
    case ExistingOutput::Skip:
      return "Skip";
    case ExistingOutput::KeepBoth:
      break;
  }
  return "KeepBoth";
}
inline ExistingOutput IfExistsFromSettingText(const QString& text) {
  if (text == "Overwrite") return ExistingOutput::Overwrite;
  if (text == "Skip") return ExistingOutput::Skip;
  return ExistingOutput::KeepBoth;
}

struct GridValues {
  QString fileExtension = "mp4";  // "Filename Extension" (read-only)
  QString videoBitrate = "Auto";  // "Auto", digits or digits + "k"
  QString frameRate = "Auto";     // "Auto" or a number such as "29.97"
  QString aspect = "Auto";        // "Auto" or digits ":" digits
  bool crop = false;
  int cropTop = 0;
  int cropBottom = 0;
  int cropLeft = 0;
  int cropRight = 0;
  bool verticalFlip = false;
  bool horizontalFlip = false;
  int rotate = 0;  // degrees clockwise, -270..270
  QString audioBitrate = "Auto";
  QString sampleRate = "Auto";
  int channels = 0;  // 0 = "Auto", 1, 2
  bool removeAudio = false;
  bool keepFileDate = true;  // the output gets the source's modification date
  int upscale = 0;           // 0 "Allow", 1 "Never"
  int audioTracks = 0;       // 0 "All", 1 "First"
  int subtitles = 0;         // 0 "Keep", 1 "Burn In", 2 "None"
  int qualityMode = 0;       // 0 "Bitrate", 1 "Constant quality" (formats with a quality scale)
  int constantQuality = 22;  // on the video encoder's scale; each format starts at its own value
  int deinterlace = 0;       // 0 "Off", 1 "Auto", 2 "Always"
  QString startTime;         // "Start Time": "" or hh:mm:ss.fff / seconds
  QString duration;          // "Duration": "" (to the end) or a time above 0
};

struct OutputSettings {
  QString outputFormatKey = "mp4h264";
  bool audioOnly = false;
  QString profileCaption = "MP4 - H264 Video (*.mp4)";
  int sizeIndex = 0;     // index into the size list; 0 "Auto", 15 "Custom..."
  QString width;         // TextW: digits, empty while the size is "Auto"
  QString height;        // TextH
  int videoQuality = 1;  // 0 High, 1 Normal, 2 Low
  int audioQuality = 1;
  QString threads;                                     // ComboCPU text, "1" .. processor count
  QString outputFolder;                                // FolderBox text as typed
  ExistingOutput ifExists = ExistingOutput::KeepBoth;  // "If the output file exists"
  GridValues grid;
};
