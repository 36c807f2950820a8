#pragma once
// An exclusive operating-system lock on a file: one byte far past any data
// (offset 0x7FFFFFFF00000000), locked with LockFileEx on Windows and with an
// open file description's write lock (F_OFD_SETLK) on POSIX. Under Wine the
// Windows lock shows to Linux as a POSIX lock on that byte, so the Linux and
// the Windows program, and any number of either, exclude each other. The
// file held is always the one its path names: a holder may rename or delete
// it, and a waiter then takes the file found under the path afresh. Taking
// the lock never empties or moves a file another process holds.
#include <cstdint>
#include <string>

namespace vardek::platform {

class FileLock {
 public:
  enum class Outcome { Held, Busy, Failed };

  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() { Release(); }

  // Opens the file at `path`, making an empty one when there is none, and
  // locks it; while another holder has it, tries again until `waitMilliseconds`
  // have passed (Busy). A name taken by a link, a pipe or a second hard link
  // is cleared first; a folder there, or no right to create the file, fails.
  Outcome Take(const std::string& path, int waitMilliseconds);
  // Deletes the held file, if its path still names it, then lets go.
  void RemoveAndRelease();
  void Release();
  bool Held() const { return handle_ != kNoHandle; }

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  std::string path_;
};

}  // namespace vardek::platform
