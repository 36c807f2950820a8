#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "catalog/folder_path.h"
#include "browse/result_list.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

using test::RowTexts;

std::string Nested(int levels) {
  std::string text = "|||Deep\r\n";
  for (int i = 1; i <= levels; ++i) text += "\\L" + std::to_string(i) + "\r\n";
  text += "bottom.txt:01/01/01\r\n";
  for (int i = 1; i <= levels; ++i) text += "..\r\n";
  return text + "<eof>\r\n";
}

TEST(StringPool, HandsOutOffsetsThatSurviveGrowth) {
  StringPool pool;
  ASSERT_TRUE(pool.Start(16, 8));
  const std::uint32_t first = pool.Add("abcdef");
  const std::uint32_t second = pool.Add("ghijklmnop");  // passes capacity: grows
  EXPECT_EQ(first, 0u);
  EXPECT_EQ(second, 7u);
  EXPECT_GE(pool.Capacity(), 18u);
  EXPECT_STREQ(pool.At(first), "abcdef");
  EXPECT_STREQ(pool.At(second), "ghijklmnop");
  // A text longer than one growth step still fits whole.
  const std::string longText(100, 'x');
  const std::uint32_t third = pool.Add(longText);
  ASSERT_NE(third, kNoOffset);
  EXPECT_EQ(pool.At(third), longText);
}

TEST(StringPool, FailedGrowthStoresNothing) {
  StringPool pool;
  pool.SetCapacityLimit(20);
  ASSERT_TRUE(pool.Start(16, 8));
  EXPECT_EQ(pool.Add("0123456789"), 0u);
  EXPECT_EQ(pool.Add("0123456789"), kNoOffset);  // would need 24 bytes
  EXPECT_EQ(pool.Used(), 11u);
  EXPECT_EQ(pool.Add("abc"), 11u);  // still room for a short one
  StringPool never;
  EXPECT_EQ(never.Add("x"), kNoOffset);
}

TEST(ResultList, ResetAllocatesTheDesignSizes) {
  ResultList list;
  ASSERT_TRUE(list.Reset());
  EXPECT_EQ(list.RowCapacity(), 10000u);
  EXPECT_EQ(list.Names().Capacity(), 128000u);
  EXPECT_EQ(list.Folders().Capacity(), 128000u);
  EXPECT_EQ(list.Titles().Capacity(), 128000u);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Usable());
  list.SetRowLimit(5000);
  EXPECT_FALSE(list.Reset());
  EXPECT_FALSE(list.Usable());
}

// A list of a search of many catalogs starts small and grows past its first
// sizes with every row and text kept.
TEST(ResultList, ASmallStartGrowsLikeAnyList) {
  ResultList list;
  ASSERT_TRUE(list.Reset(kSmallListStart));
  EXPECT_EQ(list.RowCapacity(), kSmallListStart.rows);
  EXPECT_EQ(list.Names().Capacity(), kSmallListStart.poolBytes);
  const std::uint32_t title = list.AddTitle("Disc");
  const std::string longName(250, 'n');
  for (int i = 0; i < 3000; ++i) {
    const std::uint32_t folder = list.AddFolder("\\F" + std::to_string(i));
    ASSERT_TRUE(list.AddRow(longName + std::to_string(i), "01/01/01", folder, title)) << i;
  }
  EXPECT_GT(list.RowCapacity(), kSmallListStart.rows);
  EXPECT_EQ(list.Name(list.Row(2999)), longName + "2999");
  EXPECT_STREQ(list.Folder(list.Row(0)), "\\F0");
  EXPECT_STREQ(list.Title(list.Row(1500)), "Disc");
}

