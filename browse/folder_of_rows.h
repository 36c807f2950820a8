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
  // The walk entered or left a folder, or ended a title.
  void Moved() { offset_ = kPending; }
  // The current folder's offset in the pool; kNoOffset when it could not be stored.
  std::uint32_t Offset(const CatalogWalk& walk) {
    if (offset_ == kPending) offset_ = list_.AddFolder(walk.FolderPath());
    return offset_;
  }

 private:
  static constexpr std::uint32_t kPending = kNoOffset - 1;  // no pool grows that far
  ResultList& list_;
  std::uint32_t offset_ = kPending;
};

}  // namespace vardek
