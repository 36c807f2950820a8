#include "catalog/catalog_titles.h"

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"

namespace vardek {

bool ReadCatalogTitles(CatalogReader& reader, const char* path, Reporter& reporter,
                       const std::function<void(const char* description)>& onTitle,
                       CatalogTitleScan& scan) {
  if (!reader.Map(path, kLineLimit)) {
    reporter.ErrorBox("Error opening file", path);
    return false;
  }
  scan.newFormat = reader.NewFormat();
  char line[kLineBufferSize];
  while (reader.HasData()) {
    reader.NextLine(line);
    // Only the first characters decide; nothing else of the line is parsed.
    if (line[0] == '|' || (line[0] == '@' && line[1] == '@' && line[2] == '@')) {
      ++scan.titleCount;
      onTitle(TitleDescription(line));
    }
  }
  reader.Unmap();
  return true;
}

}  // namespace vardek
