// Preloaded under vardek-cli by the end-to-end tests: every sync of a folder
// fails, as on a file system that cannot sync folders. A rename is done by
// then, and the program must say so.
#include <errno.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" int fsync(int fd) {
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    errno = EIO;
    return -1;
  }
  return static_cast<int>(syscall(SYS_fsync, fd));
}
