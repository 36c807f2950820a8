#pragma once
// The catalogs of one folder, as Open all and a search of every catalog list
// them: the files whose own name ends in ".cat".
#include <functional>
#include <string>
#include <string_view>

namespace vardek {

inline constexpr const char* kCatalogPattern = "*.cat";

// A name that ends in ".cat", in any case. Windows matches "*.cat" against the
// short 8.3 names too (notes.catalog is NOTES~1.CAT): those are no catalogs.
bool IsCatalogFileName(std::string_view name);

// Calls `found` with each catalog's name as the file system spells it, in
// listing order, until it returns false. `folder` is empty or ends with its
// separator.
void ListCatalogs(const std::string& folder, const std::function<bool(const char* name)>& found);

}  // namespace vardek
