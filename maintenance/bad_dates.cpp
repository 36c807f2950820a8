#include "maintenance/bad_dates.h"

#include <string_view>

#include "browse/folder_of_rows.h"
#include "catalog/catalog_format.h"
#include "catalog/line_skip.h"

namespace vardek {

bool HasBadDate(std::string_view dateText) { return !IsGoodDateText(dateText); }

BadDateResult FindBadDates(CatalogReader& reader, const char* catalogPath, bool newFormat,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines) {
  BadDateResult result;
  CatalogWalk walk(reader, reporter, everyLines);
  if (!walk.Open(catalogPath, CatalogReading::InOrder)) return result;

  // Before the first title line there is no disc: rows show an empty description.
  std::uint32_t titleOffset = list.AddTitle("");
  FolderOfRows folder(list);
  // File lines with good dates make no rows and are only counted.
  const LineSkip goodDates = MakeLineSkip(kStructureLineStarts, LineTest::GoodDate, newFormat);
  walk.PassOver(&goodDates);
  while (walk.Next()) {
    switch (walk.Kind()) {
      case LineKind::Comment:
      case LineKind::BlankLed:
        break;
      case LineKind::Title:
        titleOffset = list.AddTitle(walk.Description());
        break;
      case LineKind::Folder:
      case LineKind::Climb:
      case LineKind::EndOfTitle:
        folder.Moved();
        break;
      case LineKind::File: {
        FileLineParts parts;
        // A new-format line without ":" is passed over; so is an old-format
        // line shorter than nine characters, which has no room for a date.
        if (!SplitFileLine(walk.Line(), newFormat, parts) || !HasBadDate(parts.dateText)) break;
        if (!list.AddRow(parts.name, parts.dateText, folder.Offset(walk), titleOffset)) walk.Stop(WalkOutcome::ListFull);
        break;
      }
    }
  }
  result.outcome = walk.Outcome();
  result.lineCount = walk.LineNumber();
  return result;
}

}  // namespace vardek
