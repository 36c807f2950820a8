#pragma once
// find over several catalogs at once: each catalog is searched on a thread
// of its own into a list of its own, and the lists, reports and outcomes are
// then handed on in catalog order, so that the output is what one search
// after the other gives. One catalog is cut at title lines into a part for
// each core; where the parts do not add up to the whole (damage, a walk not
// back at the root, or many rows that are to be copied into one list) the
// whole is searched after all. The core's walks stay single-threaded.
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/result_list.h"
#include "catalog/reporter.h"
#include "cli/found_rows.h"
#include "cli/rows.h"

namespace vardek::cli {

// Searches `catalogs` for files (or folders) matching `searchText` (lowered)
// and `filter` and adds a list of rows for each catalog, or for each part of
// one, to `found` in catalog order; every report reaches `reporter` in that
// order too, every walk's outcome `walks`, and the files the filter left
// out for their dates `filter.undated`. `forOneList`: the rows are to be
// copied into one list (for a sort), and a search of parts gives up where
// that costs more than a search of the whole.
void SearchCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders,
                    FindFilter& filter, FoundRows& found, Reporter& reporter, WalkTally& walks, bool forOneList);

// The same search, its rows printed in `format` as they are found, so that
// the rows held at a time are a few catalogs' or parts' worth: catalogs are
// searched on every core and handed on in their turn; one catalog is cut
// into many parts, and each part's rows are printed once the parts before
// it are. The output is that of one walk after the other: from the first
// part that does not add up to the walk over the whole, the rest is read in
// one walk. `rows` receives the rows printed. False, with nothing printed,
// for one catalog on one core or one that cannot be mapped.
bool StreamCatalogs(const std::vector<std::string>& catalogs, const char* searchText, bool folders, FindFilter& filter,
                    RowFormat format, Reporter& reporter, WalkTally& walks, int& rows);

}  // namespace vardek::cli
