#include "common/Globals.h"

namespace Globals {
QString AppFolder;
QString OutputFolder;
bool HasVideo = false;
bool HasAudio = false;
int EncoderThreads = 1;
bool StopRequested = false;
}  // namespace Globals
