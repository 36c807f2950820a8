#pragma once
// The keys of every row for a sort by one column, worked out once before a
// sort that compares each row many times (the file list's header click): a
// comparison of two rows is then a comparison of two keys, in exactly the
// order that CompareRows gives.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "browse/result_list.h"

namespace vardek {

class RowSortKeys {
 public:
  // Keys of the rows the list holds (none after it was released) for `column` (1-4; any other
  // column compares all rows as equal).
  RowSortKeys(const ResultList& list, int column);

  // The sign of CompareRows(list, rowA, rowB, column, descending); a row
  // that the list did not hold when the keys were made compares as equal.
  int Compare(int rowA, int rowB, bool descending) const;

 private:
  std::string_view TextKey(int row) const;

  const ResultList& list_;
  int column_;
  int count_;
  // Date column: each row's date key as a number (DateKeyNumber); kNoKey
  // for a date of another shape.
  std::vector<std::uint64_t> dates_;
  // Text columns: the locale's key of row i is keys_[starts_[i], starts_[i + 1]),
  // empty where there is none; no starts at all when the platform has no keys.
  std::string keys_;
  std::vector<std::size_t> starts_;
};

}  // namespace vardek
