#pragma once
// Whole-file operations the catalog store needs. Paths are in the platform's
// own narrow encoding (ANSI on Windows, UTF-8 on Linux). A path that names
// no regular file on a disk (a folder, a pipe, a device) is refused without
// waiting on it.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vardek::platform {

// A catalog's size is kept in 32 bits: a larger file is never read whole.
inline constexpr std::uint64_t kLargestWholeFile = 0xFFFFFFFFull;

// A read-only view of a whole file. Empty files and files of 4 GiB or more
// cannot be mapped.
struct MappedView {
  const char* data = nullptr;
  std::uint32_t size = 0;
  int watch = -1;  // Linux: what notes a cut (MappingWasCut)
};

// A regular file read piece by piece: from its start, or from a place of
// its own in a file another reader holds open.
class PieceReader {
 public:
  PieceReader() = default;
  PieceReader(const PieceReader&) = delete;
  PieceReader& operator=(const PieceReader&) = delete;
  ~PieceReader() { Close(); }

  // False when the file cannot be opened or is no regular file on a disk.
  bool Open(const char* path, std::uint64_t& size);
  // Reads the file that `open` holds open from `offset` on, at a place of
  // its own: readers on several threads may share one open file so, while
  // `open` stays open.
  void ShareFrom(const PieceReader& open, std::uint64_t offset);
  bool IsOpen() const { return handle_ != -1; }
  // Reads up to `count` bytes into `into`: how many, 0 at the end, -1 on a failure.
  long long Read(char* into, std::size_t count);
  void Close();

 private:
  friend bool MapWholeFile(const char* path, MappedView& view, PieceReader* keepOpen);

  std::intptr_t handle_ = -1;
  std::uint64_t offset_ = 0;  // where a shared reader reads next
  bool shared_ = false;       // the file is another reader's
};

// Maps the file; with `keepOpen`, the file stays open in it, so that the
// bytes mapped can also be read in pieces (ShareFrom), the same file's even
// where another file takes its name meanwhile.
bool MapWholeFile(const char* path, MappedView& view, PieceReader* keepOpen = nullptr);
void UnmapWholeFile(MappedView& view);
// True once the file was cut short by another program while mapped, and a
// read went past its new end: from there on the view reads zeros (Linux;
// Windows does not let a mapped file be cut). A reading that meets it must
// not be trusted.
bool MappingWasCut(const MappedView& view);

// Where a catalog read from start to end, or in parts side by side, is
// better read in pieces into a small buffer that stays in the processor's
// cache than mapped (Linux: no page of it is mapped or zeroed on the way);
// Windows maps catalogs.
#ifdef _WIN32
inline constexpr bool kReadsCatalogsInPieces = false;
#else
inline constexpr bool kReadsCatalogsInPieces = true;
#endif

// The largest catalog that a reader needing it whole copies into memory of
// its own rather than maps, where that is faster (Linux: each mapping and
// unmapping holds up the process's other threads, and a small catalog is
// copied from the page cache in less time); 0 where catalogs are mapped.
#ifdef _WIN32
inline constexpr std::uint32_t kLargestCopiedCatalog = 0;
#else
inline constexpr std::uint32_t kLargestCopiedCatalog = 1024 * 1024;
#endif


// Reads a whole file into a fresh zero-filled block of size + extra bytes
// (malloc'd; the caller frees it). Fails for files of 4 GiB or more.
bool ReadWholeFile(const char* path, std::size_t extra, char*& block, std::uint32_t& size);

// Empties the file (or makes a new one), writes the bytes and flushes them to
// disk. A file that shares its data with another name (a hard link) is
// replaced by a new one rather than emptied.
bool WriteNewFile(const char* path, const void* data, std::size_t size);

// Appends the bytes at the end of an existing file and flushes them to disk.
bool AppendToFile(const char* path, const void* data, std::size_t size);

// What a path names, links followed. `Other` is anything that cannot hold a
// catalog: a folder, a pipe, a device, a link to nothing, a loop of links.
enum class PathKind { Missing, File, Other };
PathKind KindOfPath(const char* path);

// The file a symbolic link finally names; the path itself when it is no link
// or its target cannot be found.
std::string LinkTarget(const char* path);

bool FileExists(const char* path);
bool DeleteFileAt(const char* path);

// Renames a file; fails when the target exists. True once the name has
// changed, even should making that durable on disk fail.
bool MoveFileTo(const char* from, const char* to);

// Puts `from` in the place of `to` in one step: `to` is either the old file
// or the new one, never missing or partly written. The new file takes on the
// old one's permissions. True once the name has changed, as above.
bool ReplaceFileWith(const char* from, const char* to);

}  // namespace vardek::platform
