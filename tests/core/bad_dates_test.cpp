#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "maintenance/bad_dates.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

class BadDatesTest : public ::testing::Test {
 protected:
  BadDateResult Scan(const std::string& content, bool newFormat = true) {
    folder.Write("disc.cat", content);
    path = folder.Path("disc.cat");
    EXPECT_TRUE(list.Reset());
    reporter.reports.clear();
    return FindBadDates(reader, path.c_str(), newFormat, list, reporter);
  }
  std::vector<std::string> RowTexts() const { return test::RowTexts(list); }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
  ResultList list;
  std::string path;
};

TEST_F(BadDatesTest, ListsImpossibleDatesOnly) {
  const BadDateResult result =
      Scan(Lines({"|||Disc", "SETUP.EXE:05/07/03", "SETUP.EXE:02/30/03", "A.TXT:02/29/00", "B.TXT:02/29/01",
                  "C.TXT:01/01/51", "D.TXT:12/31/50", "D2.TXT:12/08/26", "E.TXT:01/01/80", "F.TXT:12/31/79", "G.TXT:", "H.TXT:00/00/00",
                  "I.TXT:13/01/01", "J.TXT:04/31/01", "no separator", "* comment", " K.TXT:99/99/99", "<eof>"}));
  EXPECT_EQ(result.outcome, WalkOutcome::Complete);
  EXPECT_EQ(result.lineCount, 18);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"SETUP.EXE|02/30/03|\\|Disc", "B.TXT|02/29/01|\\|Disc",
                                                  "C.TXT|01/01/51|\\|Disc", "F.TXT|12/31/79|\\|Disc",
                                                  "G.TXT||\\|Disc", "H.TXT|00/00/00|\\|Disc",
                                                  "I.TXT|13/01/01|\\|Disc", "J.TXT|04/31/01|\\|Disc"}));
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(BadDatesTest, RowsCarryTheirFolderAndDescription) {
  Scan(Lines({"|||One", "root.txt:99/99/99", "\\DATA", "\\SUB", "deep.txt:99/99/99", "..", "up.txt:99/99/99",
              "..", "<eof>", "|||Two", "two.txt:02/29/01", "<eof>"}));
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"root.txt|99/99/99|\\|One", "deep.txt|99/99/99|\\DATA\\SUB|One",
                                                  "up.txt|99/99/99|\\DATA|One", "two.txt|02/29/01|\\|Two"}));
}

TEST_F(BadDatesTest, OldFormatSplitsAtTheNinthCharacterFromTheEnd) {
  Scan(Lines({"@@@Old", "good file.txt 07-14-04", "bad-file 02-29-01", "short", "", "<eof>"}), false);
  // Lines shorter than nine characters have no date to judge: passed over.
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"bad-file|02-29-01|\\|Old"}));
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(BadDatesTest, LongDateTextIsCutInTheRow) {
  Scan(Lines({"|||Disc", "x:02/29/01 plus a long tail"}));
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"x|02/29/01 pl|\\|Disc"}));
}

TEST_F(BadDatesTest, DepthErrorsStopAndKeepTheRows) {
  std::string content = "|||Deep\r\nfirst:00/00/00\r\n";
  for (int i = 1; i <= 15; ++i) content += "\\L" + std::to_string(i) + "\r\n";
  content += "at15:00/00/00\r\n\\L16\r\nafter:00/00/00\r\n";
  BadDateResult result = Scan(content);
  EXPECT_EQ(result.outcome, WalkOutcome::DepthError);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(reporter.Errors(),
            (std::vector<std::string>{"Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 19"}));
  EXPECT_EQ(reporter.reports[0].caption, "Deep");

  result = Scan(Lines({"|||Disc", "a:00/00/00", "..", "b:00/00/00"}));
  EXPECT_EQ(result.outcome, WalkOutcome::DepthError);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(reporter.Errors(), (std::vector<std::string>{
                                   "Directory tree is corrupt.\nAttempt to go below the root folder.\nLine number: 3"}));
}

TEST_F(BadDatesTest, LinesBeforeTheFirstTitle) {
  Scan(Lines({"loose:00/00/00", "..", "|||Disc"}));
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"loose|00/00/00|\\|"}));
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0].caption, "Vardek");
}

TEST_F(BadDatesTest, UnreadableOrEmptyPathIsReported) {
  ASSERT_TRUE(list.Reset());
  const std::string missing = folder.Path("none.cat");
  EXPECT_EQ(FindBadDates(reader, missing.c_str(), true, list, reporter).outcome, WalkOutcome::OpenFailed);
  EXPECT_EQ(FindBadDates(reader, "", true, list, reporter).outcome, WalkOutcome::OpenFailed);
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_EQ(reporter.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter.reports[0].caption, missing);
  EXPECT_EQ(reporter.reports[1].caption, "");
}

TEST_F(BadDatesTest, FullListStopsTheScan) {
  std::string content = "|||Many\r\n";
  for (int i = 0; i < 10010; ++i) content += "f" + std::to_string(i) + ":00/00/00\r\n";
  folder.Write("disc.cat", content);
  list.SetRowLimit(10000);
  ASSERT_TRUE(list.Reset());
  const BadDateResult result = FindBadDates(reader, folder.Path("disc.cat").c_str(), true, list, reporter);
  EXPECT_EQ(result.outcome, WalkOutcome::ListFull);
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(BadDatesTest, HookRunsEveryTwoHundredLines) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 449; ++i) content += "f:01/01/01\r\n";  // 450 lines
  folder.Write("disc.cat", content);
  ASSERT_TRUE(list.Reset());
  std::vector<long> counts;
  long seen = 0;
  FindBadDates(reader, folder.Path("disc.cat").c_str(), true, list, reporter, [&] {
    counts.push_back(++seen);
    EXPECT_TRUE(reader.IsMapped());
  });
  EXPECT_EQ(counts.size(), 2u);
}

}  // namespace
}  // namespace vardek
