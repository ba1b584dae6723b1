#pragma once
// Which file a conversion task may write. Never its own source, never any file the
// user listed to be converted (the same file under any name or link), and under
// keep-both a numbered name that neither exists nor is claimed by another task.
// These read the disk: call them without holding a lock.
#include <string>
#include <utility>
#include <vector>

#include "engine/convert/AtomicOutputFile.h"
#include "engine/convert/OutputFolder.h"

namespace convert {

// Listed sources: identity on disk and the path as given.
using Listed = std::vector<std::pair<convert::FileId, std::string>>;

// Path spelling used to spot two tasks writing the same file.
std::string NormalPath(const std::string& path);

// The last part of a path, for messages.
std::string NameOf(const std::string& path);

// Checks `path` in `folder` (its opened folder; null when that does not exist
// yet) for a task reading `source`. Returns "" and sets `chosen`, or the refusal
// text. A name longer than the file system takes is first shortened (`note` then
// says so). Under `keep_both` the first free numbered name is chosen, also when
// the name is a listed source; otherwise the name itself, never a listed source.
// `claimed` holds the NormalPath of other tasks' outputs.
std::string Choose(const std::string& path, const convert::OutputFolder* folder, const std::string& source,
                   const convert::FileId& source_id, const Listed& listed,
                   const std::vector<std::string>& claimed, bool keep_both, std::string* chosen,
                   std::string* note);

// A source listed after the task's output was chosen may be that very file: the
// refusal text then, else "".
std::string LateConflict(const std::string& requested, const std::string& source,
                         const convert::FileId& source_id, const Listed& listed);

}  // namespace convert
