#pragma once
// Whole-file operations the catalog store needs. Paths are in the platform's
// own narrow encoding (ANSI on Windows, UTF-8 on Linux).
#include <cstddef>
#include <cstdint>

namespace vardek::platform {

// A read-only view of a whole file. Empty files and files of 4 GiB or more
// cannot be mapped: a catalog's size is kept in 32 bits.
struct MappedView {
  const char* data = nullptr;
  std::uint32_t size = 0;
};

bool MapWholeFile(const char* path, MappedView& view);
void UnmapWholeFile(MappedView& view);

// Reads a whole file into a fresh zero-filled block of size + extra bytes
// (malloc'd; the caller frees it). Fails for files of 4 GiB or more.
bool ReadWholeFile(const char* path, std::size_t extra, char*& block, std::uint32_t& size);

// Creates or truncates the file, writes the bytes and flushes them to disk.
bool WriteNewFile(const char* path, const void* data, std::size_t size);

// Appends the bytes at the end of an existing file and flushes them to disk.
bool AppendToFile(const char* path, const void* data, std::size_t size);

bool FileExists(const char* path);
bool DeleteFileAt(const char* path);

// Renames a file; fails when the target exists.
bool MoveFileTo(const char* from, const char* to);

// Puts `from` in the place of `to` in one step: `to` is either the old file
// or the new one, never missing or partly written.
bool ReplaceFileWith(const char* from, const char* to);

}  // namespace vardek::platform
