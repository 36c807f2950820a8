#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "browse/collect.h"
#include "browse/name_match.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

TEST(NameMatch, LowerAsciiChangesOnlyCapitalsAToZ) {
  char text[] = "WIN.Ini \xC9\xE9@[`{Z";
  LowerAscii(text);
  EXPECT_STREQ(text, "win.ini \xC9\xE9@[`{z");
}

TEST(NameMatch, FindTextSearchesByteForByte) {
  EXPECT_EQ(FindText("darwin.doc", "win"), 3u);
  EXPECT_EQ(FindText("darwin.doc", "WIN"), std::string_view::npos);
  EXPECT_EQ(FindText("ab", "abc"), std::string_view::npos);
  EXPECT_EQ(FindText("a*.wav", "*.wav"), 1u);
}

TEST(NameMatch, FindsThePartAnywhereIgnoringCaseOfAsciiOnly) {
  EXPECT_TRUE(NameMatches("WINDOWS.TXT", "win"));
  EXPECT_TRUE(NameMatches("Darwin.doc", "win"));
  EXPECT_TRUE(NameMatches("twin.bmp", "win"));
  EXPECT_FALSE(NameMatches("wi.n", "win"));
  EXPECT_TRUE(NameMatches("SOUND.WAV", ".wav"));
  EXPECT_FALSE(NameMatches("sound.wav", "*.wav"));  // no wildcards
  // Bytes of 128 and above are compared exactly: É (C9) and é (E9) differ.
  EXPECT_FALSE(NameMatches("CAF\xC9.TXT", "caf\xE9"));
  EXPECT_TRUE(NameMatches("CAF\xE9.TXT", "caf\xE9"));
  EXPECT_TRUE(NameMatches("\\SYSTEM32", "\\sys"));
  EXPECT_FALSE(NameMatches("\\WINSYS", "\\sys"));
  const std::string longName = std::string(400, 'A') + "WIN";
  EXPECT_TRUE(NameMatches(longName, "win"));
}

class FindTest : public ::testing::Test {
 protected:
  std::vector<std::string> RowTexts() const { return test::RowTexts(list); }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
  ResultList list;
};

TEST_F(FindTest, FileSearchCoversEveryTitleAndSkipsFolders) {
  folder.Write("a.cat", Lines({"|||Disc one", "WINDOWS.TXT:01/01/99", "\\Win", "WIN.INI:02/02/99", "..",
                               "readme.txt:01/01/99", "<eof>", "|||Disc two", "Darwin.doc:03/03/03",
                               "\\x", "twin.bmp:04/04/04", "..", "<eof>"}));
  folder.Write("b.cat", Lines({"@@@Old disc", "OLDWIN.EXE 05-05-95", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFiles(reader, folder.Path("a.cat").c_str(), "", "Win", list, reporter), WalkOutcome::Complete);
  ASSERT_EQ(CollectFiles(reader, folder.Path("b.cat").c_str(), "", "win", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{
                            "WINDOWS.TXT|01/01/99|\\|Disc one", "WIN.INI|02/02/99|\\Win|Disc one",
                            "Darwin.doc|03/03/03|\\|Disc two", "twin.bmp|04/04/04|\\x|Disc two",
                            "OLDWIN.EXE|05-05-95|\\|Old disc"}));
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(FindTest, UnreadableCatalogIsReportedAndTheNextOneStillSearched) {
  folder.Write("good.cat", Lines({"|||Disc", "win.txt:01/01/01", "<eof>"}));
  ASSERT_TRUE(list.Reset());
  EXPECT_EQ(CollectFiles(reader, folder.Path("none.cat").c_str(), "", "win", list, reporter), WalkOutcome::OpenFailed);
  EXPECT_EQ(CollectFiles(reader, folder.Path("good.cat").c_str(), "", "win", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(reporter.Errors(), (std::vector<std::string>{"Error opening file"}));
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(FindTest, FolderSearchGivesTheFullPathOfEachFoundFolder) {
  folder.Write("a.cat", Lines({"|||Disc", "sys.txt:01/01/01", "\\WINDOWS", "\\SYSTEM", "..", "\\WINSYS", "..",
                               "..", "\\SYSTEM32", "..", "<eof>"}));
  const std::string path = folder.Path("a.cat");
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, path.c_str(), "sys", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"||\\WINDOWS\\SYSTEM|Disc", "||\\WINDOWS\\WINSYS|Disc",
                                                  "||\\SYSTEM32|Disc"}));
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, path.c_str(), "\\sys", list, reporter), WalkOutcome::Complete);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"||\\WINDOWS\\SYSTEM|Disc", "||\\SYSTEM32|Disc"}));
  for (int i = 0; i < list.Count(); ++i) {
    for (char c : list.Date(list.Row(i)).text) EXPECT_EQ(c, '\0');
  }
}

TEST_F(FindTest, FolderSearchKeepsTheDepthRules) {
  std::string content = "|||Deep\r\n";
  for (int i = 1; i <= 16; ++i) content += "\\S" + std::to_string(i) + "\r\n";
  folder.Write("a.cat", content);
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, folder.Path("a.cat").c_str(), "s", list, reporter), WalkOutcome::DepthError);
  EXPECT_EQ(list.Count(), 15);
  EXPECT_EQ(reporter.Errors(),
            (std::vector<std::string>{"Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 17"}));
}

TEST_F(FindTest, FolderSearchEndsWhenTheListIsFull) {
  std::string content = "|||Many\r\n";
  for (int i = 0; i < 10003; ++i) content += "\\dir" + std::to_string(i) + "\r\n..\r\n";
  folder.Write("a.cat", content);
  list.SetRowLimit(10000);
  ASSERT_TRUE(list.Reset());
  ASSERT_EQ(CollectFolders(reader, folder.Path("a.cat").c_str(), "dir", list, reporter), WalkOutcome::ListFull);
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_STREQ(list.Folder(list.Row(9999)), "\\dir9999");
}

}  // namespace
}  // namespace vardek
