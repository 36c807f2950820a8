#pragma once
// Where a walk lists its folders from: the file system (a drive, a folder)
// or a tree held in memory (a disc image read whole).
#include <memory>

#include "platform/directory.h"

namespace vardek {

// One folder search, as platform::DirectorySearch makes it.
class FolderSearch {
 public:
  virtual ~FolderSearch() = default;
  // Starts the search of "folder" + pattern and yields its first entry;
  // false when nothing is listed.
  virtual bool First(const char* folderAndPattern, platform::DirectoryEntry& entry, platform::ListDetail detail) = 0;
  virtual bool Next(platform::DirectoryEntry& entry) = 0;
  virtual void Close() = 0;
};

class FolderListing {
 public:
  virtual ~FolderListing() = default;
  virtual std::unique_ptr<FolderSearch> NewSearch() const = 0;
};

// The file system's own folders.
class PlatformListing : public FolderListing {
 public:
  std::unique_ptr<FolderSearch> NewSearch() const override;
};

}  // namespace vardek
