// Temporary output files: unnamed or exclusively created and locked, named
// atomically, removed by signals; all through the output folder's handle.
#include "engine/convert/AtomicOutputFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/media/AVPointers.h"

namespace convert {
namespace {

constexpr int kWriterBuffer = 1 << 16;
// Names tried before giving up on finding a free "name (n).ext".
constexpr int kMaxNumberedNames = 100000;

std::atomic<bool> g_unnamed{true};

// This process's named temporary files (folder descriptor and name), readable
// from a signal handler.
constexpr int kLiveSlots = 64;
constexpr int kNameSize = 256;
struct LiveSlot {
  int folder;
  char name[kNameSize];
};
LiveSlot g_live[kLiveSlots];
std::atomic<int> g_live_state[kLiveSlots];  // 0 free, 1 being written, 2 live

int RegisterLive(int folder, const std::string& name) {
  if (name.size() >= kNameSize) return -1;
  for (int i = 0; i < kLiveSlots; ++i) {
    int expected = 0;
    if (!g_live_state[i].compare_exchange_strong(expected, 1)) continue;
    g_live[i].folder = folder;
    std::memcpy(g_live[i].name, name.c_str(), name.size() + 1);
    g_live_state[i].store(2);
    return i;
  }
  return -1;  // more open outputs than slots: only the signal clean-up misses it
}

void UnregisterLive(int slot) {
  if (slot >= 0) g_live_state[slot].store(0);
}

// The write lock that marks the file as in use for as long as this descriptor is
// open. A file system without locks gives none; its clean-up cannot take one
// either, so it leaves the file alone.
void LockForLife(int fd) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  [[maybe_unused]] const int rc = fcntl(fd, F_OFD_SETLK, &lock);
}

std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

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

void UseUnnamedTemporaryFiles(bool use) { g_unnamed = use; }

void RemoveLiveTemporaryFiles() {
  for (int i = 0; i < kLiveSlots; ++i)
    if (g_live_state[i].load() == 2) unlinkat(g_live[i].folder, g_live[i].name, 0);
}

void InstallTerminationCleanup() {
  struct sigaction action {};
  action.sa_handler = TerminationHandler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP})
    sigaction(signal_number, &action, nullptr);
}

bool AtomicOutputFile::Create(const std::string& final_path, std::string* error) {
  FolderHandle folder = OutputFolder::Open(FolderPart(final_path), error);
  return folder && Create(std::move(folder), NamePart(final_path), error);
}

bool AtomicOutputFile::Create(FolderHandle folder, const std::string& name, std::string* error) {
  Discard();
  folder_ = std::move(folder);
  name_ = name;
  finished_ = false;
  if (!folder_ || name_.empty()) {
    *error = "No output file name given";
    return false;
  }
  if (g_unnamed && CreateUnnamed()) return true;
  return CreateNamed(error);
}

bool AtomicOutputFile::CreateUnnamed() {
  const int fd = openat(folder_->Fd(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  // Commit links the file in through /proc; without it the named file is used.
  struct stat st {};
  if (stat(ProcPath(fd).c_str(), &st) != 0) {
    close(fd);
    return false;
  }
  LockForLife(fd);  // it gets a temporary name for a moment when it overwrites
  fd_ = fd;
  unnamed_ = true;
  return true;
}

bool AtomicOutputFile::CreateNamed(std::string* error) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string candidate = NewTemporaryName();
    const int fd =
        openat(folder_->Fd(), candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
      LockForLife(fd);
      fd_ = fd;
      temp_name_ = candidate;
      live_slot_ = RegisterLive(folder_->Fd(), candidate);
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

std::string AtomicOutputFile::TempPath() const {
  return temp_name_.empty() || !folder_ ? std::string() : folder_->Path() + temp_name_;
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
      *error = "Writing the output failed: " + media::ErrorText(writer_->error);
      return false;
    }
  }
  CloseWriter();
  // Some file systems (network shares) report a failed write only on close. A
  // copy of the descriptor is closed: the file itself stays open, and locked,
  // until it has its name.
  const int copy = dup(fd_);
  if (copy < 0 || close(copy) != 0) {
    *error = std::string("Writing the output failed: ") + std::strerror(errno);
    return false;
  }
  finished_ = true;
  return true;
}

bool AtomicOutputFile::SetDate(const struct timespec& modified, std::string* error) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, modified};
  if (fd_ < 0 || futimens(fd_, times) != 0) {
    *error = "Cannot set the output's date: " + std::string(std::strerror(fd_ < 0 ? EBADF : errno));
    return false;
  }
  return true;
}

