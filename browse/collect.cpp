#include "browse/collect.h"

#include <string>
#include <string_view>

#include "browse/name_match.h"

namespace vardek {

namespace {

enum class WalkMode { Browse, SearchFiles, SearchFolders };

WalkOutcome Walk(CatalogReader& reader, const char* catalogPath, WalkMode mode, const char* description,
                 const char* searchText, ResultList& list, Reporter& reporter,
                 const std::function<void()>& everyLines) {
  CatalogWalk walk(reader, reporter, everyLines);
  if (!walk.Open(catalogPath)) return walk.Outcome();
  std::string search = searchText == nullptr ? "" : searchText;
  for (char& c : search) c = LowerAsciiChar(c);
  const std::string_view wanted = description == nullptr ? "" : description;

  // Lines before the first title line belong to no disc: their rows show an
  // empty description.
  std::uint32_t folderOffset = list.AddFolder("");
  std::uint32_t titleOffset = list.AddTitle("");
  bool inTitle = mode != WalkMode::Browse;

  while (walk.Next()) {
    switch (walk.Kind()) {
      case LineKind::Comment:
        break;
      case LineKind::Title:
        titleOffset = list.AddTitle(walk.Description());
        if (mode == WalkMode::Browse && wanted == walk.Description()) inTitle = true;
        break;
      case LineKind::Folder:
        folderOffset = list.AddFolder(walk.FolderPath());
        if (mode == WalkMode::SearchFolders && NameMatches(walk.FolderLine(), search) &&
            !list.AddRow("", "", folderOffset, titleOffset))
          walk.Stop(WalkOutcome::ListFull);
        break;
      case LineKind::Climb:
        folderOffset = list.AddFolder(walk.FolderPath());
        break;
      case LineKind::EndOfTitle:
        if (mode == WalkMode::Browse && inTitle) {
          walk.Stop(WalkOutcome::Complete);
          break;
        }
        folderOffset = list.AddFolder("");
        break;
      case LineKind::BlankLed:  // a file line to this walk
      case LineKind::File: {
        if (mode == WalkMode::SearchFolders || !inTitle) break;
        FileLineParts parts;
        // Old-format lines shorter than nine characters have no room for a
        // date and are passed over like new-format lines without ":".
        if (!SplitFileLine(walk.Line(), walk.NewFormat(), parts)) break;
        if (mode == WalkMode::SearchFiles && !NameMatches(parts.name, search)) break;
        if (!list.AddRow(parts.name, parts.dateText, folderOffset, titleOffset)) walk.Stop(WalkOutcome::ListFull);
        break;
      }
    }
  }
  return walk.Outcome();
}

}  // namespace

WalkOutcome CollectFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                         const char* searchText, ResultList& list, Reporter& reporter,
                         const std::function<void()>& everyLines) {
  const bool browse = description != nullptr && description[0] != '\0';
  return Walk(reader, catalogPath, browse ? WalkMode::Browse : WalkMode::SearchFiles, description, searchText,
              list, reporter, everyLines);
}

WalkOutcome CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines) {
  return Walk(reader, catalogPath, WalkMode::SearchFolders, nullptr, searchText, list, reporter, everyLines);
}

}  // namespace vardek
