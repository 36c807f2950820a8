#include "cli/row_catalogs.h"

#include <algorithm>

namespace vardek::cli {

void RowCatalogs::Begin(int firstRow, const std::string& catalog) {
  firstRows_.push_back(firstRow);
  catalogs_.push_back(catalog);
}

const std::string& RowCatalogs::Of(int row) const {
  static const std::string kNone;
  // The last catalog that began at or before the row: one without rows
  // begins where the next one does and is passed.
  const auto after = std::upper_bound(firstRows_.begin(), firstRows_.end(), row);
  if (after == firstRows_.begin()) return kNone;
  return catalogs_[static_cast<std::size_t>(after - firstRows_.begin()) - 1];
}

}  // namespace vardek::cli
