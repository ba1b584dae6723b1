// Temporary output files: exclusive creation, atomic naming, clean-up of leftovers.
#include "engine/AtomicOutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/AVPointers.h"

namespace media {
namespace {

// ".vvc-<pid>-<8 letters or digits>.part": at most 26 bytes, so the temporary name
// fits in every folder where the final name fits.
constexpr char kPrefix[] = ".vvc-";
constexpr char kSuffix[] = ".part";
constexpr int kRandomLength = 8;
constexpr int kWriterBuffer = 1 << 16;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

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
  for (unsigned char b : bytes) text += kDigits[b % 36];
  return text;
}

// Paths of this process's open temporary files, readable from a signal handler.
constexpr int kLiveSlots = 64;
constexpr int kSlotSize = 4096;
char g_live_paths[kLiveSlots][kSlotSize];
std::atomic<int> g_live_state[kLiveSlots];  // 0 free, 1 being written, 2 live

int RegisterLive(const std::string& path) {
  if (path.size() >= kSlotSize) return -1;
  for (int i = 0; i < kLiveSlots; ++i) {
    int expected = 0;
    if (!g_live_state[i].compare_exchange_strong(expected, 1)) continue;
    std::memcpy(g_live_paths[i], path.c_str(), path.size() + 1);
    g_live_state[i].store(2);
    return i;
  }
  return -1;  // more open outputs than slots: only the signal clean-up misses it
}

void UnregisterLive(int slot) {
  if (slot >= 0) g_live_state[slot].store(0);
}

int WriteToFd(void* opaque, uint8_t* data, int size) {
  const int fd = *static_cast<int*>(opaque);
  int done = 0;
  while (done < size) {
    const ssize_t n = write(fd, data + done, static_cast<size_t>(size - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return AVERROR(errno);
    }
    done += static_cast<int>(n);
  }
  return done;
}

int64_t SeekFd(void* opaque, int64_t offset, int whence) {
  const int fd = *static_cast<int*>(opaque);
  if (whence & AVSEEK_SIZE) {
    struct stat st {};
    return fstat(fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : AVERROR(errno);
  }
  const off_t at = lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
  return at < 0 ? AVERROR(errno) : static_cast<int64_t>(at);
}

bool Exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// Names tried before giving up on finding a free "name (n).ext".
constexpr int kMaxNumberedNames = 100000;

// Renames without ever replacing: false with errno EEXIST when `to` exists.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // The file system has no no-replace rename: a hard link fails on an existing name.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return true;
  }
  if (errno == EEXIST) return false;
  // No hard links either (FAT, some shares): check, then rename.
  if (Exists(to)) {
    errno = EEXIST;
    return false;
  }
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void TerminationHandler(int signal_number) {
  RemoveLiveTemporaryFiles();
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

}  // namespace

bool IdOf(const std::string& path, FileId* id) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return false;
  id->device = st.st_dev;
  id->inode = st.st_ino;
  return true;
}

std::string NumberedName(const std::string& path, int n) {
  if (n <= 0) return path;
  const size_t slash = path.rfind('/');
  const size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= name_start) dot = path.size();
  return path.substr(0, dot) + " (" + std::to_string(n) + ")" + path.substr(dot);
}

std::string FreeName(const std::string& path, const std::function<bool(const std::string&)>& taken) {
  for (int n = 0; n < kMaxNumberedNames; ++n) {
    const std::string candidate = NumberedName(path, n);
    if (!Exists(candidate) && !(taken && taken(candidate))) return candidate;
  }
  return path;  // the commit then fails with a message instead of looping
}

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

int RemoveOrphans(const std::string& folder) {
  const std::string dir = folder.empty() ? std::string("./") : (folder.back() == '/' ? folder : folder + "/");
  DIR* listing = opendir(dir.c_str());
  if (!listing) return 0;
  int removed = 0;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (!IsTemporaryName(name)) continue;
    const long pid = std::strtol(name.c_str() + sizeof kPrefix - 1, nullptr, 10);
    if (pid <= 0 || pid == getpid()) continue;
    if (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) continue;  // its writer still runs
    struct stat st {};
    const std::string path = dir + name;
    if (lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) continue;
    if (unlink(path.c_str()) == 0) ++removed;
  }
  closedir(listing);
  return removed;
}

