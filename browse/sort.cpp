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

// A row's key, worked out once before the sort, and the text it came from.
struct KeyedRow {
  platform::SortPrefix key;
  const char* text;
  int row;
};

// A date key of eight digits (every usual date text) orders as its number
// does and marks itself in `low`; other dates get no key.
platform::SortPrefix DatePrefix(const char* dateText) {
  char key[9];
  DateSortKey(dateText, key);
  std::uint64_t number = 0;
  for (int i = 0; i < 8; ++i) {
    if (key[i] < '0' || key[i] > '9') return {};
    number = number * 10 + static_cast<std::uint64_t>(key[i] - '0');
  }
  return {number, 1};
}

KeyedRow KeyOf(const ResultList& list, int index, int column) {
  const ResultRow& row = list.Row(index);
  switch (column) {
    case kColumnName: return {platform::SortPrefixNoCase(list.Name(row)), list.Name(row), index};
    case kColumnDate: return {DatePrefix(list.Date(row).text), nullptr, index};
    case kColumnFolder: return {platform::SortPrefixNoCase(list.Folder(row)), list.Folder(row), index};
    case kColumnTitle: return {platform::SortPrefixNoCase(list.Title(row)), list.Title(row), index};
    default: return {{}, nullptr, index};
  }
}

// What the keys alone tell: negative or positive when they decide, 0 when
// the rows are equal, kUndecided when the texts must be compared.
constexpr int kUndecided = 2;

int KeyOrder(const KeyedRow& a, const KeyedRow& b, int column) {
  if (column == kColumnDate) {
    if (a.key.low != 1 || b.key.low != 1) return kUndecided;  // a date of another shape
    return a.key.high < b.key.high ? -1 : a.key.high > b.key.high ? 1 : 0;
  }
  if (column < kColumnName || column > kColumnTitle) return 0;
  if (a.key != b.key) return a.key < b.key ? -1 : 1;
  // The same text (a name that many discs hold) needs no comparison in full.
  return std::strcmp(a.text, b.text) == 0 ? 0 : kUndecided;
}

}  // namespace

void SortRowOrder(const ResultList& list, std::vector<int>& order, int column, bool descending) {
  std::vector<KeyedRow> keyed(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) keyed[i] = KeyOf(list, order[i], column);
  // The desktop list's own sort decides about ties; here equal rows keep
  // their catalog order, so the output of a sort is reproducible.
  std::stable_sort(keyed.begin(), keyed.end(), [&](const KeyedRow& a, const KeyedRow& b) {
    const int known = descending ? KeyOrder(b, a, column) : KeyOrder(a, b, column);
    if (known != kUndecided) return known < 0;
    return CompareRows(list, a.row, b.row, column, descending) < 0;
  });
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
