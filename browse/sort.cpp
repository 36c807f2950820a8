#include "browse/sort.h"

#include <algorithm>

#include <cstdint>
#include <cstring>

#include "platform/text_compare.h"

namespace vardek {

namespace {

// The number from `text` on as atoi reads it: blanks, a sign, digits.
int ReadYearNumber(const char* text) {
  while (*text == ' ' || *text == '\t') ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  int value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value < 100000) value = value * 10 + (*text - '0');
  }
  return negative ? -value : value;
}

}  // namespace

void DateSortKey(const char* dateText, char* key) {
  // The text's characters up to position 7, zero from its terminator on
  // (what a zero-filled row holds), never read beyond the terminator.
  char at[8] = {};
  for (int i = 0; i < 8 && dateText[i] != '\0'; ++i) at[i] = dateText[i];
  const bool nineteen = at[6] != '\0' && ReadYearNumber(dateText + 6) > 80;
  key[0] = nineteen ? '1' : '2';
  key[1] = nineteen ? '9' : '0';
  key[2] = at[6];
  key[3] = at[7];
  key[4] = at[0];
  key[5] = at[1];
  key[6] = at[3];
  key[7] = at[4];
  key[8] = '\0';
}

bool DateKeyNumber(const char* dateText, std::uint64_t& number) {
  char key[9];
  DateSortKey(dateText, key);
  number = 0;
  for (int i = 0; i < 8; ++i) {
    if (key[i] < '0' || key[i] > '9') return false;
    number = number * 10 + static_cast<std::uint64_t>(key[i] - '0');
  }
  return true;
}

const char* RowText(const ResultList& list, const ResultRow& row, int column) {
  switch (column) {
    case kColumnName: return list.Name(row);
    case kColumnFolder: return list.Folder(row);
    default: return list.Title(row);
  }
}

int CompareRows(const ResultList& list, int rowA, int rowB, int column, bool descending) {
  if (descending) std::swap(rowA, rowB);
  const ResultRow& a = list.Row(rowA);
  const ResultRow& b = list.Row(rowB);
  switch (column) {
    case kColumnName: return platform::CompareTextNoCase(list.Name(a), list.Name(b));
    case kColumnDate: {
      char keyA[9];
      char keyB[9];
      DateSortKey(list.Date(a).text, keyA);
      DateSortKey(list.Date(b).text, keyB);
      return platform::CompareText(keyA, keyB);
    }
    case kColumnFolder: return platform::CompareTextNoCase(list.Folder(a), list.Folder(b));
    case kColumnTitle: return platform::CompareTextNoCase(list.Title(a), list.Title(b));
    default: return 0;
  }
}

namespace {

// A row's key, worked out once before the sort, and where the row stood
// before the sort.
struct KeyedRow {
  platform::SortPrefix key;
  int row;
  int position = 0;
};

const char* TextOf(const ResultList& list, int index, int column) { return RowText(list, list.Row(index), column); }

// A date key of eight digits (every usual date text) marks itself in `low`;
// other dates get no key.
platform::SortPrefix DatePrefix(const char* dateText) {
  std::uint64_t number = 0;
  if (!DateKeyNumber(dateText, number)) return {};
  return {number, 1};
}

KeyedRow KeyOf(const ResultList& list, int index, int column) {
  switch (column) {
    case kColumnName:
    case kColumnFolder:
    case kColumnTitle: return {platform::SortPrefixNoCase(TextOf(list, index, column)), index};
    case kColumnDate: return {DatePrefix(list.Date(list.Row(index)).text), index};
    default: return {{}, index};
  }
}

// What the keys alone tell: negative or positive when they decide, 0 when
// the rows are equal, kUndecided when the texts must be compared.
constexpr int kUndecided = 2;

int DateKeyOrder(const KeyedRow& a, const KeyedRow& b) {
  if (a.key.low != 1 || b.key.low != 1) return kUndecided;  // a date of another shape
  return a.key.high < b.key.high ? -1 : a.key.high > b.key.high ? 1 : 0;
}

// Sorts a run of rows by `less`, rows it finds equal in the order they stand;
// a short run (most of them) without the buffer of a stable sort.
template <typename Less>
void SortRunStably(std::vector<KeyedRow>::iterator first, std::vector<KeyedRow>::iterator last, Less less) {
  constexpr std::ptrdiff_t kShortRun = 24;
  if (last - first > kShortRun) {
    std::stable_sort(first, last, less);
    return;
  }
  for (auto next = first + 1; next < last; ++next) {
    const KeyedRow moving = *next;
    auto place = next;
    for (; place != first && less(moving, *(place - 1)); --place) *place = *(place - 1);
    *place = moving;
  }
}

// Text columns: the rows are sorted by their keys alone, rows of one key in
// the order they stood; then each run of one key whose texts are not all the
// same is put in order by the texts in full. Where keys differ their order is
// the texts' order, so this is the order of a sort by the texts in full.
void SortByTextKeys(const ResultList& list, std::vector<KeyedRow>& keyed, int column, bool descending) {
  std::sort(keyed.begin(), keyed.end(), [descending](const KeyedRow& a, const KeyedRow& b) {
    if (a.key != b.key) return descending ? b.key < a.key : a.key < b.key;
    return a.position < b.position;
  });
  // A name that many discs hold is the same text over and over.
  const auto byText = [&](const KeyedRow& a, const KeyedRow& b) {
    return std::strcmp(TextOf(list, a.row, column), TextOf(list, b.row, column)) != 0 &&
           CompareRows(list, a.row, b.row, column, descending) < 0;
  };
  for (auto run = keyed.begin(); run != keyed.end();) {
    const char* text = TextOf(list, run->row, column);
    auto runEnd = run + 1;
    bool sameTexts = true;
    for (; runEnd != keyed.end() && runEnd->key == run->key; ++runEnd) {
      sameTexts = sameTexts && std::strcmp(TextOf(list, runEnd->row, column), text) == 0;
    }
    if (!sameTexts) SortRunStably(run, runEnd, byText);
    run = runEnd;
  }
}

}  // namespace

void SortRowOrder(const ResultList& list, std::vector<int>& order, int column, bool descending) {
  std::vector<KeyedRow> keyed(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    keyed[i] = KeyOf(list, order[i], column);
    keyed[i].position = static_cast<int>(i);
  }
  // The desktop list's own sort decides about ties; here equal rows keep
  // their catalog order, so the output of a sort is reproducible.
  if (column == kColumnDate) {
    std::stable_sort(keyed.begin(), keyed.end(), [&](const KeyedRow& a, const KeyedRow& b) {
      const int known = descending ? DateKeyOrder(b, a) : DateKeyOrder(a, b);
      if (known != kUndecided) return known < 0;
      return CompareRows(list, a.row, b.row, column, descending) < 0;
    });
  } else if (column >= kColumnName && column <= kColumnTitle) {
    SortByTextKeys(list, keyed, column, descending);
  }
  // Any other column leaves the order as it is.
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = keyed[i].row;
}

void SortState::ResetDirections() {
  for (int& flag : columnFlags_) flag = 0;
}

void SortState::Click(int column) {
  column_ = column;
  if (column >= kColumnName && column <= kColumnTitle) {
    direction_ = columnFlags_[column - 1];
    columnFlags_[column - 1] = columnFlags_[column - 1] == 0 ? 1 : 0;
  }
}

}  // namespace vardek
