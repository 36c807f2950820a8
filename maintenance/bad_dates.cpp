#include "maintenance/bad_dates.h"

#include <string_view>

#include "browse/folder_of_rows.h"
#include "browse/name_match.h"
#include "catalog/catalog_format.h"
#include "catalog/line_skip.h"

namespace vardek {

bool HasBadDate(std::string_view dateText) { return !IsGoodDateText(dateText); }

namespace {

BadDateResult ReadBadDates(CatalogWalk& walk, bool newFormat, ResultList& list, std::string_view disc) {
  BadDateResult result;
  // Before the first title line there is no disc: rows show an empty description.
  std::uint32_t titleOffset = list.AddTitle("");
  FolderOfRows folder(list);
  // File lines with good dates make no rows and are only counted; in a
  // title of another disc, no file line does.
  const LineSkip goodDates = MakeLineSkip(kStructureLineStarts, LineTest::GoodDate, newFormat, true);
  const LineSkip everyFile = MakeLineSkip(kStructureLineStarts, LineTest::None, true, true);
  bool discWanted = true;
  const auto passOver = [&](std::string_view description) {
    discWanted = NameMatches(description, disc);
    walk.PassOver(discWanted ? &goodDates : &everyFile);
  };
  passOver("");
  while (walk.Next()) {
    switch (walk.Kind()) {
      case LineKind::Comment:
      case LineKind::BlankLed:
      case LineKind::Folder:
      case LineKind::Climb:
      case LineKind::EndOfTitle:
        break;
      case LineKind::Title:
        titleOffset = list.AddTitle(walk.Description());
        passOver(walk.Description());
        break;
      case LineKind::File: {
        // Another disc's line still comes where the reader must look at it
        // whole (a stray CR, a long line).
        if (!discWanted) break;
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

}  // namespace

BadDateResult FindBadDates(CatalogReader& reader, const char* catalogPath, bool newFormat,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines,
                           std::string_view disc) {
  CatalogWalk walk(reader, reporter, everyLines);
  if (!walk.Open(catalogPath)) return {};
  return ReadBadDates(walk, newFormat, list, disc);
}

BadDateResult FindBadDatesInPart(CatalogPart& part, bool newFormat, ResultList& list, Reporter& reporter,
                                 std::string_view disc) {
  CatalogReader reader;
  CatalogWalk walk(reader, reporter);
  walk.OpenPart(part);
  const BadDateResult result = ReadBadDates(walk, newFormat, list, disc);
  part.endDepth = walk.Depth();
  part.lastLine = walk.LineNumber();
  return result;
}

}  // namespace vardek
