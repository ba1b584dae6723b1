#pragma once
// An output file that appears under its final name only when it is complete.
//
// Create makes a new, empty temporary file in the task's output folder (through
// the folder's handle). Where the file system can, the file has no name at all
// until Commit links it in, so a crash leaves nothing behind. Elsewhere it is a
// named file, created exclusively (never through a link, never over an existing
// file), with a random part in its name short enough to fit wherever the final
// name fits. Either way the writer holds a lock on it for its whole life, which
// is what tells a clean-up on any machine sharing the folder that it is in use.
// The muxer writes through the descriptor that was created. Commit gives the file
// its name by the existing-file rule; the destructor removes whatever was not
// committed.
#include <sys/types.h>

#include <string>
#include <vector>

#include "engine/ConversionOutcome.h"
#include "engine/convert/OutputFolder.h"

struct AVIOContext;

namespace convert {

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

  // Creates the temporary file for `name` (no folder) in `folder`; false with a
  // message on failure.
  bool Create(FolderHandle folder, const std::string& name, std::string* error);
  // The same, opening the folder of `final_path` now.
  bool Create(const std::string& final_path, std::string* error);
  // A libav writer on the file's descriptor (seekable); owned by this object.
  // Null before Create or when out of memory.
  AVIOContext* Writer();
  // Flushes the writer and reports any write error seen so far.
  bool Finish(std::string* error);
  // Sets the finished file's modification time (before Commit).
  bool SetDate(const struct timespec& modified, std::string* error);
  // Gives the finished file its name. KeepBoth uses the first free name of
  // the final name, "name (1).ext", ...; Overwrite replaces an existing file (not a
  // read-only one, nor one in `keep`); Skip leaves an existing file and discards
  // ours. `written` gets the name used, with the folder as it was given.
  CommitResult Commit(ExistingOutput rule, const std::vector<FileId>& keep, std::string* written,
                      std::string* error);
  // Removes the temporary file (nothing when already committed).
  void Discard();

  // The temporary file's path; "" while it has no name.
  std::string TempPath() const;

 private:
  void CloseWriter();
  bool CreateUnnamed();
  bool CreateNamed(std::string* error);
  bool NameUnnamed(const std::string& name);
  bool MoveNoReplace(const std::string& to);
  CommitResult CommitOverwrite(const std::vector<FileId>& keep, std::string* error);
  void ForgetName();

  FolderHandle folder_;
  std::string name_;       // the final name, no folder
  std::string temp_name_;  // the temporary file's name in the folder; "" while unnamed
  bool unnamed_ = false;   // created without a name (O_TMPFILE), linked in at commit
  bool finished_ = false;
  int fd_ = -1;
  AVIOContext* writer_ = nullptr;
  int live_slot_ = -1;
};

// Off: temporary files are always named (the fallback for file systems without
// unnamed files), so tests can reach that path. On by default.
void UseUnnamedTemporaryFiles(bool use);

// Removes every temporary file of this process that is still open. Safe to call
// from a signal handler.
void RemoveLiveTemporaryFiles();

// On SIGTERM, SIGINT and SIGHUP: remove this process's temporary files, then end
// the process as the signal would have. Call once at program start.
void InstallTerminationCleanup();

}  // namespace convert
