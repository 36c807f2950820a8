#pragma once
// The folder a catalog line lies in, built from the folder lines above it:
// empty at the root, then "\" and a name for each level, e.g. \DATA\SUB.
#include <cstddef>
#include <string_view>

#include "catalog/line_reader.h"

namespace vardek {

// Readers accept 15 nested levels of lines of at most kLineLimit - 1
// characters, so a path of that size is the longest one that can occur.
// Longer folder paths than the old 299-character buffer are kept whole
// rather than cut: a cut path would name the wrong folder to copy from.
inline constexpr std::size_t kFolderPathCapacity = 15 * (kLineLimit - 1) + 1;

// A folder line as its folder is named: up to a NUL byte, as the name is
// shown. A path cut elsewhere would make the climb back out of it leave the
// wrong level.
inline std::string_view FolderLineName(std::string_view folderLine) {
  return folderLine.substr(0, folderLine.find('\0'));
}

class FolderPath {
 public:
  // Appends a folder line (its backslash and name). False, leaving the path
  // as it was, when it would not fit.
  bool Enter(std::string_view folderLine);
  // Drops the last level (from the last backslash on).
  void Leave();
  void Clear();

  std::string_view Text() const { return {text_, length_}; }
  std::size_t Length() const { return length_; }

 private:
  char text_[kFolderPathCapacity] = {};
  std::size_t length_ = 0;
};

}  // namespace vardek
