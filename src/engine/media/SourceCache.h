#pragma once
// Descriptions of sources already probed in this process, so a file the list has
// just read is not probed again when it is queued for conversion. An entry is
// used only while the file is unchanged: same file (device and inode), size,
// modification and status-change times.
#include <optional>
#include <string>

#include "engine/media/MediaInput.h"

namespace media {

// Remembers the description of the file at `path` as it is now.
void RememberSource(const std::string& path, const SourceDescription& description);

// The remembered description of `path`, when the file has not changed since.
std::optional<SourceDescription> RecallSource(const std::string& path);

}  // namespace media
