#pragma once
// Listing a folder, as the walker and Open all need it.
#include <cstdint>

#include "platform/file_time.h"
#include "platform/path.h"

namespace vardek::platform {

inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

inline constexpr int kMaxNameLength = 259;

struct DirectoryEntry {
  // The name as catalog text (single-byte, Windows-1252 on Linux).
  char name[kMaxNameLength + 1] = {};
  // The name as the file system spells it, for building paths to it.
  char fsName[4 * kMaxNameLength + 1] = {};
  std::uint32_t attributes = 0;
  FileTime lastWrite = 0;
};

// What a search must fill in: everything, or only names and attributes
// (which a listing can give without asking for each entry's times).
enum class ListDetail { Full, NamesAndAttributes };

// One directory search: "folder" + pattern, where the pattern may use * and ?
// as the Windows shell does ("*.*" and "*" list everything).
class DirectorySearch {
 public:
  DirectorySearch() = default;
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;
  ~DirectorySearch() { Close(); }

  // Starts the search and yields its first entry; false when nothing is listed.
  bool First(const char* folderAndPattern, DirectoryEntry& entry, ListDetail detail = ListDetail::Full);
  bool Next(DirectoryEntry& entry);
  void Close();

 private:
  struct State;
  State* state_ = nullptr;
};

}  // namespace vardek::platform
