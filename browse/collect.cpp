#include "browse/collect.h"

#include <cstring>
#include <string>
#include <string_view>

#include "browse/folder_path.h"
#include "browse/name_match.h"
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_routines.h"

namespace vardek {

namespace {

constexpr long kHookInterval = 200;
constexpr const char* kTreeCorrupt = "Directory tree is corrupt.";
constexpr const char* kTooDeep = "More than 16 folder levels.";
constexpr const char* kBelowRoot = "Attempt to go below the root folder.";

enum class WalkMode { Browse, SearchFiles, SearchFolders };

bool Walk(CatalogReader& reader, const char* catalogPath, WalkMode mode, const char* description,
          const char* searchText, ResultList& list, Reporter& reporter,
          const std::function<void()>& everyLines) {
  if (!reader.Map(catalogPath, kLineLimit)) {
    reporter.ErrorBox("Error opening file", catalogPath);
    return false;
  }
  std::string search = searchText == nullptr ? "" : searchText;
  for (char& c : search) c = LowerAsciiChar(c);
  const std::string_view wanted = description == nullptr ? "" : description;
  const bool newFormat = reader.NewFormat();

  FolderPath folder;
  char line[kLineBufferSize];
  // Lines before the first title line belong to no disc: their rows show an
  // empty description, and a depth error met there is captioned with the
  // product name, as every report that concerns no disc is.
  char caption[kLineBufferSize];
  CopyText(caption, sizeof caption, kProductName);
  std::uint32_t folderOffset = list.AddFolder("");
  std::uint32_t titleOffset = list.AddTitle("");
  int depth = 0;
  long lineNumber = 0;
  bool inTitle = mode != WalkMode::Browse;

  while (reader.HasData()) {
    const std::string_view lineText(line, reader.NextLine(line));
    ++lineNumber;
    if (everyLines && lineNumber % kHookInterval == 0) {
      everyLines();
      // Whatever ran in the hook may have taken the one reader over; the
      // walk must not go on in a view that is gone.
      if (!reader.IsMapped()) return true;
    }
    switch (ClassifyLine(line)) {
      case LineKind::Comment:
        break;
      case LineKind::Title: {
        const char* text = TitleDescription(line);
        titleOffset = list.AddTitle(text);
        CopyText(caption, sizeof caption, text);
        if (mode == WalkMode::Browse && wanted == text) inTitle = true;
        break;
      }
      case LineKind::Folder: {
        if (depth >= kMaxFolderLevels - 1) {
          reporter.LineErrorBox(kTreeCorrupt, kTooDeep, lineNumber, caption);
          reader.Unmap();
          return true;
        }
        const std::string_view folderLine = lineText;
        if (!folder.Enter(folderLine)) {  // cannot happen within 15 levels; never overrun
          reader.Unmap();
          return true;
        }
        ++depth;
        folderOffset = list.AddFolder(folder.Text());
        if (mode == WalkMode::SearchFolders && NameMatches(folderLine, search) &&
            !list.AddRow("", "", folderOffset, titleOffset)) {
          reader.Unmap();
          return true;
        }
        break;
      }
      case LineKind::Climb:
        if (depth == 0) {
          reporter.LineErrorBox(kTreeCorrupt, kBelowRoot, lineNumber, caption);
          reader.Unmap();
          return true;
        }
        folder.Leave();
        --depth;
        folderOffset = list.AddFolder(folder.Text());
        break;
      case LineKind::EndOfTitle:
        folder.Clear();
        depth = 0;
        if (mode == WalkMode::Browse && inTitle) {
          reader.Unmap();
          return true;
        }
        folderOffset = list.AddFolder("");
        break;
      case LineKind::BlankLed:  // a file line to this walk
      case LineKind::File: {
        if (mode == WalkMode::SearchFolders || !inTitle) break;
        FileLineParts parts;
        // Old-format lines shorter than nine characters have no room for a
        // date and are passed over like new-format lines without ":".
        if (!SplitFileLine(lineText, newFormat, parts)) break;
        if (mode == WalkMode::SearchFiles && !NameMatches(parts.name, search)) break;
        if (!list.AddRow(parts.name, parts.dateText, folderOffset, titleOffset)) {
          reader.Unmap();
          return true;
        }
        break;
      }
    }
  }
  reader.Unmap();
  return true;
}

}  // namespace

bool CollectFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                  const char* searchText, ResultList& list, Reporter& reporter,
                  const std::function<void()>& everyLines) {
  const bool browse = description != nullptr && description[0] != '\0';
  return Walk(reader, catalogPath, browse ? WalkMode::Browse : WalkMode::SearchFiles, description, searchText,
              list, reporter, everyLines);
}

bool CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                    ResultList& list, Reporter& reporter, const std::function<void()>& everyLines) {
  return Walk(reader, catalogPath, WalkMode::SearchFolders, nullptr, searchText, list, reporter, everyLines);
}

}  // namespace vardek
