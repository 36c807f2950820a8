#pragma once
// Result rows on standard output, and the progress of the walks that make them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"
#include "cli/field_text.h"
#include "cli/found_rows.h"
#include "cli/row_catalogs.h"

namespace vardek::cli {

// How rows are printed: the format, and (for json's "catalog") where they came from.
struct RowOutput {
  RowFormat format = RowFormat::Tsv;
  const RowCatalogs* catalogs = nullptr;  // none: "catalog" is null
};

// Writes the rows (all, or those of `order` in that order): file name, date
// text, folder, disc description; json adds the date as YYYY-MM-DD ("iso",
// null when it cannot be read) and the catalog.
void PrintRows(const ResultList& list, const std::vector<int>* order, const RowOutput& output = {});
// The rows of every list of `found`, list after list, each with its catalog.
void PrintFoundRows(const FoundRows& found, RowFormat format);
// For rows printed as they are found: the format's header (if it has one),
// then the rows of each list in its turn.
void PrintRowsHeader(RowFormat format);
void PrintListRows(const ResultList& list, const std::string& catalog, RowFormat format);

inline constexpr const char* kNotEnoughMemory = "Not enough memory";

// How the catalog walks of one command ended, for its exit status: rows may
// stand for the whole of the catalogs only when every walk read to its end.
class WalkTally {
 public:
  void Add(WalkOutcome outcome);
  bool AnyOpenFailed() const { return openFailed_; }
  // 2 when a catalog could not be opened or a walk ended early: a damaged
  // catalog (the walk has reported it) or a full list (reported here, once);
  // otherwise 0 with rows and 1 without.
  int ExitStatus(int rows, Reporter& reporter) const;

 private:
  bool openFailed_ = false;
  bool endedEarly_ = false;
  bool listFull_ = false;
};

// A hook for the core's walks that shows "label: NN%" on the progress line
// whenever the percent read changes.
std::function<void()> PercentProgress(const CatalogReader& reader, std::string label);

}  // namespace vardek::cli