bool AtomicOutputFile::NameUnnamed(const std::string& name) {
  return linkat(AT_FDCWD, ProcPath(fd_).c_str(), folder_->Fd(), name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Renames without ever replacing: false with errno EEXIST when `to` exists.
bool AtomicOutputFile::MoveNoReplace(const std::string& to) {
  const int dir = folder_->Fd();
  if (renameat2(dir, temp_name_.c_str(), dir, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // The file system has no no-replace rename: a hard link fails on an existing name.
  if (linkat(dir, temp_name_.c_str(), dir, to.c_str(), 0) == 0) {
    unlinkat(dir, temp_name_.c_str(), 0);
    return true;
  }
  if (errno == EEXIST) return false;
  // No hard links either (FAT, some shares): check, then rename.
  if (folder_->Has(to)) {
    errno = EEXIST;
    return false;
  }
  return renameat(dir, temp_name_.c_str(), dir, to.c_str()) == 0;
}

CommitResult AtomicOutputFile::CommitOverwrite(const std::vector<FileId>& keep, std::string* error) {
  const int dir = folder_->Fd();
  const std::string shown = folder_->Path() + name_;
  struct stat st {};
  if (fstatat(dir, name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
    struct stat target {};
    if (fstatat(dir, name_.c_str(), &target, 0) == 0)
      for (const FileId& k : keep)
        if (k == FileId{target.st_dev, target.st_ino}) {
          *error = "The output file " + shown + " is a file being converted; it was not replaced";
          return CommitResult::Failed;
        }
    if (S_ISDIR(st.st_mode)) {
      *error = shown + " is a folder";
      return CommitResult::Failed;
    }
    if (S_ISREG(st.st_mode) && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) {
      *error = "The existing file " + shown + " is read-only; it was not replaced";
      return CommitResult::Failed;
    }
  }
  // An unnamed file needs a name of its own first: rename is what replaces atomically.
  for (int attempt = 0; unnamed_ && temp_name_.empty(); ++attempt) {
    const std::string candidate = NewTemporaryName();
    if (NameUnnamed(candidate)) {
      temp_name_ = candidate;
      live_slot_ = RegisterLive(dir, candidate);
    } else if (errno != EEXIST || attempt >= 16) {
      *error = std::string("Cannot give the output its name: ") + std::strerror(errno);
      return CommitResult::Failed;
    }
  }
  if (renameat(dir, temp_name_.c_str(), dir, name_.c_str()) != 0) {
    *error = std::string("Cannot give the output its name: ") + std::strerror(errno);
    return CommitResult::Failed;
  }
  return CommitResult::Committed;
}

CommitResult AtomicOutputFile::Commit(ExistingOutput rule, const std::vector<FileId>& keep,
                                      std::string* written, std::string* error) {
  if (!folder_ || fd_ < 0 || !finished_) {
    *error = "The output file is not finished";
    return CommitResult::Failed;
  }
  std::string chosen = name_;
  if (rule == ExistingOutput::Overwrite) {
    const CommitResult result = CommitOverwrite(keep, error);
    if (result != CommitResult::Committed) return result;
  } else {
    for (int n = 0;; ++n) {
      if (n >= kMaxNumberedNames) {
        *error = "Cannot give the output its name: every numbered name is taken";
        return CommitResult::Failed;
      }
      const std::string candidate = NumberedName(name_, n, folder_->NameMax());
      if (unnamed_ ? NameUnnamed(candidate) : MoveNoReplace(candidate)) {
        chosen = candidate;
        break;
      }
      if (errno != EEXIST) {
        *error = std::string("Cannot give the output its name: ") + std::strerror(errno);
        return CommitResult::Failed;
      }
      if (rule == ExistingOutput::Skip) {
        *written = folder_->Path() + name_;
        Discard();
        return CommitResult::Skipped;
      }
    }
  }
  *written = folder_->Path() + chosen;
  ForgetName();
  close(fd_);  // ends the lock: the file has its final name
  fd_ = -1;
  return CommitResult::Committed;
}

void AtomicOutputFile::CloseWriter() {
  if (!writer_) return;
  av_freep(&writer_->buffer);
  avio_context_free(&writer_);
}

void AtomicOutputFile::ForgetName() {
  UnregisterLive(live_slot_);
  live_slot_ = -1;
  temp_name_.clear();
}

void AtomicOutputFile::Discard() {
  CloseWriter();
  // Removed while still locked, so no clean-up elsewhere races us for it.
  if (!temp_name_.empty() && folder_) unlinkat(folder_->Fd(), temp_name_.c_str(), 0);
  ForgetName();
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  unnamed_ = false;
  finished_ = false;
}

}  // namespace convert