TEST(ResultList, EmptyFolderIsStoredAsBackslashAndDatesAreCut) {
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const std::uint32_t root = list.AddFolder("");
  const std::uint32_t title = list.AddTitle("Disc");
  ASSERT_TRUE(list.AddRow("a.txt", "01/02/03-and-a-lot-more", root, title));
  const ResultRow& row = list.Row(0);
  EXPECT_STREQ(list.Folder(row), "\\");
  EXPECT_STREQ(list.Date(row).text, "01/02/03-an");  // 11 characters
  EXPECT_EQ(list.Date(row).text[11], '\0');
  ASSERT_TRUE(list.AddRow("b.txt", "", root, title));
  const ResultRow& folderLike = list.Row(1);
  for (char c : list.Date(folderLike).text) EXPECT_EQ(c, '\0');  // zero-filled behind the terminator
}

TEST(ResultList, EveryDateTextComesBackAsItWasGiven) {
  // Packed (the usual shapes), kept in the pool (any other), cut at 11
  // characters or at a NUL byte, and empty.
  const struct {
    std::string given;
    const char* shown;
  } cases[] = {{"01/02/03", "01/02/03"}, {"12-31-99", "12-31-99"}, {"09/30-00", "09/30-00"},
               {"00/00/00", "00/00/00"}, {"1/2/3", "1/2/3"}, {"01/02/0x", "01/02/0x"},
               {"01/02/033", "01/02/033"}, {"01.02.03", "01.02.03"}, {"", ""},
               {"01/01/2001 and more", "01/01/2001 "}, {std::string("01/0\0/03", 8), "01/0"},
               // Next to the digits and separators: ':' and '/' beside '0' to '9', '+' and '.'
               // beside '-' and '/', a byte past 0x7F.
               {"99-12-09", "99-12-09"}, {"0:/02/03", "0:/02/03"}, {"01/02/0/", "01/02/0/"},
               {"01+02/03", "01+02/03"}, {"01/02.03", "01/02.03"}, {"01/02/0\xb9", "01/02/0\xb9"}};
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const std::uint32_t folder = list.AddFolder("");
  const std::uint32_t title = list.AddTitle("T");
  for (const auto& c : cases) ASSERT_TRUE(list.AddRow("n", c.given, folder, title));
  for (int i = 0; i < list.Count(); ++i) {
    const RowDate date = list.Date(list.Row(i));
    EXPECT_STREQ(date.text, cases[i].shown) << i;
    for (std::size_t at = std::strlen(date.text); at < sizeof date.text; ++at) EXPECT_EQ(date.text[at], '\0') << i;
  }
  EXPECT_EQ(sizeof(ResultRow), 16u);
}

TEST(ResultList, RowsGrowBeyondTenThousandInFewLargeSteps) {
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const std::uint32_t folder = list.AddFolder("\\DATA");
  const std::uint32_t title = list.AddTitle("Disc");
  std::vector<std::uint32_t> capacities{list.RowCapacity()};
  for (int i = 0; i < 100000; ++i) {
    ASSERT_TRUE(list.AddRow("f" + std::to_string(i), "01/01/01", folder, title)) << i;
    if (list.RowCapacity() != capacities.back()) capacities.push_back(list.RowCapacity());
  }
  EXPECT_EQ(list.Count(), 100000);
  EXPECT_STREQ(list.Name(list.Row(0)), "f0");
  EXPECT_STREQ(list.Name(list.Row(99999)), "f99999");
  EXPECT_STREQ(list.Folder(list.Row(10000)), "\\DATA");
  // Whole steps of 2,000 rows, and few of them: a step at a time would move
  // the block 45 times.
  for (std::uint32_t capacity : capacities) EXPECT_EQ((capacity - 10000) % 2000, 0u) << capacity;
  EXPECT_LE(capacities.size(), 8u);
}

