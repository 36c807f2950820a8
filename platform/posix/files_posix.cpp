#include "platform/files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/posix/cut_mapping_posix.h"

namespace vardek::platform {

namespace {

// Never waits on a pipe or a device: whatever is not a regular file is
// refused once it is open.
constexpr int kOpenFlags = O_NONBLOCK | O_CLOEXEC;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool ReadAll(int fd, char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t got = read(fd, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    data += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

bool RegularFileSize(int fd, std::uint64_t& size) {
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

// A rename is only durable once the folder that holds both names is synced.
// It is done by then: a failing sync cannot undo it, so it is not a failure.
void SyncFolderOf(const char* path) {
  std::string folder(path);
  const std::size_t slash = folder.rfind('/');
  folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : folder.substr(0, slash));
  Descriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) fsync(fd.get());
}

// The file at `path` opened for writing and emptied, or a new one. A name
// taken by a link, a pipe or a file shared with another name is cleared
// first, so that no other file is ever cut.
int OpenEmptiedForWriting(const char* path) {
  int fd = open(path, O_WRONLY | O_NOFOLLOW | kOpenFlags);
  if (fd >= 0) {
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 && ftruncate(fd, 0) == 0) return fd;
    close(fd);
  }
  if (unlink(path) != 0 && errno != ENOENT) return -1;
  return open(path, O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, 0644);
}

}  // namespace

bool MapWholeFile(const char* path, MappedView& view, PieceReader* keepOpen) {
  view = MappedView{};
  Descriptor fd(open(path, O_RDONLY | kOpenFlags));
  std::uint64_t size = 0;
  if (!fd.valid() || !RegularFileSize(fd.get(), size)) return false;
  if (size == 0 || size > kLargestWholeFile) return false;
  // Mapped as it is read: the kernel maps the pages around each fault.
  // Mapping it all up front (MAP_POPULATE) would be a serial step for pages
  // that may never be looked at: the parts of a catalog are read in pieces
  // through `keepOpen`, and only the places where it is cut are looked at
  // here. A copy into memory of 2 MiB pages walks faster, but only where
  // the kernel finds such pages free; where it does not, fresh memory zeroed
  // and filled page by page costs twice the mapping.
  void* data = mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_PRIVATE, fd.get(), 0);
  if (data == MAP_FAILED) return false;
  madvise(data, static_cast<std::size_t>(size), MADV_SEQUENTIAL);
  view.data = static_cast<const char*>(data);
  view.size = static_cast<std::uint32_t>(size);
  view.watch = WatchMapping(view.data, view.size);
  if (keepOpen != nullptr) {
    keepOpen->Close();
    keepOpen->handle_ = fd.release();
  }
  return true;
}

void UnmapWholeFile(MappedView& view) {
  EndWatch(view.watch);
  if (view.data != nullptr) munmap(const_cast<char*>(view.data), view.size);
  view = MappedView{};
}

bool MappingWasCut(const MappedView& view) { return WatchedMappingWasCut(view.watch); }

bool PieceReader::Open(const char* path, std::uint64_t& size) {
  Close();
  const int fd = open(path, O_RDONLY | kOpenFlags);
  if (fd < 0) return false;
  if (!RegularFileSize(fd, size)) {
    close(fd);
    return false;
  }
  handle_ = fd;
  return true;
}

void PieceReader::ShareFrom(const PieceReader& open, std::uint64_t offset) {
  Close();
  handle_ = open.handle_;
  offset_ = offset;
  shared_ = true;
}

long long PieceReader::Read(char* into, std::size_t count) {
  for (;;) {
    const ssize_t got = shared_ ? pread(static_cast<int>(handle_), into, count, static_cast<off_t>(offset_))
                                : read(static_cast<int>(handle_), into, count);
    if (got < 0 && errno == EINTR) continue;
    if (got > 0) offset_ += static_cast<std::uint64_t>(got);
    return got;
  }
}

void PieceReader::Close() {
  if (handle_ >= 0 && !shared_) close(static_cast<int>(handle_));
  handle_ = -1;
  offset_ = 0;
  shared_ = false;
}

bool ReadWholeFile(const char* path, std::size_t extra, char*& block, std::uint32_t& size) {
  block = nullptr;
  size = 0;
  Descriptor fd(open(path, O_RDONLY | kOpenFlags));
  std::uint64_t fileSize = 0;
  if (!fd.valid() || !RegularFileSize(fd.get(), fileSize)) return false;
  if (fileSize + extra > kLargestWholeFile) return false;
  char* data = static_cast<char*>(std::calloc(static_cast<std::size_t>(fileSize + extra) + 1, 1));
  if (data == nullptr) return false;
  if (!ReadAll(fd.get(), data, static_cast<std::size_t>(fileSize))) {
    std::free(data);
    return false;
  }
  block = data;
  size = static_cast<std::uint32_t>(fileSize);
  return true;
}

bool WriteNewFile(const char* path, const void* data, std::size_t size) {
  // Emptied in place: the temp file keeps the lock its change holds on it.
  Descriptor fd(OpenEmptiedForWriting(path));
  return fd.valid() && WriteAll(fd.get(), data, size) && fsync(fd.get()) == 0;
}

bool AppendToFile(const char* path, const void* data, std::size_t size) {
  Descriptor fd(open(path, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | kOpenFlags, 0644));
  std::uint64_t ignored = 0;
  return fd.valid() && RegularFileSize(fd.get(), ignored) && WriteAll(fd.get(), data, size) &&
         fsync(fd.get()) == 0;
}

PathKind KindOfPath(const char* path) {
  struct stat info;
  if (stat(path, &info) == 0) return S_ISREG(info.st_mode) ? PathKind::File : PathKind::Other;
  // Nothing there at all, or a link whose target is missing or loops.
  if (errno == ENOENT && lstat(path, &info) != 0 && errno == ENOENT) return PathKind::Missing;
  return PathKind::Other;
}

std::string LinkTarget(const char* path) {
  struct stat info;
  if (lstat(path, &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* target = realpath(path, nullptr);
  if (target == nullptr) return path;
  std::string resolved(target);
  std::free(target);
  return resolved;
}

bool FileExists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFileAt(const char* path) { return unlink(path) == 0; }

bool MoveFileTo(const char* from, const char* to) {
  // One step that never overwrites an existing target. Where the file
  // system cannot do that, link + unlink does the same in two steps.
  if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) != 0) {
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (link(from, to) != 0) return false;
    unlink(from);
  }
  SyncFolderOf(to);
  return true;
}

bool ReplaceFileWith(const char* from, const char* to) {
  struct stat source;
  if (lstat(from, &source) != 0 || !S_ISREG(source.st_mode)) return false;
  // The temp file was made with the default permissions; a private catalog
  // stays private.
  struct stat target;
  if (stat(to, &target) == 0 && chmod(from, target.st_mode & 07777) != 0) return false;
  if (rename(from, to) != 0) return false;
  SyncFolderOf(to);
  return true;
}

}  // namespace vardek::platform
