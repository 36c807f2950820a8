#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

TEST(Wildcard, MatchesTheWholeNameAtItsBoundaries) {
  struct Case {
    const char* name;
    const char* pattern;  // already lowered, as the search hands it over
    bool matches;
  };
  const Case cases[] = {
      {"anything.txt", "*", true},     {"", "*", true},
      {"", "?", false},                {"a", "?", true},
      {"ab", "?", false},              {"setup01.exe", "setup??.exe", true},
      {"setup1.exe", "setup??.exe", false}, {"setup001.exe", "setup??.exe", false},
      {"SEA.JPEG", "*.jp*g", true},    {"beach.jpg", "*.jp*g", true},
      {"beach.jpg.bak", "*.jp*g", false}, {"my.jpg", "my*", true},
      {"xmy.jpg", "my*", false},       {"readme", "*me", true},
      {"readme.txt", "*me", false},    {"WIN.INI", "win.ini*", true},
      {"a*b", "a*b", true},            {"axxb", "a*b", true},
      {"a[1].txt", "a[?].txt", true},  {"CAF\xC9.TXT", "caf\xE9*", false},
      {"CAF\xE9.TXT", "caf\xE9*", true}, {"aaab", "*a*ab", true},
      {"ab", "*?*?*", true},           {"a", "*?*?*", false},
  };
  for (const Case& c : cases) EXPECT_EQ(WildcardMatches(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

// Every way of fitting the pattern tried, cell by cell: the rule itself.
bool FitsByEveryWay(std::string_view name, std::string_view pattern) {
  std::vector<std::vector<char>> fits(name.size() + 1, std::vector<char>(pattern.size() + 1, 0));
  fits[0][0] = 1;
  for (std::size_t p = 1; p <= pattern.size(); ++p) fits[0][p] = fits[0][p - 1] && pattern[p - 1] == '*';
  for (std::size_t n = 1; n <= name.size(); ++n) {
    for (std::size_t p = 1; p <= pattern.size(); ++p) {
      const char c = pattern[p - 1];
      if (c == '*') fits[n][p] = fits[n][p - 1] || fits[n - 1][p];
      else fits[n][p] = fits[n - 1][p - 1] && (c == '?' || c == LowerAsciiChar(name[n - 1]));
    }
  }
  return fits[name.size()][pattern.size()] != 0;
}

TEST(Wildcard, AgreesWithTryingEveryWayOnRandomNames) {
  std::mt19937 random(5);
  const char names[] = {'a', 'A', 'b', '.', '\xE9'};
  const char patterns[] = {'a', 'b', '.', '*', '*', '?', '\xE9'};
  for (int round = 0; round < 20000; ++round) {
    std::string name(random() % 9, ' ');
    for (char& c : name) c = names[random() % sizeof names];
    std::string pattern(random() % 7, ' ');
    for (char& c : pattern) c = patterns[random() % sizeof patterns];
    ASSERT_EQ(WildcardMatches(name, pattern), FitsByEveryWay(name, pattern)) << name << " ~ " << pattern;
  }
}

TEST(Wildcard, IsAPatternOnlyWithAStarOrQuestionMark) {
  EXPECT_TRUE(IsWildcardPattern("*.jpg"));
  EXPECT_TRUE(IsWildcardPattern("a?"));
  EXPECT_FALSE(IsWildcardPattern("a[1].txt"));
  EXPECT_EQ(LongestLiteralRun("*.jp*g"), ".jp");
  EXPECT_EQ(LongestLiteralRun("setup??.exe"), "setup");
  EXPECT_EQ(LongestLiteralRun("**?"), "");
}

TEST(FileDate, FollowsTheCatalogsCenturyRuleAtItsEdges) {
  struct Case {
    const char* text;
    bool readable;
    std::uint32_t number;
  };
  const Case cases[] = {
      {"01/01/80", true, 19800101}, {"12/31/79", false, 0},        {"12/31/99", true, 19991231},
      {"01/01/00", true, 20000101}, {"12/31/50", true, 20501231},  {"01/01/51", false, 0},
      {"02/29/96", true, 19960229}, {"02/29/97", false, 0},        {"13/01/99", false, 0},
      {"05-05-95", true, 19950505}, {"", false, 0},                {"garbage!", false, 0},
  };
  for (const Case& c : cases) {
    std::uint32_t number = 0;
    EXPECT_EQ(FileDateNumber(c.text, number), c.readable) << c.text;
    if (c.readable) {
      EXPECT_EQ(number, c.number) << c.text;
    }
  }
}

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("a.cat", Lines({"|||Holiday Photos", "BEACH.JPG:01/01/80", "sea.jpeg:12/31/79",
                                 "setup01.exe:06/15/50", "setup1.exe:01/01/51", "\\Pics", "x.jpg:13/01/99", "..",
                                 "<eof>", "|||Work 2002", "report.jpg:02/02/02", "last.jpg:12/31/50", "<eof>"}));
  }
  std::vector<std::string> Find(const char* text, FindFilter& filter) {
    EXPECT_TRUE(list.Reset());
    EXPECT_EQ(CollectFiles(reader, folder.Path("a.cat").c_str(), "", text, list, reporter, {}, &filter),
              WalkOutcome::Complete);
    return test::RowTexts(list);
  }
  static FindFilter Dates(std::uint32_t since, std::uint32_t until) {
    FindFilter filter;
    filter.dated = true;
    filter.since = since;
    filter.until = until;
    return filter;
  }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
  ResultList list;
};

TEST_F(FilterTest, WildcardSearchesEveryTitleCaseFolded) {
  FindFilter filter;
  filter.wildcard = true;
  EXPECT_EQ(Find("*.jp*g", filter),
            (std::vector<std::string>{"BEACH.JPG|01/01/80|\\|Holiday Photos", "sea.jpeg|12/31/79|\\|Holiday Photos",
                                      "x.jpg|13/01/99|\\Pics|Holiday Photos", "report.jpg|02/02/02|\\|Work 2002",
                                      "last.jpg|12/31/50|\\|Work 2002"}));
  EXPECT_EQ(Find("SETUP??.EXE", filter), (std::vector<std::string>{"setup01.exe|06/15/50|\\|Holiday Photos"}));
  EXPECT_EQ(Find("*", filter).size(), 7u);
}

TEST_F(FilterTest, DatesAreInclusiveAndUnreadableOnesCounted) {
  struct Case {
    std::uint32_t since, until;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {19800101, 19800101, {"BEACH.JPG"}},  // since = until: that one day
      {19791231, 19800101, {"BEACH.JPG"}},  // 79 is no year of a catalog
      {20501231, 20501231, {"last.jpg"}},
      {20501231, 20510101, {"last.jpg"}},   // nor is 51
      {19800102, 20020202, {"report.jpg"}},  // 06/15/50 is 2050, after it
      {0, 99999999, {"BEACH.JPG", "setup01.exe", "report.jpg", "last.jpg"}},
  };
  for (const Case& c : cases) {
    FindFilter filter = Dates(c.since, c.until);
    std::vector<std::string> names;
    Find("", filter);
    for (int i = 0; i < list.Count(); ++i) names.emplace_back(list.Name(list.Row(i)));
    EXPECT_EQ(names, c.names) << c.since << ".." << c.until;
    EXPECT_EQ(filter.undated, 3) << c.since << ".." << c.until;
  }
}

TEST_F(FilterTest, DiscAndCombinedFilters) {
  FindFilter filter;
  filter.byDisc = true;
  filter.disc = "work";
  EXPECT_EQ(Find("jpg", filter),
            (std::vector<std::string>{"report.jpg|02/02/02|\\|Work 2002", "last.jpg|12/31/50|\\|Work 2002"}));
  filter.disc = "photo";
  filter.wildcard = true;
  filter.dated = true;
  filter.since = 19800101;
  filter.until = 20501231;
  EXPECT_EQ(Find("*.jp*g", filter), (std::vector<std::string>{"BEACH.JPG|01/01/80|\\|Holiday Photos"}));
  // Only files the name and the disc let through are counted as unreadable.
  EXPECT_EQ(filter.undated, 2);
  filter.disc = "no such disc";
  EXPECT_TRUE(Find("*", filter).empty());
}

// A search passes by the places of its text on lines that fail its tests,
// judging a line by its stored bytes only where the reader reads them so.
TEST_F(FilterTest, LinesTheReaderReadsOtherwiseAreJudgedAsRead) {
  // 258 characters and CR LF: one line. 275: the reader cuts it after 259,
  // and the rest, "hit.jpg:01/01/04", is a file line of its own.
  const std::string whole = "a:" + std::string(240, 'b') + "hit.jpg:01/01/04";
  const std::string cutShort = "a:" + std::string(257, 'b') + "hit.jpg:01/01/04";
  folder.Write("a.cat", Lines({"|||Disc", whole, cutShort, "hit.j\rpg:01/01/04", "hit.jpg:01/01/79", "<eof>"}));
  FindFilter filter = Dates(20040101, 20041231);
  EXPECT_EQ(Find("hit.jpg", filter),
            (std::vector<std::string>{"hit.jpg|01/01/04|\\|Disc", "hit.jpg|01/01/04|\\|Disc"}));
  EXPECT_EQ(filter.undated, 1);
  filter = Dates(0, 99999999);
  filter.wildcard = true;
  EXPECT_EQ(Find("hit.jpg", filter).size(), 2u);
}

TEST_F(FilterTest, FolderPatternIsOverTheFoldersName) {
  FindFilter filter;
  filter.wildcard = true;
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, folder.Path("a.cat").c_str(), "p?cs", list, reporter, {}, &filter),
            WalkOutcome::Complete);
  EXPECT_EQ(test::RowTexts(list), (std::vector<std::string>{"||\\Pics|Holiday Photos"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, folder.Path("a.cat").c_str(), "ics", list, reporter, {}, &filter),
            WalkOutcome::Complete);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace vardek
