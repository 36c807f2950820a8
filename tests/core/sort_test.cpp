#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "browse/sort.h"
#include "platform/text_compare.h"

namespace vardek {
namespace {

std::string Key(const char* dateText) {
  char key[9];
  DateSortKey(dateText, key);
  return key;
}

TEST(DateSortKey, PlacesYearsInACentury) {
  EXPECT_EQ(Key("01/01/81"), "19810101");
  EXPECT_EQ(Key("12/31/99"), "19991231");
  EXPECT_EQ(Key("01/01/00"), "20000101");
  EXPECT_EQ(Key("12/31/79"), "20791231");
  EXPECT_EQ(Key("01/01/80"), "20800101");  // 80 is not more than 80
  EXPECT_EQ(Key("05-07-03"), Key("05/07/03"));
}

TEST(DateSortKey, ShortTextsEndTheKeyEarly) {
  EXPECT_EQ(Key(""), "20");
  EXPECT_EQ(Key("01/02/"), "20");
  EXPECT_EQ(Key("01/02/9"), "209");
  EXPECT_EQ(Key("01/02/99 and more"), "19990102");
}

class SortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(list.Reset()); }
  void Add(const char* name, const char* date, const char* folder = "", const char* title = "T") {
    ASSERT_TRUE(list.AddRow(name, date, list.AddFolder(folder), list.AddTitle(title)));
  }
  std::vector<std::string> Sorted(int column, bool descending) {
    std::vector<int> order(static_cast<std::size_t>(list.Count()));
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(list, order, column, descending);
    std::vector<std::string> names;
    for (int index : order) names.push_back(list.Name(list.Row(index)));
    return names;
  }
  ResultList list;
};

TEST_F(SortTest, DatesSortByCalendar) {
  Add("1980", "01/01/80");
  Add("1999", "12/31/99");
  Add("2079", "12/31/79");
  Add("1981", "01/01/81");
  Add("2000", "01/01/00");
  EXPECT_EQ(Sorted(kColumnDate, false), (std::vector<std::string>{"1981", "1999", "2000", "2079", "1980"}));
  EXPECT_EQ(Sorted(kColumnDate, true), (std::vector<std::string>{"1980", "2079", "2000", "1999", "1981"}));
}

TEST_F(SortTest, EqualDatesAndOtherColumnsKeepCatalogOrder) {
  Add("dash", "05-07-03");
  Add("slash", "05/07/03");
  Add("folder1", "");
  Add("folder2", "");
  EXPECT_EQ(CompareRows(list, 0, 1, kColumnDate, false), 0);
  EXPECT_EQ(CompareRows(list, 2, 3, kColumnDate, false), 0);
  EXPECT_EQ(CompareRows(list, 0, 2, kColumnNone, false), 0);
  EXPECT_EQ(CompareRows(list, 0, 2, 7, false), 0);
  EXPECT_EQ(Sorted(kColumnNone, false), (std::vector<std::string>{"dash", "slash", "folder1", "folder2"}));
}

TEST_F(SortTest, TextColumnsIgnoreCase) {
  Add("c", "", "\\b", "Zed");
  Add("B", "", "\\A", "alpha");
  Add("a", "", "\\C", "Mid");
  EXPECT_EQ(Sorted(kColumnName, false), (std::vector<std::string>{"a", "B", "c"}));
  EXPECT_EQ(Sorted(kColumnName, true), (std::vector<std::string>{"c", "B", "a"}));
  EXPECT_EQ(Sorted(kColumnFolder, false), (std::vector<std::string>{"B", "c", "a"}));
  EXPECT_EQ(Sorted(kColumnTitle, false), (std::vector<std::string>{"B", "a", "c"}));
  EXPECT_LT(CompareRows(list, 2, 1, kColumnName, false), 0);
  EXPECT_GT(CompareRows(list, 2, 1, kColumnName, true), 0);
}

