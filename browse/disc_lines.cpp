#include "browse/disc_lines.h"

#include "catalog/catalog_format.h"

namespace vardek {

WalkOutcome ReadDiscLines(CatalogReader& reader, const char* catalogPath, Reporter& reporter, DiscLines& lines,
                          const std::function<void()>& everyLines) {
  CatalogWalk walk(reader, reporter, everyLines);
  if (!walk.Open(catalogPath, CatalogReading::InOrder)) return walk.Outcome();
  while (walk.Next()) {
    switch (walk.Kind()) {
      case LineKind::Comment:
        break;
      case LineKind::Title:
        lines.Title(walk.Description());
        break;
      case LineKind::Folder: {
        std::string_view name = walk.FolderLine();
        if (!name.empty()) name.remove_prefix(1);
        lines.Folder(name, walk);
        break;
      }
      case LineKind::Climb:
        lines.Climb(walk);
        break;
      case LineKind::EndOfTitle:
        lines.EndOfTitle();
        break;
      case LineKind::BlankLed:
      case LineKind::File: {
        FileLineParts parts;
        if (SplitFileLine(walk.Line(), walk.NewFormat(), parts)) lines.File(parts.name, parts.dateText, walk);
        break;
      }
    }
  }
  return walk.Outcome();
}

}  // namespace vardek