TEST(ResultList, ListIsFullAtTheSameRowAsWhenItGrewAStepAtATime) {
  // Row-array growth stops at the limit; the list takes as many rows as
  // whole steps of 2,000 past 10,000 allow.
  const struct {
    std::uint32_t limit;
    int rows;
  } cases[] = {{10000, 10000}, {11999, 10000}, {12000, 12000}, {13000, 12000},
               {15999, 14000}, {16000, 16000}, {17999, 16000}, {25000, 24000}};
  for (const auto& c : cases) {
    ResultList list;
    list.SetRowLimit(c.limit);
    ASSERT_TRUE(list.Reset());
    const std::uint32_t folder = list.AddFolder("");
    const std::uint32_t title = list.AddTitle("Disc");
    int added = 0;
    while (list.AddRow("f", "", folder, title)) ++added;
    EXPECT_EQ(list.Count(), c.rows) << c.limit;
    EXPECT_EQ(added, c.rows - 1) << c.limit;  // the row that filled the array stays
    EXPECT_FALSE(list.Usable()) << c.limit;
  }
}

TEST(StringPool, TakesASmallerStepWhenHalfItsSizeCannotBeHad) {
  StringPool pool;
  pool.SetCapacityLimit(1015);
  ASSERT_TRUE(pool.Start(1000, 10));
  ASSERT_EQ(pool.Add(std::string(998, 'a')), 0u);                    // 999 bytes used
  EXPECT_EQ(pool.Add("abcd"), 999u);                                 // 1,500 refused: 1,010
  EXPECT_EQ(pool.Capacity(), 1010u);
  EXPECT_EQ(pool.Add("0123456789"), kNoOffset);                      // would need 1,020
  EXPECT_EQ(pool.Add("x"), 1004u);                                   // still room for a short one
  EXPECT_STREQ(pool.At(999), "abcd");
}

TEST(ResultList, RowThatFillsTheArrayStaysWhenItCannotGrow) {
  ResultList list;
  list.SetRowLimit(10000);
  ASSERT_TRUE(list.Reset());
  const std::uint32_t folder = list.AddFolder("");
  const std::uint32_t title = list.AddTitle("Disc");
  for (int i = 0; i < 9999; ++i) ASSERT_TRUE(list.AddRow("f", "", folder, title));
  EXPECT_FALSE(list.AddRow("last", "", folder, title));
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_STREQ(list.Name(list.Row(9999)), "last");
  EXPECT_FALSE(list.Usable());
  EXPECT_FALSE(list.AddRow("more", "", folder, title));
  EXPECT_EQ(list.Count(), 10000);
}

TEST(ResultList, RowWithALostTextIsRefused) {
  ResultList list;
  ASSERT_TRUE(list.Reset());
  const std::uint32_t folder = list.AddFolder("");
  EXPECT_FALSE(list.AddRow("a", "", folder, kNoOffset));
  EXPECT_FALSE(list.AddRow("a", "", kNoOffset, 0));
  EXPECT_EQ(list.Count(), 0);
  list.Names().SetCapacityLimit(128000);
  const std::string name(250, 'n');
  const std::uint32_t title = list.AddTitle("T");
  int added = 0;
  while (list.AddRow(name, "", folder, title)) ++added;
  // A text is refused once used + its length reaches the capacity:
  // 508 * 251 + 250 < 128000 <= 509 * 251 + 250.
  EXPECT_EQ(added, 509);
  EXPECT_EQ(list.Count(), 509);
  EXPECT_TRUE(list.Usable());
}

TEST(FolderPath, EntersAndLeavesLevels) {
  FolderPath path;
  EXPECT_EQ(path.Text(), "");
  ASSERT_TRUE(path.Enter("\\DATA"));
  ASSERT_TRUE(path.Enter("\\SUB"));
  EXPECT_EQ(path.Text(), "\\DATA\\SUB");
  path.Leave();
  EXPECT_EQ(path.Text(), "\\DATA");
  path.Leave();
  EXPECT_EQ(path.Text(), "");
  path.Leave();  // at the root it stays empty
  EXPECT_EQ(path.Text(), "");
}

