#include "shell/loaded_catalogs.h"

#include "catalog/text_routines.h"

namespace vardek {

const char* LoadedCatalog::Name() const { return NamePart(path.c_str()); }

bool LoadedCatalogTable::Add(const char* path, HTREEITEM root) {
  if (Full()) return false;
  LoadedCatalog& entry = entries_[count_++];
  entry.root = root;
  entry.path = path;
  return true;
}

const LoadedCatalog* LoadedCatalogTable::FindByRoot(HTREEITEM root) const {
  if (!root) return nullptr;
  for (int index = 0; index < count_; ++index) {
    if (entries_[index].root == root) return &entries_[index];
  }
  return nullptr;
}

void LoadedCatalogTable::Clear() {
  for (int index = count_ - 1; index >= 0; --index) entries_[index] = LoadedCatalog{};
  count_ = 0;
  titleCount_ = 0;
}

}  // namespace vardek
