#include "browse/disc_lines.h"

#include "catalog/catalog_format.h"

namespace vardek {

namespace {

class QuietReporter : public Reporter {
 public:
  void ErrorBox(const char*, const char*) override {}
  void InfoBox(const char*, const char*) override {}
  void Status(int, const char*) override {}
  void LineErrorBox(const char*, const char*, long, const char*) override {}
};

}  // namespace

WalkOutcome ReadDiscLines(CatalogReader& reader, const char* catalogPath, Reporter& reporter, DiscLines& lines,
                          const std::function<void()>& everyLines) {
  CatalogWalk walk(reader, reporter, everyLines);
  if (!walk.Open(catalogPath)) return walk.Outcome();
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

WalkOutcome ReadDiscLinesAgain(CatalogReader& reader, const char* catalogPath, DiscLines& lines) {
  QuietReporter quiet;
  return ReadDiscLines(reader, catalogPath, quiet, lines);
}

}  // namespace vardek
