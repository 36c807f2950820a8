#include "platform/files.h"

#include <cstdlib>

#include "platform/win32/windows_min.h"

namespace vardek::platform {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (valid()) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE release() {
    const HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  HANDLE handle_;
};

// Readers share with other readers and with a change's lock, which only
// reads; writers let readers and the lock be, and the rename that follows.
constexpr DWORD kReadSharing = FILE_SHARE_READ;
constexpr DWORD kWriteSharing = FILE_SHARE_READ | FILE_SHARE_DELETE;

// A device (CON, a pipe) is never read: it could keep the command waiting.
bool IsDiskFile(HANDLE file) { return GetFileType(file) == FILE_TYPE_DISK; }

// The size of a catalog is kept in 32 bits: a file of 4 GiB or more is refused.
bool SmallFileSize(HANDLE file, std::uint32_t& size) {
  DWORD high = 0;
  const DWORD low = GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
  if (high != 0) return false;
  size = low;
  return true;
}

bool WriteAndFlush(HANDLE file, const void* data, std::size_t size) {
  DWORD written = 0;
  if (size > 0xFFFFFFFFu) return false;
  if (!WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) || written != size) return false;
  return FlushFileBuffers(file) != 0;
}

}  // namespace

bool MapWholeFile(const char* path, MappedView& view, PieceReader* keepOpen) {
  view = MappedView{};
  std::uint32_t size = 0;
  HANDLE mapping = nullptr;
  if (keepOpen != nullptr) keepOpen->Close();
  {
    Handle file(CreateFileA(path, GENERIC_READ, kReadSharing, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid() || !IsDiskFile(file.get()) || !SmallFileSize(file.get(), size) || size == 0) return false;
    mapping = CreateFileMappingA(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping != nullptr && keepOpen != nullptr) keepOpen->handle_ = reinterpret_cast<std::intptr_t>(file.release());
  }
  if (mapping == nullptr) return false;
  const void* data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (data == nullptr) {
    if (keepOpen != nullptr) keepOpen->Close();
    return false;
  }
  view.data = static_cast<const char*>(data);
  view.size = size;
  return true;
}

void UnmapWholeFile(MappedView& view) {
  if (view.data != nullptr) UnmapViewOfFile(view.data);
  view = MappedView{};
}

// A mapped file cannot be cut (SetEndOfFile fails while a view of it is open).
bool MappingWasCut(const MappedView&) { return false; }

bool PieceReader::Open(const char* path, std::uint64_t& size) {
  Close();
  HANDLE file = CreateFileA(path, GENERIC_READ, kReadSharing, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER fileSize{};
  if (!IsDiskFile(file) || !GetFileSizeEx(file, &fileSize)) {
    CloseHandle(file);
    return false;
  }
  size = static_cast<std::uint64_t>(fileSize.QuadPart);
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

void PieceReader::ShareFrom(const PieceReader& open, std::uint64_t offset) {
  Close();
  handle_ = open.handle_;
  offset_ = offset;
  shared_ = true;
}

long long PieceReader::Read(char* into, std::size_t count) {
  DWORD read = 0;
  const DWORD asked = count < 0x40000000u ? static_cast<DWORD>(count) : 0x40000000u;
  // A shared reader names its place in each read.
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset_);
  at.OffsetHigh = static_cast<DWORD>(offset_ >> 32);
  if (!ReadFile(reinterpret_cast<HANDLE>(handle_), into, asked, &read, shared_ ? &at : nullptr)) {
    return shared_ && GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
  }
  offset_ += read;
  return read;
}

void PieceReader::Close() {
  if (handle_ != -1 && !shared_) CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = -1;
  offset_ = 0;
  shared_ = false;
}

bool ReadWholeFile(const char* path, std::size_t extra, char*& block, std::uint32_t& size) {
  block = nullptr;
  size = 0;
  Handle file(CreateFileA(path, GENERIC_READ, kReadSharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::uint32_t fileSize = 0;
  if (!file.valid() || !IsDiskFile(file.get()) || !SmallFileSize(file.get(), fileSize)) return false;
  if (std::uint64_t{fileSize} + extra > 0xFFFFFFFFull) return false;
  char* data = static_cast<char*>(std::calloc(static_cast<std::size_t>(fileSize) + extra + 1, 1));
  if (data == nullptr) return false;
  DWORD read = 0;
  if (!ReadFile(file.get(), data, fileSize, &read, nullptr) || read != fileSize) {
    std::free(data);
    return false;
  }
  block = data;
  size = fileSize;
  return true;
}

bool WriteNewFile(const char* path, const void* data, std::size_t size) {
  Handle file(CreateFileA(path, GENERIC_WRITE, kWriteSharing, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && IsDiskFile(file.get()) && WriteAndFlush(file.get(), data, size);
}

bool AppendToFile(const char* path, const void* data, std::size_t size) {
  Handle file(CreateFileA(path, GENERIC_WRITE, kWriteSharing, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid() || !IsDiskFile(file.get())) return false;
  if (SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
    return false;
  return WriteAndFlush(file.get(), data, size);
}

PathKind KindOfPath(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing : PathKind::Other;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? PathKind::File : PathKind::Other;
}

// Links are rare on Windows and need rights to make; MoveFileEx replaces the link itself.
std::string LinkTarget(const char* path) { return path; }

bool FileExists(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DeleteFileAt(const char* path) { return DeleteFileA(path) != 0; }

bool MoveFileTo(const char* from, const char* to) { return MoveFileA(from, to) != 0; }

bool ReplaceFileWith(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace vardek::platform
