#include "common/Globals.h"

namespace Globals {
QString AppFolder;
QString OutputFolder;
bool HasVideo = false;
bool HasAudio = false;
QString OutputExtension;
QString OutputOptions;
int EncoderThreads = 1;
int SourceWidth = 0;
int SourceHeight = 0;
bool StopRequested = false;
}  // namespace Globals
