#pragma once
// The folder a task writes into, opened once when the task is set up. Every later
// step on the output (create, lock, link, rename, date, remove) goes through this
// handle, so a folder that is moved or replaced by a link while the task runs
// cannot redirect a single byte: the task keeps writing into the folder it started
// with, or fails.
//
// Also the names inside such a folder: numbered names for keep-both, names
// shortened to the file system's limit, and the clean-up of temporary files that
// no writer holds any more.
#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>

namespace convert {

class OutputFolder {
 public:
  // Opens `folder` ("" for the current one), following links as they are now.
  // Null with a message when it cannot be opened.
  static std::shared_ptr<const OutputFolder> Open(const std::string& folder, std::string* error);
  ~OutputFolder();
  OutputFolder(const OutputFolder&) = delete;
  OutputFolder& operator=(const OutputFolder&) = delete;

  int Fd() const { return fd_; }
  // The folder as it was given, ending in "/" (or ""), for reported names.
  const std::string& Path() const { return path_; }
  // The longest file name the folder's file system takes.
  long NameMax() const { return name_max_; }
  // True when `name` (no folder) exists in the folder, as a file, folder or link.
  bool Has(const std::string& name) const;

 private:
  OutputFolder(int fd, std::string path, long name_max)
      : fd_(fd), path_(std::move(path)), name_max_(name_max) {}
  int fd_;
  std::string path_;
  long name_max_;
};

using FolderHandle = std::shared_ptr<const OutputFolder>;

// "dir/" and "name" of a path; the folder part is "" for a bare name.
std::string FolderPart(const std::string& path);
std::string NamePart(const std::string& path);

// "name (n).ext" for n >= 1; n = 0 gives `path` itself. With `name_max` > 0 the
// last part is kept within that many bytes by shortening the name before its
// extension at a character boundary.
std::string NumberedName(const std::string& path, int n, long name_max = 0);

// The first of name, "name (1).ext", ... (each fitted to the folder's limit) that
// does not exist in `folder` and for which `taken` (may be null) says false.
std::string FreeName(const OutputFolder& folder, const std::string& name,
                     const std::function<bool(const std::string&)>& taken);

// A fresh temporary file name ".vvc-<pid>-<8 random letters>.part" (26 bytes at
// most, so it fits wherever the final name fits), and the test for that pattern.
std::string NewTemporaryName();
bool IsTemporaryName(const std::string& name);

// Temporary files left by writers that are gone: removed only when the file can be
// locked at once (no writer, on this machine or another, holds it), is a regular
// file of this user and was last written over a minute ago. Returns how many.
int RemoveOrphans(const OutputFolder& folder);
int RemoveOrphans(const std::string& folder);

}  // namespace convert
