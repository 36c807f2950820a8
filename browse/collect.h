#pragma once
// The walks over one catalog file that turn its lines into result rows:
// a disc title's files (browse), matching files (search) and matching
// folders. The caller resets the result list; rows of several catalogs
// collect in one list.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "browse/result_list.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

// What a search may ask beyond its text; every part left at its default asks
// nothing, and the search is today's.
struct FindFilter {
  bool wildcard = false;     // the search text is a pattern over the whole name
  bool dated = false;        // only files dated from `since` to `until`, inclusive
  std::uint32_t since = 0;   // YYYYMMDD
  std::uint32_t until = 0;   // YYYYMMDD
  bool byDisc = false;       // only titles whose description holds `disc`
  std::string disc;          // passed through LowerAscii
  long long undated = 0;     // out: files a date filter left out for a date that cannot be read
};

// A file's date as YYYYMMDD by the catalog's own rule (80-99 in the 1900s,
// 00-50 in the 2000s); false when the date text is not a calendar date from
// 1980 to 2050, the dates the bad-date scan passes.
bool FileDateNumber(std::string_view dateText, std::uint32_t& number);

// YYYYMMDD as YYYY-MM-DD; "" for 0 (no date).
std::string IsoDate(std::uint32_t date);

// Browse mode (`description` not empty): one row for every file line of the
// first disc title with exactly that description. Search mode (`description`
// empty): one row for every file line of the catalog whose name matches
// `searchText` (compared as LowerAscii leaves it; the walk lowers its own copy).
// The outcome tells how the walk ended: OpenFailed after "Error opening file"
// (caption the path); DepthError after the depth error's report, ListFull when
// the list took no more rows (the rows so far stay in both). `everyLines`,
// when set, runs every 200 lines. A `filter` asks a search everything it
// holds, a listing its dates only.
WalkOutcome CollectFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                         const char* searchText, ResultList& list, Reporter& reporter,
                         const std::function<void()>& everyLines = {}, FindFilter* filter = nullptr);

// Browse mode for any description, the empty one included: a title line
// "|" alone is a disc like any other, and its files are its own, not the
// whole catalog's.
WalkOutcome CollectTitleFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                              ResultList& list, Reporter& reporter);

// CollectFiles in search mode (or CollectFolders) over one part: the rows of
// the parts, one list after the other, are those of the search over the
// whole when every part before the last ends at the root and every walk
// ends Complete without a report.
WalkOutcome CollectInPart(CatalogReader& reader, const char* searchText, bool folders, ResultList& list,
                          Reporter& reporter, CatalogPart& part, FindFilter* filter = nullptr);

// Every folder of the catalog whose folder line ("\" and name) matches
// `searchText`: a row with empty name and date and the folder's full path.
// A filter's wildcard is over the folder's name, without its "\"; a date
// filter asks nothing of folders.
WalkOutcome CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines = {},
                           FindFilter* filter = nullptr);

}  // namespace vardek
