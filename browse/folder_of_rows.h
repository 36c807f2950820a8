#pragma once
// The folder of the rows a walk adds: its path goes into the list's folder
// pool only when a row needs it, once for all the rows of that folder, so a
// walk that adds few rows stores few paths.
#include <cstdint>

#include "browse/result_list.h"
#include "catalog/catalog_walk.h"

namespace vardek {

class FolderOfRows {
 public:
  explicit FolderOfRows(ResultList& list) : list_(list) {}
  // The current folder's offset in the pool; kNoOffset when it could not be
  // stored. The walk's count of folder moves tells when the folder changed,
  // also over lines it passed over.
  std::uint32_t Offset(const CatalogWalk& walk) {
    if (!stored_ || moves_ != walk.FolderMoves()) {
      offset_ = list_.AddFolder(walk.FolderPath());
      moves_ = walk.FolderMoves();
      stored_ = true;
    }
    return offset_;
  }
  // Before the rows of another walk, whose moves count from its own start.
  void Forget() { stored_ = false; }

 private:
  ResultList& list_;
  std::uint32_t offset_ = kNoOffset;
  long moves_ = 0;
  bool stored_ = false;
};

}  // namespace vardek
