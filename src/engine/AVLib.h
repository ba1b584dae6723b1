#pragma once
// Checks that the FFmpeg libraries the engine runs on are present at run time and
// match the major versions the engine was built against.
#include <string>

namespace AVLib {
// True when every runtime library answers with the build's major version.
bool Loaded();
// Re-checks, also looking for the libraries in `folder` (a private copy beside the
// program). Returns the same answer as Loaded() afterwards.
bool Load(const std::string& folder);
// A human-readable reason when Loaded() is false.
std::string LastProblem();
}  // namespace AVLib
