#include "base/FolderWalk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <set>
#include <utility>

#include "base/MediaExtensions.h"

namespace folderwalk {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kCheckInterval = std::chrono::milliseconds(10);

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using DirOwner = std::unique_ptr<DIR, DirCloser>;

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string JoinPath(const std::string& folder, const std::string& name) {
  return (!folder.empty() && folder.back() == '/') ? folder + name : folder + "/" + name;
}

// Asks the caller whether to go on, no more often than every kCheckInterval.
class CancelCheck {
 public:
  explicit CancelCheck(const std::function<bool(size_t)>& keep_going) : keep_going_(keep_going) {}
  // True when the walk should stop. The first check always asks; the time the caller
  // spends answering counts towards the interval.
  bool Stop(size_t found, bool force = false) {
    if (!keep_going_) return false;
    const Clock::time_point now = Clock::now();
    if (!force && asked_ && now - last_ < kCheckInterval) return false;
    asked_ = true;
    last_ = now;
    return !keep_going_(found);
  }

 private:
  const std::function<bool(size_t)>& keep_going_;
  bool asked_ = false;
  Clock::time_point last_;
};

struct Listing {
  std::vector<std::string> files;
  std::vector<std::string> folders;  // full paths
};

bool Wanted(const std::string& name, const std::vector<std::string>& extensions) {
  if (extensions.empty()) return true;
  const std::string ext = mediaext::LowerExtension(name);
  return !ext.empty() && std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

// Reads one folder; false when it cannot be opened. Stops early when `check` says so.
bool ReadFolder(const std::string& folder, const Options& options, CancelCheck& check, size_t found,
                Listing& out, bool& canceled) {
  DirOwner dir(opendir(folder.c_str()));
  if (!dir) return false;
  while (const dirent* entry = readdir(dir.get())) {
    if (check.Stop(found + out.files.size())) {
      canceled = true;
      return true;
    }
    const std::string name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;  // ".", ".." and hidden files and folders
    const std::string path = JoinPath(folder, name);
    bool is_dir = entry->d_type == DT_DIR;
    bool is_file = entry->d_type == DT_REG;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat st {};
      if (stat(path.c_str(), &st) != 0) continue;  // a dangling link lists nothing
      is_dir = S_ISDIR(st.st_mode);
      is_file = S_ISREG(st.st_mode);
    }
    if (is_dir)
      out.folders.push_back(path);
    else if (is_file && Wanted(name, options.extensions))
      out.files.push_back(path);
  }
  return true;
}

}  // namespace

bool NameLess(const std::string& a, const std::string& b) {
  const bool folded_less =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
      });
  if (folded_less) return true;
  const bool folded_greater =
      std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
      });
  return !folded_greater && a < b;
}

Result Walk(const std::string& folder, const Options& options) {
  Result result;
  CancelCheck check(options.keep_going);
  std::set<std::pair<dev_t, ino_t>> seen;
  std::vector<std::string> pending = {folder};  // a stack: the next folder to read is at the back
  // Outputs written below a walked folder must not come back as sources next time.
  std::set<std::pair<dev_t, ino_t>> skipped;
  for (const std::string& path : options.skip) {
    struct stat st {};
    if (!path.empty() && stat(path.c_str(), &st) == 0) skipped.insert({st.st_dev, st.st_ino});
  }
  bool top = true;
  while (!pending.empty()) {
    if (check.Stop(result.files.size())) {
      result.canceled = true;
      break;
    }
    const std::string current = std::move(pending.back());
    pending.pop_back();
    struct stat st {};
    if (stat(current.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      result.unreadable.push_back(current);
      continue;
    }
    if (!seen.insert({st.st_dev, st.st_ino}).second) continue;  // reached again through a link
    if (!top && skipped.count({st.st_dev, st.st_ino})) continue;
    top = false;

    Listing listing;
    if (!ReadFolder(current, options, check, result.files.size(), listing, result.canceled)) {
      result.unreadable.push_back(current);
      continue;
    }
    if (result.canceled) break;
    const auto by_name = [](const std::string& a, const std::string& b) { return NameLess(a, b); };
    std::sort(listing.files.begin(), listing.files.end(), by_name);
    std::sort(listing.folders.begin(), listing.folders.end(), by_name);
    result.files.insert(result.files.end(), listing.files.begin(), listing.files.end());
    pending.insert(pending.end(), listing.folders.rbegin(), listing.folders.rend());
  }
  // The caller hears the final count even when the walk was faster than one interval.
  if (!result.canceled && check.Stop(result.files.size(), true)) result.canceled = true;
  return result;
}

}  // namespace folderwalk
