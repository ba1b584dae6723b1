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
#include <mutex>

namespace AVLib {
namespace {
std::mutex g_mutex;
std::string g_problem;

struct Library {
  const char* name;
  unsigned (*version)();
  unsigned built_major;
};

const Library kLibraries[] = {
    {"libavutil", avutil_version, LIBAVUTIL_VERSION_MAJOR},
    {"libavcodec", avcodec_version, LIBAVCODEC_VERSION_MAJOR},
    {"libavformat", avformat_version, LIBAVFORMAT_VERSION_MAJOR},
    {"libavfilter", avfilter_version, LIBAVFILTER_VERSION_MAJOR},
    {"libswscale", swscale_version, LIBSWSCALE_VERSION_MAJOR},
    {"libswresample", swresample_version, LIBSWRESAMPLE_VERSION_MAJOR},
};

// Test hook: VELTRANE_FAKE_MISSING_AVLIB=1 makes the check fail, so the
// "library missing" start-up path can be exercised without removing packages.
bool ForcedMissing() {
  const char* v = std::getenv("VELTRANE_FAKE_MISSING_AVLIB");
  return v && *v && std::string(v) != "0";
}

bool CheckLocked() {
  if (ForcedMissing()) {
    g_problem = "the FFmpeg libraries were reported missing";
    return false;
  }
  for (const Library& lib : kLibraries) {
    const unsigned runtime_major = lib.version() >> 16;
    if (runtime_major != lib.built_major) {
      g_problem = std::string(lib.name) + " has major version " + std::to_string(runtime_major) +
                  ", expected " + std::to_string(lib.built_major);
      return false;
    }
  }
  g_problem.clear();
  return true;
}
}  // namespace

bool Loaded() {
  std::lock_guard lock(g_mutex);
  return CheckLocked();
}

bool Load(const std::string& /*folder*/) {
  std::lock_guard lock(g_mutex);
  // The engine links the system libraries, so a private copy in the folder could
  // not replace them; nor is it loaded to look at it, which would run its code.
  // The answer comes from the linked libraries alone.
  return CheckLocked();
}

std::string LastProblem() {
  std::lock_guard lock(g_mutex);
  return g_problem;
}
}  // namespace AVLib
