#include <chrono>
#include <string>
#include <thread>

#include "platform/file_lock.h"
#include "platform/win32/windows_min.h"

namespace vardek::platform {

namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);
// One byte far beyond any data: Windows locks are binding, and this one must
// never stand in the way of reading or writing the file itself. Under Wine
// the lock shows to Linux as a POSIX record lock on this byte (a read lock,
// as the handle only reads), which the Linux vardek-cli's write lock on the
// same byte honours, and Wine's LockFileEx fails on the byte while Linux
// holds it. The handle only reads so that the change's own writes by path
// (files_win32.cpp) can share the file with it.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

enum class Attempt { Held, Busy, Retry, Failed };

bool SameFile(HANDLE held, const char* path) {
  const HANDLE named = CreateFileA(path, 0, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (named == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  const bool same = GetFileInformationByHandle(held, &a) && GetFileInformationByHandle(named, &b) &&
                    a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                    a.nFileIndexLow == b.nFileIndexLow;
  CloseHandle(named);
  return same;
}

OVERLAPPED LockPlace() {
  OVERLAPPED place{};
  place.OffsetHigh = kLockOffsetHigh;
  return place;
}

// A file that another holder has just deleted stays until every handle on it
// is closed, and refuses to be opened meanwhile.
Attempt FailedOpen(const char* path) {
  const DWORD error = GetLastError();
  if (error == ERROR_SHARING_VIOLATION) return Attempt::Busy;
  const DWORD attributes = GetFileAttributesA(path);
  const bool pending = error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                       (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return pending ? Attempt::Busy : Attempt::Failed;
}

Attempt TryLock(const char* path, HANDLE& file) {
  file = CreateFileA(path, GENERIC_READ, kShareAll, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FailedOpen(path);
  OVERLAPPED place = LockPlace();
  Attempt attempt = Attempt::Held;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    attempt = Attempt::Failed;
  } else if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &place)) {
    attempt = GetLastError() == ERROR_LOCK_VIOLATION ? Attempt::Busy : Attempt::Failed;
  } else if (!SameFile(file, path)) {
    // The holder before renamed or deleted it meanwhile.
    UnlockFileEx(file, 0, 1, 0, &place);
    attempt = Attempt::Retry;
  }
  if (attempt != Attempt::Held) {
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
  }
  return attempt;
}

}  // namespace

FileLock::Outcome FileLock::Take(const std::string& path, int waitMilliseconds) {
  Release();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  for (;;) {
    HANDLE file = INVALID_HANDLE_VALUE;
    const Attempt attempt = TryLock(path.c_str(), file);
    if (attempt == Attempt::Held) {
      handle_ = reinterpret_cast<std::intptr_t>(file);
      path_ = path;
      return Outcome::Held;
    }
    if (attempt == Attempt::Failed) return Outcome::Failed;
    if (std::chrono::steady_clock::now() >= deadline) return Outcome::Busy;
    if (attempt == Attempt::Busy) std::this_thread::sleep_for(kRetryPause);
  }
}

void FileLock::RemoveAndRelease() {
  if (!Held()) return;
  if (SameFile(reinterpret_cast<HANDLE>(handle_), path_.c_str())) {
    // A deleted file goes only when the handle is closed, and Wine lets the
    // lock go first: a Linux change could take the file just before it
    // vanishes. Moved off its name while still held, it can no longer be taken.
    const std::string away = path_ + "~" + std::to_string(GetCurrentProcessId());
    const bool moved = MoveFileExA(path_.c_str(), away.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    DeleteFileA(moved ? away.c_str() : path_.c_str());  // gone once the handle is closed below
  }
  Release();
}

void FileLock::Release() {
  if (!Held()) return;
  const HANDLE file = reinterpret_cast<HANDLE>(handle_);
  OVERLAPPED place = LockPlace();
  UnlockFileEx(file, 0, 1, 0, &place);
  CloseHandle(file);
  handle_ = kNoHandle;
  path_.clear();
}

}  // namespace vardek::platform
