#include "platform/directory.h"

#include <cstring>

#include "platform/win32/windows_min.h"

namespace vardek::platform {

namespace {

FileTime ToFileTime(const FILETIME& time) {
  return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void Describe(const WIN32_FIND_DATAA& found, DirectoryEntry& entry) {
  entry = DirectoryEntry{};
  const std::size_t length = strnlen(found.cFileName, kMaxNameLength);
  std::memcpy(entry.name, found.cFileName, length);
  std::memcpy(entry.fsName, found.cFileName, length);
  entry.attributes = found.dwFileAttributes;
  entry.lastWrite = ToFileTime(found.ftLastWriteTime);
}

}  // namespace

struct DirectorySearch::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
};

bool DirectorySearch::First(const char* folderAndPattern, DirectoryEntry& entry, ListDetail) {
  Close();
  WIN32_FIND_DATAA found;
  const HANDLE handle = FindFirstFileA(folderAndPattern, &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  state_ = new State{handle};
  Describe(found, entry);
  return true;
}

bool DirectorySearch::Next(DirectoryEntry& entry) {
  if (state_ == nullptr) return false;
  WIN32_FIND_DATAA found;
  if (!FindNextFileA(state_->handle, &found)) return false;
  Describe(found, entry);
  return true;
}

void DirectorySearch::Close() {
  if (state_ == nullptr) return;
  FindClose(state_->handle);
  delete state_;
  state_ = nullptr;
}

}  // namespace vardek::platform
