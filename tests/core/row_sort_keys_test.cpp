#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "browse/row_sort_keys.h"
#include "browse/sort.h"

namespace vardek {
namespace {

// Texts that differ in case only, by accents, by hyphens and apostrophes
// (which the locale weighs last), by control and high bytes, and texts that
// share long beginnings; dates of the usual and of every other shape.
std::string RandomText(std::mt19937& random) {
  static const std::string pieces[] = {"a", "A", "b", "B", "\xE9", "\xC9", "e", "-", "'", "0", "9", "_", ".",
                                       " ", "~", "\x01", "\x7F", "\x80", "\xA0", "\xDF", "\xFF", "photo_00"};
  std::string text;
  for (unsigned n = random() % 6; n > 0; --n) text += pieces[random() % std::size(pieces)];
  return text;
}

TEST(RowSortKeys, OrderRowsExactlyAsTheRowComparison) {
  static const char* const dates[] = {"01/02/99", "12/31/03", "01-02-99", "", "1/2/3", "00/00/00",
                                      "02/30/80", "ab/cd/ef", "01/02/9", "12/31/79x", "99/99/99"};
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    ResultList list;
    ASSERT_TRUE(list.Reset());
    const int rows = 1 + static_cast<int>(random() % 400);
    for (int r = 0; r < rows; ++r) {
      const std::uint32_t folder = list.AddFolder(RandomText(random));
      const std::uint32_t title = list.AddTitle(RandomText(random));
      ASSERT_TRUE(list.AddRow(RandomText(random), dates[random() % std::size(dates)], folder, title));
    }
    for (int column = kColumnNone; column <= kColumnTitle + 1; ++column) {
      const RowSortKeys keys(list, column);
      for (bool descending : {false, true}) {
        // Every pair, and the whole order a sort makes of them.
        for (int a = 0; a < rows; ++a) {
          for (int b = 0; b < rows; b += 1 + static_cast<int>(random() % 7)) {
            const int plain = CompareRows(list, a, b, column, descending);
            ASSERT_EQ(keys.Compare(a, b, descending), (plain > 0) - (plain < 0))
                << "column " << column << " rows " << a << ", " << b;
          }
        }
        std::vector<int> keyed(static_cast<std::size_t>(rows));
        std::iota(keyed.begin(), keyed.end(), 0);
        std::shuffle(keyed.begin(), keyed.end(), random);
        std::vector<int> plain = keyed;
        std::stable_sort(keyed.begin(), keyed.end(), [&](int a, int b) { return keys.Compare(a, b, descending) < 0; });
        std::stable_sort(plain.begin(), plain.end(),
                         [&](int a, int b) { return CompareRows(list, a, b, column, descending) < 0; });
        ASSERT_EQ(keyed, plain) << "round " << round << " column " << column << " descending " << descending;
      }
    }
  }
}

// The catalogs were unloaded: the blocks are gone but the count stays, and a
// header click still makes keys. They must read no row.
TEST(RowSortKeys, AReleasedListHasNoRowsToRead) {
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const std::uint32_t folder = list.AddFolder("\\");
  const std::uint32_t title = list.AddTitle("Disc");
  for (const char* name : {"b.txt", "a.txt", "c.txt"}) ASSERT_TRUE(list.AddRow(name, "01/02/03", folder, title));
  list.Release();
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.HeldRowCount(), 0);
  for (int column : {kColumnName, kColumnDate, kColumnFolder, kColumnTitle}) {
    const RowSortKeys keys(list, column);
    EXPECT_EQ(keys.Compare(0, 1, false), 0) << column;
  }
}

}  // namespace
}  // namespace vardek
