#pragma once
// Files that more than one disc holds. A copy is one file line; copies are
// the same file when their names are equal with A-Z folded to a-z (as find
// compares) and, unless only names count, their date texts are equal. A
// group is kept when its copies lie on at least `minDiscs` disc titles: two
// titles are two discs even with one description, and a name twice on one
// disc makes no group by itself (a kept group lists every copy, both of
// those too).
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

struct DuplicateRules {
  bool nameOnly = false;
  int minDiscs = 2;
};

struct DuplicateGroup {
  std::vector<int> rows;  // rows of the list, in catalog order
  int discs = 0;
};

struct DuplicateResult {
  std::vector<WalkOutcome> outcomes;  // one for each catalog, in order
  std::vector<int> firstRows;         // where each catalog's rows begin in the list
  // In name order: the name sort's comparison of the first copies' names,
  // then their dates, then catalog order.
  std::vector<DuplicateGroup> groups;
  long long copies = 0;
};

// Reads the catalogs twice: first every file's key is kept as a hash with its
// disc, then only the files whose hash lies on enough discs go into `list`
// (reset by the caller) and are grouped by their keys in full. Damage is
// reported once, by the first reading; the second stops where it stopped.
DuplicateResult FindDuplicates(const std::vector<std::string>& catalogs, const DuplicateRules& rules,
                               ResultList& list, Reporter& reporter);

}  // namespace vardek
