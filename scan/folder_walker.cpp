#include "scan/folder_walker.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace vardek {

using platform::DirectoryEntry;

namespace {

constexpr const char* kAllEntries = "*";

bool Fits(std::size_t length, std::size_t size) { return length + 1 <= size; }

}  // namespace

bool FolderWalker::SetSearchPath(const char* pattern) {
  const std::size_t folder = std::strlen(currentFolder_);
  const std::size_t length = std::strlen(pattern);
  if (!Fits(folder + length, sizeof searchPath_)) return false;
  std::memcpy(searchPath_, currentFolder_, folder);
  std::memcpy(searchPath_ + folder, pattern, length + 1);
  return true;
}

bool FolderWalker::ReportFiles(FolderSearch& search, const char* filePattern) {
  DirectoryEntry entry;
  if (SetSearchPath(filePattern) && search.First(searchPath_, entry, platform::ListDetail::Full)) {
    do {
      if ((entry.attributes & platform::kAttributeDirectory) != 0) continue;
      if (OnFile(entry) != 0) return false;
    } while (search.Next(entry));
  }
  search.Close();
  return true;
}

// A folder is entered unless its name begins with "." (which also passes
// over "." and ".."), it is a system folder not asked for, it lies below the
// maximum depth, or its path would not fit: such a folder could not be
// listed through the ANSI interface. The last two are counted.
bool FolderWalker::ShouldEnter(const DirectoryEntry& entry, int includeSystemFolders, bool atMaxDepth) {
  if ((entry.attributes & platform::kAttributeDirectory) == 0) return false;
  if (entry.fsName[0] == '.') return false;
  if (includeSystemFolders != 1 && (entry.attributes & platform::kAttributeSystem) != 0) return false;
  if (atMaxDepth) {
    ++foldersTooDeep_;
    return false;
  }
  const std::size_t length = std::strlen(currentFolder_) + std::strlen(entry.fsName) + 1;
  if (!Fits(length, sizeof currentFolder_) || !Fits(length + 3, sizeof searchPath_)) {
    ++foldersTooLong_;
    return false;
  }
  return true;
}

void FolderWalker::CutLastFolder() {
  std::size_t end = std::strlen(currentFolder_);
  if (end < 2) return;
  std::size_t cut = end - 1;  // the trailing separator
  while (cut > 0 && !platform::IsPathSeparator(currentFolder_[cut - 1])) --cut;
  currentFolder_[cut] = '\0';
}

int FolderWalker::Walk(const char* root, const char* filePattern, int maxDepth, int includeSystemFolders,
                       const FolderListing& listing) {
  depth_ = 0;
  foldersTooLong_ = 0;
  foldersTooDeep_ = 0;
  rootTooLong_ = !Fits(std::strlen(root), sizeof currentFolder_);
  if (maxDepth < 0 || rootTooLong_) return 0;
  // Closing every open search on the way out also covers an early stop.
  std::vector<std::unique_ptr<FolderSearch>> searches(static_cast<std::size_t>(maxDepth) + 1);
  for (auto& search : searches) search = listing.NewSearch();
  const auto level = [&]() -> FolderSearch& { return *searches[static_cast<std::size_t>(depth_)]; };
  std::strcpy(currentFolder_, root);
  const DirectoryEntry rootEntry{};
  if (EnterFolder(rootEntry) != 0) return 1;
  for (;;) {
    if (!ReportFiles(level(), filePattern)) return 1;
    DirectoryEntry entry;
    // Only names and attributes decide which folders are entered.
    bool have =
        SetSearchPath(kAllEntries) && level().First(searchPath_, entry, platform::ListDetail::NamesAndAttributes);
    for (;;) {
      while (have && !ShouldEnter(entry, includeSystemFolders, depth_ >= maxDepth)) have = level().Next(entry);
      if (have) break;
      level().Close();
      if (--depth_ < 0) return 0;
      CutLastFolder();
      LeaveFolder();
      have = level().Next(entry);
    }
    if (BeforeDescend(entry) != 0) return 1;
    const std::size_t length = std::strlen(currentFolder_);
    std::snprintf(currentFolder_ + length, sizeof currentFolder_ - length, "%s%c", entry.fsName, platform::kPathSeparator);
    ++depth_;
    if (EnterFolder(entry) != 0) return 1;
  }
}

}  // namespace vardek
