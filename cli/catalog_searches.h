#pragma once
// find over several catalogs at once: each catalog is searched on a thread
// of its own into a list of its own, and the rows, reports and outcomes are
// then taken over in catalog order, so that the output is what one search
// after the other gives. One catalog is cut at title lines into a part for
// each core; where the parts do not add up to the whole (damage, a walk not
// back at the root, many rows) the whole is searched after all. The core's
// walks stay single-threaded.
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/result_list.h"
#include "catalog/reporter.h"
#include "cli/row_catalogs.h"
#include "cli/rows.h"

namespace vardek::cli {

// Searches `catalogs` for files (or folders) matching `searchText` (lowered)
// and `filter` and adds their rows to `list` in catalog order; every report
// reaches `reporter` in that order too, every walk's outcome `walks`, the
// files the filter left out for their dates `filter.undated`, and where each
// catalog's rows begin `rowCatalogs`.
void SearchCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders,
                    FindFilter& filter, ResultList& list, Reporter& reporter, WalkTally& walks,
                    RowCatalogs& rowCatalogs);

}  // namespace vardek::cli
