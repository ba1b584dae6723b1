// The output folder handle, the names inside it and the clean-up of leftovers.
#include "engine/convert/OutputFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace convert {
namespace {

constexpr char kPrefix[] = ".vvc-";
constexpr char kSuffix[] = ".part";
constexpr int kRandomLength = 8;
// Names tried before giving up on finding a free "name (n).ext".
constexpr int kMaxNumberedNames = 100000;
// A temporary file written within this time may belong to a writer whose lock
// the file system does not show: it is left alone.
constexpr time_t kOrphanAgeSeconds = 60;

std::string RandomPart() {
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  unsigned char bytes[kRandomLength] = {};
  if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
    // No entropy source: the exclusive creation still protects us, only the
    // name becomes guessable.
    static std::atomic<unsigned> counter{0};
    const unsigned value = static_cast<unsigned>(getpid()) * 2654435761u + ++counter;
    std::memcpy(bytes, &value, sizeof value);
  }
  std::string text;
  for (unsigned char b : bytes)
    text += kDigits[b % 36];
  return text;
}

// Where the extension starts in `path`'s last part (its size when there is none).
size_t ExtensionStart(const std::string& path, size_t name_start) {
  const size_t dot = path.rfind('.');
  return dot == std::string::npos || dot <= name_start ? path.size() : dot;
}

// Removes one leftover when nobody holds it; true when removed.
bool RemoveIfOrphan(int dir, const char* name) {
  const int fd = openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  bool remove = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
                time(nullptr) - st.st_mtime > kOrphanAgeSeconds;
  if (remove) {
    // A writer holds a write lock on its file for the file's whole life; a lock
    // we cannot take at once (or at all, where the file system has no locks)
    // means the file may still be written, here or on another machine.
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    remove = fcntl(fd, F_OFD_SETLK, &lock) == 0;
  }
  if (remove) {
    // The name must still be the file we checked and locked.
    struct stat now {};
    remove = fstatat(dir, name, &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == st.st_dev &&
             now.st_ino == st.st_ino;
  }
  const bool removed = remove && unlinkat(dir, name, 0) == 0;
  close(fd);
  return removed;
}

}  // namespace

std::shared_ptr<const OutputFolder> OutputFolder::Open(const std::string& folder, std::string* error) {
  const std::string shown = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    const int why = errno;
    *error = "Cannot open the output folder " + shown + ": " + std::strerror(why);
    errno = why;  // callers tell a folder not there yet from one they may not use
    return nullptr;
  }
  // fpathconf needs a descriptor it can read names through; O_PATH gives none.
  long name_max = -1;
  const int listing = openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing >= 0) {
    name_max = fpathconf(listing, _PC_NAME_MAX);
    close(listing);
  }
  return std::shared_ptr<const OutputFolder>(new OutputFolder(fd, shown, name_max > 0 ? name_max : 255));
}

OutputFolder::~OutputFolder() { close(fd_); }

bool OutputFolder::Has(const std::string& name) const {
  struct stat st {};
  return fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT;
}

std::string FolderPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NamePart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string NumberedName(const std::string& path, int n, long name_max) {
  const size_t name_start = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
  const size_t dot = ExtensionStart(path, name_start);
  std::string base = path.substr(name_start, dot - name_start);
  const std::string tail = (n > 0 ? " (" + std::to_string(n) + ")" : std::string()) + path.substr(dot);
  if (name_max > 0 && base.size() + tail.size() > static_cast<size_t>(name_max) &&
      tail.size() < static_cast<size_t>(name_max)) {
    size_t keep = static_cast<size_t>(name_max) - tail.size();
    // Never cut a character in two: step back over UTF-8 continuation bytes.
    while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80)
      --keep;
    base.resize(keep);
  }
  return path.substr(0, name_start) + base + tail;
}

std::string FreeName(const OutputFolder& folder, const std::string& name,
                     const std::function<bool(const std::string&)>& taken) {
  for (int n = 0; n < kMaxNumberedNames; ++n) {
    const std::string candidate = NumberedName(name, n, folder.NameMax());
    if (!folder.Has(candidate) && !(taken && taken(candidate))) return candidate;
  }
  return name;  // the commit then fails with a message instead of looping
}

std::string NewTemporaryName() { return kPrefix + std::to_string(getpid()) + "-" + RandomPart() + kSuffix; }

bool IsTemporaryName(const std::string& name) {
  const size_t prefix = sizeof kPrefix - 1, suffix = sizeof kSuffix - 1;
  if (name.size() < prefix + 1 + 1 + kRandomLength + suffix) return false;
  if (name.compare(0, prefix, kPrefix) != 0) return false;
  if (name.compare(name.size() - suffix, suffix, kSuffix) != 0) return false;
  const std::string middle = name.substr(prefix, name.size() - prefix - suffix);
  const size_t dash = middle.find('-');
  if (dash == 0 || dash == std::string::npos || middle.size() - dash - 1 != kRandomLength) return false;
  for (size_t i = 0; i < middle.size(); ++i) {
    const char c = middle[i];
    if (i < dash && !(c >= '0' && c <= '9')) return false;
    if (i > dash && !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

int RemoveOrphans(const OutputFolder& folder) {
  const int listing_fd = openat(folder.Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing_fd < 0) return 0;
  DIR* listing = fdopendir(listing_fd);
  if (!listing) {
    close(listing_fd);
    return 0;
  }
  int removed = 0;
  while (const dirent* entry = readdir(listing))
    if (IsTemporaryName(entry->d_name) && RemoveIfOrphan(folder.Fd(), entry->d_name)) ++removed;
  closedir(listing);
  return removed;
}

int RemoveOrphans(const std::string& folder) {
  std::string ignored;
  const std::shared_ptr<const OutputFolder> handle = OutputFolder::Open(folder, &ignored);
  return handle ? RemoveOrphans(*handle) : 0;
}

}  // namespace convert
