#pragma once
// Find bad dates: every file line of a catalog whose date is not a calendar
// date from 1980 to 2050 becomes a result row.
#include <functional>
#include <string_view>

#include "browse/result_list.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

// A file's date text is bad: not a calendar date from 1980 to 2050.
bool HasBadDate(std::string_view dateText);

struct BadDateResult {
  // OpenFailed ("Error opening file" reported), Complete, DepthError (reported;
  // rows so far stay), ListFull (rows so far stay) or Interrupted (the hook
  // took the reader over).
  WalkOutcome outcome = WalkOutcome::OpenFailed;
  long lineCount = 0;
};

// Adds the rows to `list`, which the caller has reset. The separator rule
// follows `newFormat` (the main window's flag). `everyLines` runs when the
// line count is a multiple of 200; it may read reader.PercentRead(). Only
// the titles whose description holds `disc` (passed through LowerAscii;
// A-Z in either case, as find compares) give rows; empty: every title.
BadDateResult FindBadDates(CatalogReader& reader, const char* catalogPath, bool newFormat,
                           ResultList& list, Reporter& reporter,
                           const std::function<void()>& everyLines = {}, std::string_view disc = {});

// The same over one part of a catalog (see CatalogWalk::OpenPart): the rows
// of the parts, one list after the other, are those of the whole when every
// walk ends Complete without a report and every part before the last ends
// at the root.
BadDateResult FindBadDatesInPart(CatalogPart& part, bool newFormat, ResultList& list, Reporter& reporter,
                                 std::string_view disc = {});

}  // namespace vardek
