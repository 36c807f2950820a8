#include "catalog/catalog_titles.h"

#include <cstring>
#include <limits>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/line_skip.h"

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
  // Lines that cannot be titles are passed over by the block.
  static const LineSkip kOtherLines = MakeLineSkip(kTitleLineStarts);
  while (reader.HasData()) {
    reader.SkipLines(kOtherLines, std::numeric_limits<std::size_t>::max());
    if (!reader.HasData()) break;
    const std::string_view view = reader.NextLineView(line);
    // Only the first characters decide; nothing else of the line is parsed,
    // and only a title line is copied, for its zero-terminated description.
    if (ClassifyLine(view) != LineKind::Title) continue;
    if (view.data() != line) std::memcpy(line, view.data(), view.size());
    line[view.size()] = '\0';
    ++scan.titleCount;
    onTitle(TitleDescription(line));
  }
  reader.Unmap();
  return true;
}

}  // namespace vardek
