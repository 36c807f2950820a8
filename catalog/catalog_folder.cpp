#include "catalog/catalog_folder.h"

#include "catalog/catalog_format.h"
#include "platform/directory.h"

namespace vardek {

bool IsCatalogFileName(std::string_view name) {
  const std::string_view extension(kCatalogExtension);
  if (name.size() < extension.size()) return false;
  const std::string_view tail = name.substr(name.size() - extension.size());
  for (std::size_t i = 0; i < extension.size(); ++i) {
    char c = tail[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != extension[i]) return false;
  }
  return true;
}

void ListCatalogs(const std::string& folder, const std::function<bool(const char* name)>& found) {
  platform::DirectorySearch search;
  platform::DirectoryEntry entry;
  const std::string pattern = folder + kCatalogPattern;
  for (bool more = search.First(pattern.c_str(), entry); more;
       more = search.Next(entry)) {
    if ((entry.attributes & platform::kAttributeDirectory) != 0 || !IsCatalogFileName(entry.name)) continue;
    if (!found(entry.fsName)) return;
  }
}

}  // namespace vardek