TEST(TextCompare, IsCaseInsensitiveAndLocaleLike) {
  using platform::CompareText;
  using platform::CompareTextNoCase;
  EXPECT_EQ(CompareTextNoCase("README.TXT", "readme.txt"), 0);
  EXPECT_LT(CompareTextNoCase("a", "B"), 0);
  EXPECT_LT(CompareTextNoCase("B", "c"), 0);
  EXPECT_LT(CompareTextNoCase("abc", "abcd"), 0);
  EXPECT_LT(CompareTextNoCase("", "a"), 0);
  EXPECT_LT(CompareTextNoCase("9", "a"), 0);  // digits before letters
  EXPECT_LT(CompareTextNoCase("_x", "9"), 0);  // symbols before digits
  EXPECT_LT(CompareTextNoCase("_x", "a"), 0);
  EXPECT_GT(CompareTextNoCase("co-op", "con"), 0);  // the hyphen is passed over first
  EXPECT_NE(CompareTextNoCase("co-op", "coop"), 0);
  EXPECT_EQ(CompareText("19990101", "19990101"), 0);
  EXPECT_LT(CompareText("19990101", "20000101"), 0);
  EXPECT_NE(CompareText("a", "A"), 0);
#ifndef _WIN32
  // Windows-1252 letters: accents beside their base letter, case folded.
  EXPECT_LT(CompareTextNoCase("e", "\xE9"), 0);    // e < é
  EXPECT_LT(CompareTextNoCase("\xE9", "f"), 0);    // é < f
  EXPECT_EQ(CompareTextNoCase("\xC9T\xC9", "\xE9t\xE9"), 0);  // ÉTÉ == été
  EXPECT_EQ(CompareTextNoCase("\x8A", "\x9A"), 0);  // Š == š
  EXPECT_LT(CompareText("a", "A"), 0);  // small before capital
#endif
}

TEST(SortState, EachColumnAlternatesOnItsOwn) {
  SortState state;
  state.Click(kColumnName);
  EXPECT_EQ(state.Column(), kColumnName);
  EXPECT_FALSE(state.Descending());
  state.Click(kColumnName);
  EXPECT_TRUE(state.Descending());
  state.Click(kColumnDate);  // a fresh column starts ascending
  EXPECT_EQ(state.Column(), kColumnDate);
  EXPECT_FALSE(state.Descending());
  state.Click(kColumnName);  // third click on the name: ascending again
  EXPECT_FALSE(state.Descending());
  state.Click(kColumnName);
  EXPECT_TRUE(state.Descending());
  // Column 0 keeps the direction and changes no flag.
  state.Click(kColumnNone);
  EXPECT_EQ(state.Column(), kColumnNone);
  EXPECT_TRUE(state.Descending());
  state.Click(kColumnDate);
  EXPECT_TRUE(state.Descending());  // the date's second click
  // A fill resets the alternation.
  state.Click(kColumnFolder);
  state.ResetDirections();
  state.Click(kColumnFolder);
  EXPECT_FALSE(state.Descending());
  state.Click(kColumnDate);
  EXPECT_FALSE(state.Descending());
}

TEST(SortRowOrder, KeyedSortAgreesWithThePlainComparisonOnRandomRows) {
  std::mt19937 random(5);
  // Case, accents, ignored hyphens and apostrophes, digits, symbols, shared
  // prefixes longer than the keys, and dates of every shape; every fourth
  // round few texts over many rows (long runs of one key), in any order.
  const std::string pieces[] = {"a", "A", "\xE9", "\xC9", "e", "-", "'", "1", "9", "_", ".", "summer_budget4", "zz", "\xDF"};
  const std::string dates[] = {"01/02/99", "12/31/03", "01-02-99", "", "1/2/3", "00/00/00", "02/30/80", "ab/cd/ef",
                               "01/02/9", "12/31/79x"};
  for (int round = 0; round < 40; ++round) {
    ResultList list;
    ASSERT_TRUE(list.Reset());
    const bool fewTexts = round % 4 == 0;
    const int rows = 1 + static_cast<int>(random() % (fewTexts ? 1500 : 300));
    for (int r = 0; r < rows; ++r) {
      std::string texts[3];
      for (std::string& text : texts) {
        for (unsigned n = random() % (fewTexts ? 3 : 6); n > 0; --n) text += pieces[random() % (fewTexts ? 4 : 14)];
      }
      ASSERT_TRUE(list.AddRow(texts[0], dates[random() % 10], list.AddFolder(texts[1]), list.AddTitle(texts[2])));
    }
    for (int column = kColumnName; column <= kColumnTitle; ++column) {
      for (bool descending : {false, true}) {
        std::vector<int> keyed(static_cast<std::size_t>(rows));
        std::iota(keyed.begin(), keyed.end(), 0);
        if (round % 3 == 0) std::shuffle(keyed.begin(), keyed.end(), random);
        std::vector<int> plain = keyed;
        SortRowOrder(list, keyed, column, descending);
        std::stable_sort(plain.begin(), plain.end(),
                         [&](int a, int b) { return CompareRows(list, a, b, column, descending) < 0; });
        ASSERT_EQ(keyed, plain) << "round " << round << " column " << column << " descending " << descending;
      }
    }
  }
}

}  // namespace
}  // namespace vardek
