#pragma once
// Values shared by several windows. Plain values, touched only on the UI thread.
#include <QString>

namespace Globals {
inline constexpr const char* ProgramTitle = "Veltrane Video Converter";
inline constexpr const char* ProgramVersion = "6.0";

extern QString AppFolder;      // program folder, always ending in "/"
extern QString OutputFolder;   // output folder, ending in "/" once validated
extern bool HasVideo;          // the most recently probed/queued file has video
extern bool HasAudio;          // ... has audio

// Set while queueing a conversion.
extern int EncoderThreads;
extern bool StopRequested;
}  // namespace Globals
