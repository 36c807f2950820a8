#include "browse/collect.h"

#include <string>
#include <string_view>

#include "browse/folder_of_rows.h"
#include "browse/name_match.h"
#include "catalog/line_skip.h"

namespace vardek {

namespace {

enum class WalkMode { Browse, SearchFiles, SearchFolders };

// What a search already knows about the catalog ahead: the next place where
// the search text stands in the mapping. A stored line that lies wholly
// before it cannot hold a match: it is passed over without being handed out.
class HitAhead {
 public:
  explicit HitAhead(std::string_view search) : search_(search) {}

  // The next place at or after `from` where the text stands (the data's end
  // when nowhere).
  const char* NextFrom(const char* from, const char* dataEnd) {
    if (next_ < from) {
      const std::size_t found = FindLoweredText(std::string_view(from, static_cast<std::size_t>(dataEnd - from)), search_);
      next_ = found == std::string_view::npos ? dataEnd : from + found;
    }
    return next_;
  }

  bool MayMatch(const CatalogWalk& walk) {
    if (search_.empty() || !walk.LineInData()) return true;
    const std::string_view line = walk.Line();
    const char* lineEnd = line.data() + line.size();
    NextFrom(line.data(), walk.DataEnd());
    return next_ <= lineEnd && static_cast<std::size_t>(lineEnd - next_) >= search_.size();
  }

 private:
  std::string_view search_;
  const char* next_ = nullptr;
};

WalkOutcome Walk(CatalogReader& reader, const char* catalogPath, WalkMode mode, const char* description,
                 const char* searchText, ResultList& list, Reporter& reporter,
                 const std::function<void()>& everyLines, CatalogPart* part = nullptr) {
  std::string search = searchText == nullptr ? "" : searchText;
  for (char& c : search) c = LowerAsciiChar(c);
  const bool searchesFiles = mode == WalkMode::SearchFiles && !search.empty();
  CatalogWalk walk(reader, reporter, everyLines);
  // Only a search for files looks ahead of its lines, for its text.
  if (part != nullptr) {
    walk.OpenPart(*part->whole, part->index, part->count);
  } else if (!walk.Open(catalogPath, searchesFiles ? CatalogReading::Whole : CatalogReading::InOrder)) {
    return walk.Outcome();
  }
  const std::string_view wanted = description == nullptr ? "" : description;
  HitAhead hits(mode == WalkMode::SearchFiles ? search : std::string_view());

  // Lines before the first title line belong to no disc: their rows show an
  // empty description and, as at the end of a title, the root folder.
  FolderOfRows folder(list);
  std::uint32_t titleOffset = list.AddTitle("");
  bool inTitle = mode != WalkMode::Browse;

  // File lines no row can come from are passed over: a search for files
  // passes over those before the next place of its text, a search for
  // folders all of them, a listing those before its title.
  LineSkip otherLines = MakeLineSkip(kStructureLineStarts);
  if (mode != WalkMode::SearchFiles || searchesFiles) walk.PassOver(&otherLines);

  for (;;) {
    if (searchesFiles && walk.Running()) otherLines.stopAt = hits.NextFrom(walk.NextLineStart(), walk.DataEnd());
    if (!walk.Next()) break;
    switch (walk.Kind()) {
      case LineKind::Comment:
        break;
      case LineKind::Title:
        titleOffset = list.AddTitle(walk.Description());
        if (mode == WalkMode::Browse && wanted == walk.Description()) {
          inTitle = true;
          walk.PassOver(nullptr);
        }
        break;
      case LineKind::Folder:
        folder.Moved();
        if (mode == WalkMode::SearchFolders && NameMatches(walk.FolderLine(), search) &&
            !list.AddRow("", "", folder.Offset(walk), titleOffset))
          walk.Stop(WalkOutcome::ListFull);
        break;
      case LineKind::Climb:
        folder.Moved();
        break;
      case LineKind::EndOfTitle:
        if (mode == WalkMode::Browse && inTitle) {
          walk.Stop(WalkOutcome::Complete);
          break;
        }
        folder.Moved();
        break;
      case LineKind::BlankLed:  // a file line to this walk
      case LineKind::File: {
        if (mode == WalkMode::SearchFolders || !inTitle || !hits.MayMatch(walk)) break;
        FileLineParts parts;
        // Old-format lines shorter than nine characters have no room for a
        // date and are passed over like new-format lines without ":".
        if (!SplitFileLine(walk.Line(), walk.NewFormat(), parts)) break;
        if (mode == WalkMode::SearchFiles && !NameMatches(parts.name, search)) break;
        if (!list.AddRow(parts.name, parts.dateText, folder.Offset(walk), titleOffset))
          walk.Stop(WalkOutcome::ListFull);
        break;
      }
    }
  }
  if (part != nullptr) part->endDepth = walk.Depth();
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

WalkOutcome CollectTitleFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                              ResultList& list, Reporter& reporter) {
  return Walk(reader, catalogPath, WalkMode::Browse, description, "", list, reporter, {});
}

WalkOutcome CollectInPart(CatalogReader& reader, const char* searchText, bool folders, ResultList& list,
                          Reporter& reporter, CatalogPart& part) {
  return Walk(reader, nullptr, folders ? WalkMode::SearchFolders : WalkMode::SearchFiles, nullptr, searchText,
              list, reporter, {}, &part);
}

WalkOutcome CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines) {
  return Walk(reader, catalogPath, WalkMode::SearchFolders, nullptr, searchText, list, reporter, everyLines);
}

}  // namespace vardek