// Leaving drops the text from its last backslash, wherever that stands: also
// inside a name, after a refused level and after a clear.
TEST(FolderPath, LeavesFromTheLastBackslashAsTheTextShowsIt) {
  std::mt19937 random(77);
  for (int round = 0; round < 2000; ++round) {
    FolderPath path;
    std::string model;
    for (int step = 0; step < 200; ++step) {
      const unsigned pick = random() % 10;
      if (pick < 5) {
        std::string line = "\\" + std::string(random() % 6, 'n');
        for (unsigned inner = random() % 4 == 0 ? random() % 40 : 0; inner > 0; --inner)
          line.insert(1 + random() % line.size(), 1, '\\');
        if (random() % 50 == 0) line += std::string(300 + random() % 900, 'w');
        const bool fits = line.size() < kFolderPathCapacity - model.size();
        ASSERT_EQ(path.Enter(line), fits);
        if (fits) model += line;
      } else if (pick < 9) {
        path.Leave();
        const std::size_t last = model.rfind('\\');
        model.erase(last == std::string::npos ? 0 : last);
      } else if (random() % 10 == 0) {
        path.Clear();
        model.clear();
      }
      ASSERT_EQ(std::string(path.Text()), model) << round << " step " << step;
    }
  }
}

TEST(FolderPath, HoldsFifteenLevelsOfLongestLinesAndRefusesMore) {
  FolderPath path;
  const std::string level = "\\" + std::string(258, 'd');  // a 259-character line
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(path.Enter(level)) << i;
  EXPECT_EQ(path.Length(), 15u * 259u);
  EXPECT_FALSE(path.Enter("\\x"));
  EXPECT_EQ(path.Length(), 15u * 259u);
}

class CollectTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) {
    folder.Write("disc.cat", content);
    return folder.Path("disc.cat");
  }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
  ResultList list;
};

TEST_F(CollectTest, BrowseListsTheFirstMatchingTitleInCatalogOrder) {
  const std::string path = Write(Lines({"|||Other", "skip.txt:01/01/01", "\\X", "skip2.txt:01/01/01", "..",
                                        "<eof>", "|||Disc", "root.txt:07/14/04", "\\DATA", "\\SUB",
                                        "deep.txt:07/02/04", "..", "mid.txt:07/03/04", "..", "after.txt:07/04/04",
                                        "no separator", "<eof>", "|||Disc", "second.txt:01/01/01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Disc", "", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"root.txt|07/14/04|\\|Disc",
                                                      "deep.txt|07/02/04|\\DATA\\SUB|Disc",
                                                      "mid.txt|07/03/04|\\DATA|Disc",
                                                      "after.txt|07/04/04|\\|Disc"}));
  EXPECT_TRUE(reporter.reports.empty());
  EXPECT_FALSE(reader.IsMapped());
}

TEST_F(CollectTest, BrowseDescriptionIsCaseSensitive) {
  const std::string path = Write(Lines({"|||disc", "a.txt:01/01/01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Disc", "", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(CollectTest, OldFormatSplitsAtTheNinthCharacterFromTheEnd) {
  const std::string path =
      Write(Lines({"@@@Old", "my file - copy.txt 07-14-04", "short", "", "x 1-1-01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Old", "", list, reporter), WalkOutcome::Complete);
  // Lines shorter than nine characters have no date and are passed over.
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"my file - copy.txt|07-14-04|\\|Old"}));
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CollectTest, FifteenLevelsAreListedSixteenAreReported) {
  std::string path = Write(Nested(15));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Deep", "", list, reporter), WalkOutcome::Complete);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(std::strlen(list.Folder(list.Row(0))), 15u * 3u + 6u);  // \L1..\L9 and \L10..\L15
  EXPECT_TRUE(reporter.reports.empty());

  path = Write(Lines({"|||Deep", "top.txt:01/01/01"}) + Nested(16).substr(9));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Deep", "", list, reporter), WalkOutcome::DepthError);
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"top.txt|01/01/01|\\|Deep"}));
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0].text,
            "Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 18");
  EXPECT_EQ(reporter.reports[0].caption, "Deep");
}

