#include "maintenance/bad_dates.h"

#include <string_view>

#include "browse/folder_path.h"
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_routines.h"

namespace vardek {

namespace {

constexpr const char* kTreeCorrupt = "Directory tree is corrupt.";

}  // namespace

BadDateResult FindBadDates(CatalogReader& reader, const char* catalogPath, bool newFormat,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines) {
  BadDateResult result;
  const char* path = catalogPath == nullptr ? "" : catalogPath;
  if (path[0] == '\0' || !reader.Map(path, kLineLimit)) {
    reporter.ErrorBox("Error opening file", path);
    return result;
  }
  result.outcome = BadDateOutcome::Complete;

  FolderPath folder;
  char line[kLineBufferSize];
  // Before the first title line there is no disc: rows show an empty
  // description and a depth error there is captioned with the product name.
  char caption[kLineBufferSize];
  CopyText(caption, sizeof caption, kProductName);
  std::uint32_t titleOffset = list.AddTitle("");
  std::uint32_t folderOffset = list.AddFolder("");
  int depth = 0;

  while (reader.HasData()) {
    const std::string_view lineText(line, reader.NextLine(line));
    ++result.lineCount;
    if (everyLines && result.lineCount % kBadDateHookInterval == 0) {
      everyLines();
      if (!reader.IsMapped()) {  // the one reader was taken over in the hook
        result.outcome = BadDateOutcome::Stopped;
        return result;
      }
    }
    switch (ClassifyLine(line)) {
      case LineKind::Comment:
      case LineKind::BlankLed:
        break;
      case LineKind::Title: {
        const char* text = TitleDescription(line);
        titleOffset = list.AddTitle(text);
        CopyText(caption, sizeof caption, text);
        break;
      }
      case LineKind::Folder:
        ++depth;
        if (depth >= kMaxFolderLevels || !folder.Enter(line)) {
          reporter.LineErrorBox(kTreeCorrupt, "More than 16 folder levels.", result.lineCount, caption);
          result.outcome = BadDateOutcome::Stopped;
          reader.Unmap();
          return result;
        }
        folderOffset = list.AddFolder(folder.Text());
        break;
      case LineKind::Climb:
        if (depth == 0) {
          reporter.LineErrorBox(kTreeCorrupt, "Attempt to go below the root folder.", result.lineCount, caption);
          result.outcome = BadDateOutcome::Stopped;
          reader.Unmap();
          return result;
        }
        folder.Leave();
        --depth;
        folderOffset = list.AddFolder(folder.Text());
        break;
      case LineKind::EndOfTitle:
        depth = 0;
        folder.Clear();
        folderOffset = list.AddFolder("");
        break;
      case LineKind::File: {
        FileLineParts parts;
        // A new-format line without ":" is passed over; so is an old-format
        // line shorter than nine characters, which has no room for a date
        // and would otherwise be split outside the line.
        if (!SplitFileLine(lineText, newFormat, parts)) break;
        // The numbers are read whole: a year such as 65616 stays invalid
        // instead of wrapping round to a plausible one.
        if (IsValidDate(ReadDateText(parts.dateText))) break;
        if (!list.AddRow(parts.name, parts.dateText, folderOffset, titleOffset)) {
          result.outcome = BadDateOutcome::ListFull;
          reader.Unmap();
          return result;
        }
        break;
      }
    }
  }
  reader.Unmap();
  return result;
}

}  // namespace vardek
