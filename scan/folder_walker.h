#pragma once
// A depth-first walk over a folder tree that reports every file and every
// change of folder to its callbacks. It loops over an explicit stack of
// open directory searches instead of recursing.
#include "scan/folder_listing.h"

namespace vardek {

inline constexpr int kFolderPathSize = 260;
inline constexpr int kSearchPathSize = 300;

class FolderWalker {
 public:
  FolderWalker() = default;
  FolderWalker(const FolderWalker&) = delete;
  FolderWalker& operator=(const FolderWalker&) = delete;
  virtual ~FolderWalker() = default;

  // Walks from `root` (a folder path ending in its separator): files matching
  // `filePattern` are reported, folders down to `maxDepth` levels entered,
  // system folders only when `includeSystemFolders` is 1, every folder listed
  // by `listing`. Returns 0 when the whole tree was visited, 1 when a callback
  // stopped it.
  int Walk(const char* root, const char* filePattern, int maxDepth, int includeSystemFolders,
           const FolderListing& listing = PlatformListing());

  // What the last walk passed over: folders whose path would not fit in
  // kFolderPathSize bytes, folders below the maximum depth, and whether the
  // root itself was too long to be walked at all.
  int FoldersTooLong() const { return foldersTooLong_; }
  int FoldersTooDeep() const { return foldersTooDeep_; }
  bool RootTooLong() const { return rootTooLong_; }

 protected:
  // Nonzero results stop the walk; LeaveFolder's result is ignored.
  virtual int LeaveFolder() = 0;
  virtual int OnFile(const platform::DirectoryEntry& entry) = 0;
  virtual int EnterFolder(const platform::DirectoryEntry& entry) = 0;
  virtual int BeforeDescend(const platform::DirectoryEntry& entry) = 0;

  int depth_ = 0;
  char searchPath_[kSearchPathSize] = {};
  char currentFolder_[kFolderPathSize] = {};

 private:
  bool ReportFiles(FolderSearch& search, const char* filePattern);
  bool ShouldEnter(const platform::DirectoryEntry& entry, int includeSystemFolders, bool atMaxDepth);
  bool SetSearchPath(const char* pattern);
  void CutLastFolder();

  int foldersTooLong_ = 0;
  int foldersTooDeep_ = 0;
  bool rootTooLong_ = false;
};

}  // namespace vardek
