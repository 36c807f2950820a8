#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/file_lock.h"

namespace vardek::platform {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);
// The byte vardek-cli.exe locks with LockFileEx. Wine's server mirrors that
// lock as a POSIX record lock on the same byte (a read lock, its handle only
// reads), so a write lock here and the Windows lock exclude each other.
constexpr off_t kLockOffset = static_cast<off_t>(0x7FFFFFFF00000000LL);

enum class Attempt { Held, Busy, Retry, Failed };

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// An open file description's lock: unlike a classic fcntl lock it stays
// when this process closes another descriptor of the file, and it excludes
// another description's lock in this process too. A write lock needs a
// descriptor open for writing.
bool LockByte(int fd) {
  struct flock range {};
  range.l_type = F_WRLCK;
  range.l_whence = SEEK_SET;
  range.l_start = kLockOffset;
  range.l_len = 1;
  return fcntl(fd, F_OFD_SETLK, &range) == 0;
}

// One try: open (or make) the file, lock it without waiting, and check that
// the path still names the file locked. Opening never empties the file: it
// may be another change's temp file, held and half written.
Attempt TryLock(const char* path, int& fd) {
  fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  struct stat held;
  if (fd < 0 || fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
    if (fd >= 0) close(fd);
    fd = -1;
    // A link or a pipe in the temp file's place is cleared; a folder is not ours to remove.
    struct stat found;
    if (lstat(path, &found) != 0 || S_ISDIR(found.st_mode) || S_ISREG(found.st_mode)) return Attempt::Failed;
    return unlink(path) == 0 ? Attempt::Retry : Attempt::Failed;
  }
  if (!LockByte(fd)) {
    const int error = errno;
    close(fd);
    fd = -1;
    return error == EAGAIN || error == EACCES || error == EINTR ? Attempt::Busy : Attempt::Failed;
  }
  // The holder before may have renamed or deleted the file meanwhile.
  struct stat named;
  const bool current = lstat(path, &named) == 0 && SameFile(held, named);
  // A second name (say, a move cut short) would let the change write into another file.
  if (current && held.st_nlink == 1) return Attempt::Held;
  const bool cleared = !current || unlink(path) == 0;
  close(fd);
  fd = -1;
  return cleared ? Attempt::Retry : Attempt::Failed;
}

}  // namespace

FileLock::Outcome FileLock::Take(const std::string& path, int waitMilliseconds) {
  Release();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  for (;;) {
    int fd = -1;
    switch (TryLock(path.c_str(), fd)) {
      case Attempt::Held:
        handle_ = fd;
        path_ = path;
        return Outcome::Held;
      case Attempt::Failed:
        return Outcome::Failed;
      case Attempt::Retry:
        // Others keep renaming the file away: as good as busy.
        if (std::chrono::steady_clock::now() >= deadline) return Outcome::Busy;
        break;
      case Attempt::Busy:
        if (std::chrono::steady_clock::now() >= deadline) return Outcome::Busy;
        std::this_thread::sleep_for(kRetryPause);
        break;
    }
  }
}

void FileLock::RemoveAndRelease() {
  if (!Held()) return;
  struct stat held;
  struct stat named;
  if (fstat(static_cast<int>(handle_), &held) == 0 && lstat(path_.c_str(), &named) == 0 && SameFile(held, named))
    unlink(path_.c_str());
  Release();
}

void FileLock::Release() {
  if (!Held()) return;
  close(static_cast<int>(handle_));  // lets the lock go
  handle_ = kNoHandle;
  path_.clear();
}

}  // namespace vardek::platform
