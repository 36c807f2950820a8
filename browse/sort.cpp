#include "browse/sort.h"

#include <algorithm>

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
      DateSortKey(a.dateText, keyA);
      DateSortKey(b.dateText, keyB);
      return platform::CompareText(keyA, keyB);
    }
    case kColumnFolder: return platform::CompareTextNoCase(list.Folder(a), list.Folder(b));
    case kColumnTitle: return platform::CompareTextNoCase(list.Title(a), list.Title(b));
    default: return 0;
  }
}

void SortRowOrder(const ResultList& list, std::vector<int>& order, int column, bool descending) {
  // The desktop list's own sort decides about ties; here equal rows keep
  // their catalog order, so the output of a sort is reproducible.
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return CompareRows(list, a, b, column, descending) < 0;
  });
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