TEST_F(CollectTest, ClimbAtTheRootEndsTheWalk) {
  const std::string path = Write(Lines({"|||Disc", "a.txt:01/01/01", "..", "b.txt:01/01/01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter), WalkOutcome::DepthError);
  EXPECT_EQ(list.Count(), 1);
  ASSERT_EQ(reporter.Errors().size(), 1u);
  EXPECT_EQ(reporter.Errors()[0], "Directory tree is corrupt.\nAttempt to go below the root folder.\nLine number: 3");
  EXPECT_EQ(reporter.reports[0].caption, "Disc");
}

TEST_F(CollectTest, LinesBeforeTheFirstTitleHaveAnEmptyDescription) {
  const std::string path = Write(Lines({"* comment", "loose.txt:01/01/01", "|||Disc", "a.txt:01/01/01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"loose.txt|01/01/01|\\|", "a.txt|01/01/01|\\|Disc"}));
  // In browse mode they are never listed.
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Disc", "", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(list.Count(), 1);
  // A depth error there is captioned with the product name.
  const std::string early = Write(Lines({"..", "|||Disc", "<eof>"}));
  ASSERT_EQ(CollectFiles(reader, early.c_str(), "", "", list, reporter), WalkOutcome::DepthError);
  ASSERT_FALSE(reporter.reports.empty());
  EXPECT_EQ(reporter.reports.back().caption, "Vardek");
}

TEST_F(CollectTest, LongFolderPathsAndDateTextsStayInside) {
  std::string content = "|||Long\r\n";
  for (int i = 0; i < 15; ++i) content += "\\" + std::string(250, static_cast<char>('a' + i)) + "\r\n";
  content += "f.txt:01/01/2001 and far too much text\r\n<eof>\r\n";
  const std::string path = Write(content);
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter), WalkOutcome::Complete);
  ASSERT_EQ(list.Count(), 1);
  const ResultRow& row = list.Row(0);
  EXPECT_EQ(std::strlen(list.Folder(row)), 15u * 251u);  // kept whole, far beyond 299
  EXPECT_STREQ(list.Date(row).text, "01/01/2001 ");
}

TEST_F(CollectTest, WalkEndsWhenTheRowsCannotGrowAndKeepsTheFillingRow) {
  std::string content = "|||Many\r\n";
  for (int i = 0; i < 10005; ++i) content += "f" + std::to_string(i) + ".txt:01/01/01\r\n";
  content += "<eof>\r\n";
  const std::string path = Write(content);
  list.SetRowLimit(10000);
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter), WalkOutcome::ListFull);
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_STREQ(list.Name(list.Row(9999)), "f9999.txt");
  EXPECT_TRUE(reporter.reports.empty());
  // Later catalogs add nothing.
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter), WalkOutcome::ListFull);
  EXPECT_EQ(list.Count(), 10000);

  ResultList big;
  ASSERT_TRUE(big.Reset());
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "Many", "", big, reporter), WalkOutcome::Complete);
  EXPECT_EQ(big.Count(), 10005);
  EXPECT_STREQ(big.Name(big.Row(10004)), "f10004.txt");
}

TEST_F(CollectTest, MissingCatalogIsReported) {
  ASSERT_TRUE(list.Reset());
  const std::string path = folder.Path("missing.cat");
  EXPECT_EQ(CollectFiles(reader, path.c_str(), "Disc", "", list, reporter), WalkOutcome::OpenFailed);
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter.reports[0].caption, path);
}

TEST_F(CollectTest, HookRunsEveryTwoHundredLines) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 598; ++i) content += "f.txt:01/01/01\r\n";
  content += "<eof>\r\n";  // 600 lines
  const std::string path = Write(content);
  ASSERT_TRUE(list.Reset());
  std::vector<int> percents;
  const auto hook = [&] { percents.push_back(reader.PercentRead()); };
  ASSERT_EQ(CollectFiles(reader, path.c_str(), "", "", list, reporter, hook), WalkOutcome::Complete);
  ASSERT_EQ(percents.size(), 3u);
  EXPECT_LT(percents[0], percents[1]);
  EXPECT_EQ(percents[2], 100);
  EXPECT_EQ(list.Count(), 598);
}

}  // namespace
}  // namespace vardek
