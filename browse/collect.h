#pragma once
// The walks over one catalog file that turn its lines into result rows:
// a disc title's files (browse), matching files (search) and matching
// folders. The caller resets the result list; rows of several catalogs
// collect in one list.
#include <functional>

#include "browse/result_list.h"
#include "catalog/catalog_reader.h"
#include "catalog/reporter.h"

namespace vardek {

// Browse mode (`description` not empty): one row for every file line of the
// first disc title with exactly that description. Search mode (`description`
// empty): one row for every file line of the catalog whose name matches
// `searchText` (compared as LowerAscii leaves it; the walk lowers its own copy).
// Reports "Error opening file" (caption the path) and returns false when the
// catalog cannot be mapped; true otherwise, also when the walk ended early on
// a depth error or a full list. `everyLines`, when set, runs every 200 lines
// (the desktop passes none: its walk pumps no messages).
bool CollectFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                  const char* searchText, ResultList& list, Reporter& reporter,
                  const std::function<void()>& everyLines = {});

// Every folder of the catalog whose folder line ("\" and name) matches
// `searchText`: a row with empty name and date and the folder's full path.
bool CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                    ResultList& list, Reporter& reporter, const std::function<void()>& everyLines = {});

}  // namespace vardek
