#include "shell/window_title.h"

#include <string>

#include "catalog/reporter.h"
#include "catalog/text_routines.h"

namespace vardek {

void BuildWindowTitle(const char* catalogPath, int loadedCount, const char* onlyLoadedName,
                      char* caption, std::size_t capacity) {
  std::string title = kProductName;
  if (catalogPath[0] == '\0') {
    title += kUntitledSuffix;
  } else if (loadedCount >= 2) {
    title += kAllCatalogsSuffix;
  } else {
    title += kNameSeparator;
    title += loadedCount == 1 && onlyLoadedName ? onlyLoadedName : NamePart(catalogPath);
  }
  CopyText(caption, capacity, title);
}

}  // namespace vardek
