#include "engine/media/SourceCache.h"

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <tuple>

namespace media {
namespace {

// What identifies one state of a file on disk.
struct FileState {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified_ns = 0;
  int64_t changed_ns = 0;
  auto Tie() const { return std::tie(device, inode, size, modified_ns, changed_ns); }
  bool operator<(const FileState& other) const { return Tie() < other.Tie(); }
};

bool StateOf(const std::string& path, FileState* state) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  state->device = st.st_dev;
  state->inode = st.st_ino;
  state->size = st.st_size;
  state->modified_ns = int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
  state->changed_ns = int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + st.st_ctim.tv_nsec;
  return true;
}

// A few thousand descriptions at most; a full cache starts over (listing more
// files than that between queueing is rare, and a miss only costs a probe).
constexpr size_t kMaxEntries = 4096;

std::mutex g_mutex;
std::map<FileState, SourceDescription> g_entries;

}  // namespace

void RememberSource(const std::string& path, const SourceDescription& description) {
  FileState state;
  if (!StateOf(path, &state)) return;
  std::lock_guard lock(g_mutex);
  if (g_entries.size() >= kMaxEntries) g_entries.clear();
  g_entries[state] = description;
}

std::optional<SourceDescription> RecallSource(const std::string& path) {
  FileState state;
  if (!StateOf(path, &state)) return std::nullopt;
  std::lock_guard lock(g_mutex);
  auto it = g_entries.find(state);
  if (it == g_entries.end()) return std::nullopt;
  return it->second;
}

}  // namespace media
