#pragma once
// An output file that appears under its final name only when it is complete.
//
// Create makes a new, empty temporary file beside the final name: created
// exclusively (never through a link, never over an existing file), with a random
// part in its name, and a name short enough to fit wherever the final name fits.
// The muxer writes through the descriptor that was created. Commit moves the file
// into place by the existing-file rule; the destructor removes whatever was not
// committed. Temporary files left by a process that was killed are recognised by
// their name pattern and a process id that no longer runs, and removed by
// RemoveOrphans.
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

struct AVIOContext;

namespace media {

enum class Existing { KeepBoth, Overwrite, Skip };

enum class CommitResult { Committed, Skipped, Failed };

// A file's identity on disk: the same file under any name, link or hard link.
struct FileId {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileId&) const = default;
};
// False when the file does not exist.
bool IdOf(const std::string& path, FileId* id);

class AtomicOutputFile {
 public:
  AtomicOutputFile() = default;
  ~AtomicOutputFile() { Discard(); }
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  // Creates the temporary file for `final_path`; false with a message on failure.
  bool Create(const std::string& final_path, std::string* error);
  // A libav writer on the file's descriptor (seekable); owned by this object.
  // Null before Create or when out of memory.
  AVIOContext* Writer();
  // Flushes the writer and reports any write error seen so far.
  bool Finish(std::string* error);
  // Gives the finished file its name. KeepBoth uses the first free name of
  // `final_path`, "name (1).ext", ...; Overwrite replaces an existing file (not a
  // read-only one, nor one in `keep`); Skip leaves an existing file and discards
  // ours. `written` gets the name used.
  CommitResult Commit(Existing rule, const std::vector<FileId>& keep, std::string* written,
                      std::string* error);
  // Removes the temporary file (nothing when already committed).
  void Discard();

  const std::string& TempPath() const { return temp_path_; }

 private:
  void CloseWriter();

  std::string final_path_;
  std::string temp_path_;
  int fd_ = -1;
  AVIOContext* writer_ = nullptr;
  int live_slot_ = -1;
};

// "name (n).ext" for n >= 1; n = 0 gives `path` itself.
std::string NumberedName(const std::string& path, int n);

// The first of path, "name (1).ext", "name (2).ext", ... that does not exist and for
// which `taken` (may be null) says false.
std::string FreeName(const std::string& path, const std::function<bool(const std::string&)>& taken);

// Removes temporary files in `folder` whose creating process no longer runs.
// Returns how many were removed.
int RemoveOrphans(const std::string& folder);

// True when `name` (no folder) has the temporary file pattern.
bool IsTemporaryName(const std::string& name);

// Removes every temporary file of this process that is still open. Safe to call
// from a signal handler.
void RemoveLiveTemporaryFiles();

// On SIGTERM, SIGINT and SIGHUP: remove this process's temporary files, then end
// the process as the signal would have. Call once at program start.
void InstallTerminationCleanup();

}  // namespace media
