#pragma once
// The loaded-catalog table: one entry per catalog in the title tree, in the
// order they were opened, with the counters of catalogs and titles.
#include <array>
#include <string>

#include "ui/win32.h"

#include <commctrl.h>

namespace vardek {

inline constexpr int kMaxLoadedCatalogs = 100;

struct LoadedCatalog {
  HTREEITEM root = nullptr;
  std::string path;  // as given to the open operation
  // The file name part of the path (the whole path when it has no folder).
  const char* Name() const;
};

class LoadedCatalogTable {
 public:
  int Count() const { return count_; }
  bool Full() const { return count_ >= kMaxLoadedCatalogs; }
  long TitleCount() const { return titleCount_; }
  void AddTitles(long titles) { titleCount_ += titles; }

  // The next entry; false, adding nothing, when the table is full.
  bool Add(const char* path, HTREEITEM root);
  const LoadedCatalog& At(int index) const { return entries_[index]; }
  // The entry whose catalog root item is `root`; nullptr when there is none.
  const LoadedCatalog* FindByRoot(HTREEITEM root) const;
  // Forgets every entry and both counters (the caller deletes the items).
  void Clear();

 private:
  std::array<LoadedCatalog, kMaxLoadedCatalogs> entries_;
  int count_ = 0;
  long titleCount_ = 0;
};

}  // namespace vardek
