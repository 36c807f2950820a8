#pragma once
// Ordering the file list by a column: names, folders and descriptions as text
// without regard to case, dates by calendar date.
#include <cstdint>
#include <vector>

#include "browse/result_list.h"

namespace vardek {

inline constexpr int kColumnNone = 0;
inline constexpr int kColumnName = 1;
inline constexpr int kColumnDate = 2;
inline constexpr int kColumnFolder = 3;
inline constexpr int kColumnTitle = 4;

// CCYYMMDD from a date text MM/DD/YY or MM-DD-YY (key: 9 bytes). A year of
// more than 80 is in the 1900s, any other in the 2000s; a date text shorter
// than eight characters gives a key that ends where the text does.
void DateSortKey(const char* dateText, char* key);

// The date key as a number, which orders as the key does; false when its
// eight characters are not all digits (a date text of another shape).
bool DateKeyNumber(const char* dateText, std::uint64_t& number);

// The text of a row in column 1, 3 or 4 (name, folder, disc description);
// any other column gives the description.
const char* RowText(const ResultList& list, const ResultRow& row, int column);

// Negative when row a goes first. `descending` exchanges the rows; any column
// other than 1-4 compares all rows as equal.
int CompareRows(const ResultList& list, int rowA, int rowB, int column, bool descending);

// Sorts row indexes by CompareRows; rows that compare equal keep their order.
void SortRowOrder(const ResultList& list, std::vector<int>& order, int column, bool descending);

// The header-click state of the file list: each of the columns 1-4 alternates
// ascending/descending on its own; a fill of the list resets them.
class SortState {
 public:
  // Call on every fill of the list.
  void ResetDirections();
  // A click on a column header: afterwards Column() and Descending() give
  // the sort to run.
  void Click(int column);

  int Column() const { return column_; }
  bool Descending() const { return direction_ != 0; }

 private:
  int direction_ = 0;
  int columnFlags_[4] = {0, 0, 0, 0};
  int column_ = 0;
};

}  // namespace vardek
