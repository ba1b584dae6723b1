#include "engine/media/AVLib.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <cstdlib>

namespace media {
namespace {
struct Library {
  unsigned (*version)();
  unsigned built_major;
};

const Library kLibraries[] = {
    {avutil_version, LIBAVUTIL_VERSION_MAJOR},     {avcodec_version, LIBAVCODEC_VERSION_MAJOR},
    {avformat_version, LIBAVFORMAT_VERSION_MAJOR}, {avfilter_version, LIBAVFILTER_VERSION_MAJOR},
    {swscale_version, LIBSWSCALE_VERSION_MAJOR},   {swresample_version, LIBSWRESAMPLE_VERSION_MAJOR},
};

// Test hook: VELTRANE_FAKE_MISSING_AVLIB=1 makes the check fail, so the
// "library missing" start-up path can be exercised without removing packages.
bool ForcedMissing() {
  const char* v = std::getenv("VELTRANE_FAKE_MISSING_AVLIB");
  return v && *v && std::string(v) != "0";
}

bool Check() {
  if (ForcedMissing()) return false;
  for (const Library& lib : kLibraries) {
    if (lib.version() >> 16 != lib.built_major) return false;
  }
  return true;
}
}  // namespace

bool LibrariesLoaded() { return Check(); }

bool LoadLibraries(const std::string& /*folder*/) {
  // The engine links the system libraries, so a private copy in the folder could
  // not replace them; nor is it loaded to look at it, which would run its code.
  // The answer comes from the linked libraries alone.
  return Check();
}
}  // namespace media
