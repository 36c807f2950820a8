#include "browse/row_sort_keys.h"

#include <utility>

#include "browse/sort.h"
#include "platform/text_compare.h"

namespace vardek {

namespace {

constexpr std::uint64_t kNoKey = ~std::uint64_t{0};

std::uint64_t DateKeyOf(const char* dateText) {
  std::uint64_t number = 0;
  return DateKeyNumber(dateText, number) ? number : kNoKey;
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

RowSortKeys::RowSortKeys(const ResultList& list, int column)
    : list_(list), column_(column), count_(list.HeldRowCount()) {
  const int count = count_;
  if (column == kColumnDate) {
    dates_.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) dates_.push_back(DateKeyOf(list.Date(list.Row(row)).text));
    return;
  }
  if (column != kColumnName && column != kColumnFolder && column != kColumnTitle) return;
  starts_.reserve(static_cast<std::size_t>(count) + 1);
  starts_.push_back(0);
  for (int row = 0; row < count; ++row) {
    // A platform without keys says so at the first row; a row without a
    // key (none could be made) is compared by its text.
    if (!platform::AppendSortKeyNoCase(RowText(list, list.Row(row), column), keys_) && row == 0) {
      starts_.clear();
      return;
    }
    starts_.push_back(keys_.size());
  }
}

std::string_view RowSortKeys::TextKey(int row) const {
  const std::size_t start = starts_[static_cast<std::size_t>(row)];
  return std::string_view(keys_).substr(start, starts_[static_cast<std::size_t>(row) + 1] - start);
}

int RowSortKeys::Compare(int rowA, int rowB, bool descending) const {
  if (rowA < 0 || rowB < 0 || rowA >= count_ || rowB >= count_) return 0;
  if (descending) std::swap(rowA, rowB);
  if (!dates_.empty()) {
    const std::uint64_t a = dates_[static_cast<std::size_t>(rowA)];
    const std::uint64_t b = dates_[static_cast<std::size_t>(rowB)];
    if (a != kNoKey && b != kNoKey) return a < b ? -1 : a > b ? 1 : 0;
  } else if (!starts_.empty()) {
    const std::string_view a = TextKey(rowA);
    const std::string_view b = TextKey(rowB);
    if (!a.empty() && !b.empty()) return Sign(a.compare(b));
  }
  return Sign(CompareRows(list_, rowA, rowB, column_, false));
}

}  // namespace vardek
