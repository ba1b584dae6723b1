#pragma once
// Lists the files inside a folder and all its subfolders, for adding a whole folder.
// Plain C++ and POSIX; no Qt, so it can run on any thread.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace folderwalk {

struct Options {
  std::vector<std::string> extensions;           // lower case, no dot; empty = every file
  std::function<bool(size_t found)> keep_going;  // called at least every ~20 ms of walking; false cancels
  // Folders left out with all below them (the output folder), unless walked themselves.
  std::vector<std::string> skip;
};

struct Result {
  std::vector<std::string>
      files;  // full paths, recursive, sorted by name within each folder, folders in name order
  std::vector<std::string> unreadable;  // folders that could not be read (skipped)
  bool canceled = false;
};

// Walks `folder` depth first: a folder's own files in name order, then each of its
// subfolders in name order. Names compare case-insensitively (ASCII), bytes break ties.
// Only regular files (or links to them) are listed; hidden files and folders (names
// starting with ".") are skipped. Links to folders are followed, but
// every folder (device + inode) is read once, so links that loop end.
Result Walk(const std::string& folder, const Options& options);

// The order Walk sorts names in within one folder.
bool NameLess(const std::string& a, const std::string& b);

}  // namespace folderwalk
