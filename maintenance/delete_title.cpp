#include "maintenance/delete_title.h"

#include <cstring>
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_buffer.h"
#include "catalog/text_routines.h"
#include "platform/files.h"
#include "platform/text_compare.h"

namespace vardek {

bool DeleteTitleFromCatalog(CatalogReader& reader, const char* catalogPath, const char* description,
                            Reporter& reporter, int* titlesRemoved) {
  if (titlesRemoved != nullptr) *titlesRemoved = 0;
  std::string path = catalogPath == nullptr ? "" : catalogPath;
  SetExtension(path, kCatalogExtension);
  const std::string tempPath = TempPathFor(path);

  // The catalog is read through the one catalog reader, like every other
  // reading command, and released before the replace (Windows cannot
  // replace a mapped file). Its lines arrive by the same rule and limit as
  // from a whole-file read.
  if (tempPath.empty() || !reader.Map(path.c_str(), kLineLimit)) {
    reporter.ErrorBox("Error opening file", path.c_str());
    return false;
  }
  TextBuffer output;
  if (!output.Start(kDeleteBufferStart, kDeleteBufferGrowth)) {
    reader.Unmap();
    reporter.ErrorBox("Not enough memory", kProductName);
    return false;
  }

  char line[kLineBufferSize];
  bool removing = false;
  int removed = 0;
  while (reader.HasData()) {
    reader.NextLine(line);
    if (removing) {
      if (std::strcmp(line, kEndOfTitleLine) == 0) {
        removing = false;
        continue;
      }
      // A damaged title without its end-of-title line ends at the next title
      // line; that line is then judged like any other, so the titles behind
      // it survive.
      if (ClassifyLine(line) != LineKind::Title) continue;
      removing = false;
    }
    if (line[0] == '|' && platform::CompareTextNoCase(TitleDescription(line), description) == 0) {
      removing = true;
      ++removed;
      continue;
    }
    output.Append(line);
    output.Append("\r\n");
  }
  reader.Unmap();

  if (output.Failed() || !output.SaveToFile(tempPath.c_str())) {
    platform::DeleteFileAt(tempPath.c_str());
    return false;
  }
  output.Release();
  if (!ReplaceCatalog(tempPath.c_str(), path.c_str(), reporter)) return false;
  if (titlesRemoved != nullptr) *titlesRemoved = removed;
  return true;
}

}  // namespace vardek
