#pragma once
// Checks that the FFmpeg libraries the engine runs on are present at run time and
// match the major versions the engine was built against.
#include <string>

namespace AVLib {
// True when every runtime library answers with the build's major version.
bool Loaded();
// Re-checks. `folder` (where a private copy beside the program would be) is not
// read: the linked libraries are the ones in use, and nothing else is loaded.
bool Load(const std::string& folder);
}  // namespace AVLib
