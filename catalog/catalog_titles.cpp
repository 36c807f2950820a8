#include "catalog/catalog_titles.h"

#include <cstring>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/line_skip.h"

namespace vardek {

namespace {

// Hands the description of every title line the reader has left to
// `onTitle`, in order; returns how many.
long ReadTitleLines(CatalogReader& reader, const std::function<void(const char* description)>& onTitle) {
  char line[kLineBufferSize];
  long titles = 0;
  // Titles are few and their lines are all this reads: it goes from one
  // place where a title line may start to the next, reading only the lines
  // that hold such a place.
  while (reader.HasData()) {
    reader.MoveTowards(kTitleLineStarts);
    if (!reader.HasData()) break;
    const std::string_view view = reader.NextLineView(line);
    // Only the first characters decide; nothing else of the line is parsed,
    // and only a title line is copied, for its zero-terminated description.
    if (ClassifyLine(view) != LineKind::Title) continue;
    if (view.data() != line) std::memcpy(line, view.data(), view.size());
    line[view.size()] = '\0';
    ++titles;
    onTitle(TitleDescription(line));
  }
  return titles;
}

}  // namespace

bool ReadCatalogTitles(CatalogReader& reader, const char* path, Reporter& reporter,
                       const std::function<void(const char* description)>& onTitle,
                       CatalogTitleScan& scan) {
  if (!reader.Stream(path, kLineLimit)) {
    reporter.ErrorBox("Error opening file", path);
    return false;
  }
  scan.newFormat = reader.NewFormat();
  scan.titleCount += ReadTitleLines(reader, onTitle);
  // Read in pieces, the file may end early where it cannot be read on.
  const bool read = !reader.ReadFailed();
  reader.Unmap();
  if (!read) reporter.ErrorBox("Error opening file", path);
  return read;
}

long ReadPartTitles(const CatalogReader& whole, int index, int count,
                    const std::function<void(const char* description)>& onTitle, bool* read) {
  CatalogReader reader;
  reader.ReadPart(whole, index, count, false, kLineLimit);
  const long titles = ReadTitleLines(reader, onTitle);
  if (read != nullptr) *read = !reader.ReadFailed();
  return titles;
}

}  // namespace vardek