void RemoveLiveTemporaryFiles() {
  for (int i = 0; i < kLiveSlots; ++i)
    if (g_live_state[i].load() == 2) unlink(g_live_paths[i]);
}

void InstallTerminationCleanup() {
  struct sigaction action {};
  action.sa_handler = TerminationHandler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal_number, &action, nullptr);
}

bool AtomicOutputFile::Create(const std::string& final_path, std::string* error) {
  Discard();
  final_path_ = final_path;
  const std::string folder = FolderOf(final_path);
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string candidate =
        folder + kPrefix + std::to_string(getpid()) + "-" + RandomPart() + kSuffix;
    const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      fd_ = fd;
      temp_path_ = candidate;
      live_slot_ = RegisterLive(candidate);
      return true;
    }
    if (errno != EEXIST) {
      *error = std::string("Cannot write to the output folder: ") + std::strerror(errno);
      return false;
    }
  }
  *error = "Cannot write to the output folder: no free temporary file name";
  return false;
}

AVIOContext* AtomicOutputFile::Writer() {
  if (writer_ || fd_ < 0) return writer_;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kWriterBuffer));
  if (!buffer) return nullptr;
  writer_ = avio_alloc_context(buffer, kWriterBuffer, 1, &fd_, nullptr, WriteToFd, SeekFd);
  if (!writer_) av_free(buffer);
  return writer_;
}

bool AtomicOutputFile::Finish(std::string* error) {
  if (fd_ < 0) {
    *error = "The output file is not open";
    return false;
  }
  if (writer_) {
    avio_flush(writer_);
    if (writer_->error < 0) {
      *error = "Writing the output failed: " + avptr::ErrorText(writer_->error);
      return false;
    }
  }
  CloseWriter();
  // Some file systems (network shares) report a failed write only on close.
  const int rc = close(fd_);
  fd_ = -1;
  if (rc != 0) {
    *error = std::string("Writing the output failed: ") + std::strerror(errno);
    return false;
  }
  return true;
}

CommitResult AtomicOutputFile::Commit(Existing rule, const std::vector<FileId>& keep, std::string* written,
                                      std::string* error) {
  if (temp_path_.empty() || fd_ >= 0) {
    *error = "The output file is not finished";
    return CommitResult::Failed;
  }
  if (rule == Existing::Overwrite) {
    struct stat st {};
    if (lstat(final_path_.c_str(), &st) == 0) {
      FileId id;
      if (IdOf(final_path_, &id))
        for (const FileId& k : keep)
          if (k == id) {
            *error = "The output file " + final_path_ + " is a file being converted; it was not replaced";
            return CommitResult::Failed;
          }
      if (S_ISDIR(st.st_mode)) {
        *error = final_path_ + " is a folder";
        return CommitResult::Failed;
      }
      if (S_ISREG(st.st_mode) && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) {
        *error = "The existing file " + final_path_ + " is read-only; it was not replaced";
        return CommitResult::Failed;
      }
    }
    if (std::rename(temp_path_.c_str(), final_path_.c_str()) != 0) {
      *error = std::string("Cannot give the output its name: ") + std::strerror(errno);
      return CommitResult::Failed;
    }
    *written = final_path_;
  } else {
    for (int n = 0;; ++n) {
      if (n >= kMaxNumberedNames) {
        *error = "Cannot give the output its name: every numbered name is taken";
        return CommitResult::Failed;
      }
      const std::string candidate = NumberedName(final_path_, n);
      if (RenameNoReplace(temp_path_, candidate)) {
        *written = candidate;
        break;
      }
      if (errno != EEXIST) {
        *error = std::string("Cannot give the output its name: ") + std::strerror(errno);
        return CommitResult::Failed;
      }
      if (rule == Existing::Skip) {
        Discard();
        *written = final_path_;
        return CommitResult::Skipped;
      }
    }
  }
  UnregisterLive(live_slot_);
  live_slot_ = -1;
  temp_path_.clear();
  return CommitResult::Committed;
}

void AtomicOutputFile::CloseWriter() {
  if (!writer_) return;
  av_freep(&writer_->buffer);
  avio_context_free(&writer_);
}

void AtomicOutputFile::Discard() {
  CloseWriter();
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!temp_path_.empty()) {
    unlink(temp_path_.c_str());
    temp_path_.clear();
  }
  UnregisterLive(live_slot_);
  live_slot_ = -1;
}

}  // namespace media
