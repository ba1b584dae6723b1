#pragma once
// Checks that the FFmpeg libraries the engine runs on are present at run time and
// match the major versions the engine was built against.
#include <string>

namespace media {
// True when every runtime library answers with the build's major version.
bool LibrariesLoaded();
// Checks again. `folder` (where a private copy beside the program would be) is not
// read: the linked libraries are the ones in use, and nothing else is loaded.
bool LoadLibraries(const std::string& folder);
}  // namespace media
