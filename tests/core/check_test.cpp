#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "catalog/catalog_check.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

class CheckTest : public ::testing::Test {
 protected:
  CheckResult Check(const std::string& content, bool newFormat = true) {
    folder.Write("disc.cat", content);
    path = folder.Path("disc.cat");
    reporter.reports.clear();
    return CheckCatalog(reader, path.c_str(), newFormat, reporter);
  }
  std::string Nested(int levels) {
    std::string text = "|||Deep\r\n";
    for (int i = 1; i <= levels; ++i) text += "\\L" + std::to_string(i) + "\r\n";
    text += "f.txt:01/01/01\r\n";
    for (int i = 1; i <= levels; ++i) text += "..\r\n";
    return text + "<eof>\r\n";
  }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
  std::string path;
};

TEST_F(CheckTest, GoodCatalogCountsFilesWithThousandsSeparators) {
  std::string content = Lines({"|||Holiday photos 2004", "readme.txt:07/14/04", "\\Pictures", "beach.jpg:07/02/04",
                               "..", "<eof>"});
  content += "|||Backup disc 1\r\n";
  for (int i = 0; i < 1233; ++i) content += "f" + std::to_string(i) + ":01/05/99\r\n";
  content += "<eof>\r\n";
  const CheckResult result = Check(content);
  EXPECT_EQ(result.outcome, CheckOutcome::Good);
  EXPECT_EQ(result.fileCount, 1235);
  EXPECT_EQ(result.lineNumber, 1241);
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_EQ(reporter.reports[0].kind, "status");
  EXPECT_EQ(reporter.reports[0].text, "1,235 files found");
  EXPECT_EQ(reporter.reports[0].caption, "0");
  EXPECT_EQ(reporter.reports[1].kind, "info");
  EXPECT_EQ(reporter.reports[1].text, "File is good");
  EXPECT_EQ(reporter.reports[1].caption, path);
  EXPECT_FALSE(reader.IsMapped());
}

TEST_F(CheckTest, LastTitleWithoutEndPassesAtRootFailsInsideAFolder) {
  EXPECT_EQ(Check(Lines({"|||A", "a.txt:01/01/01"})).outcome, CheckOutcome::Good);
  const CheckResult result = Check(Lines({"|||A", "\\DATA", "a.txt:01/01/01"}));
  EXPECT_EQ(result.outcome, CheckOutcome::Damaged);
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_EQ(reporter.reports[0].text, "1 files found");
  EXPECT_EQ(reporter.reports[1].kind, "error");
  EXPECT_EQ(reporter.reports[1].text, "Directory tree is corrupt.");
  EXPECT_EQ(reporter.reports[1].caption, path);
}

TEST_F(CheckTest, SixteenthFolderIsReportedAtItsLine) {
  EXPECT_EQ(Check(Nested(15)).outcome, CheckOutcome::Good);
  const CheckResult result = Check(Nested(16));
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_EQ(reporter.reports[0].text, "Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 17");
  EXPECT_EQ(reporter.reports[0].caption, "Deep");
  EXPECT_EQ(reporter.reports[1].text, "Check incomplete");
  EXPECT_EQ(reporter.reports[1].kind, "status");
}

TEST_F(CheckTest, DepthErrorsAndLineNumbersWithSeparators) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 1232; ++i) content += "* comment\r\n";  // counted, never tested
  content += " blank led line\r\n..\r\n";                       // line 1,235
  Check(content);
  EXPECT_EQ(reporter.Errors(),
            (std::vector<std::string>{"Directory tree is corrupt.\nAttempt to go below the root folder.\nLine number: 1,235"}));
  EXPECT_EQ(reporter.reports[0].caption, "Disc");

  // An unclosed folder passes its depth through a title line to the end line.
  Check(Lines({"|||One", "\\A", "|||Two", "<eof>"}));
  EXPECT_EQ(reporter.Errors(), (std::vector<std::string>{
                                   "Directory tree is corrupt.\nEnd of title without ending at root folder.\nLine number: 4"}));
  EXPECT_EQ(reporter.reports[0].caption, "Two");
  EXPECT_EQ(reporter.LastStatus(), "Check incomplete");
}

TEST_F(CheckTest, SeparatorRulesFollowTheFormatFlag) {
  Check(Lines({"|||Disc", "a.txt:01/01/01", "", "<eof>"}));
  EXPECT_EQ(reporter.Errors(), (std::vector<std::string>{
                                   "Directory tree is corrupt.\n: is missing between file name and date.\nLine number: 3"}));
  EXPECT_EQ(reporter.reports[0].caption, "Vardek");

  const std::string old = Lines({"@@@Holiday", "readme.txt 07-14-04", "readme.txt:07/14/04", "<eof>"});
  CheckResult result = Check(old, false);
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  EXPECT_EQ(reporter.Errors(), (std::vector<std::string>{
                                   "Directory tree is corrupt.\nSpace is missing between file name and date.\nLine number: 3"}));
  // Lines shorter than nine characters have no room for the space.
  result = Check(Lines({"@@@Old", "a 1-1-01", "<eof>"}), false);
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  EXPECT_EQ(result.lineNumber, 2);
  result = Check(Lines({"@@@Old", "", "<eof>"}), false);
  EXPECT_EQ(result.lineNumber, 2);
  EXPECT_EQ(Check(Lines({"@@@Old", " 01-01-01", "ab 01-01-01", "<eof>"}), false).outcome, CheckOutcome::Good);
}

TEST_F(CheckTest, TitleOfEightySixCharactersIsTooLong) {
  const std::string description82(82, 'd');
  EXPECT_EQ(Check(Lines({"|||" + description82, "<eof>"})).outcome, CheckOutcome::Good);
  const std::string description83 = std::string(79, 'x') + "yyyy";
  const CheckResult result = Check(Lines({"|||" + description83, "<eof>"}));
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  EXPECT_EQ(reporter.Errors(),
            (std::vector<std::string>{"Title too long\n" + std::string(79, 'x') + "...\nLine number: 1"}));
  EXPECT_EQ(reporter.reports[0].caption, "Vardek");
}

TEST_F(CheckTest, CutLineIsReportedAndTheCheckGoesOn) {
  const std::string longName(300, 'n');
  const CheckResult result = Check(Lines({"|||Disc", longName + ":01/01/01", "<eof>"}));
  // Line 2 is cut at 259 characters; its rest (41 n and the date) is line 3.
  EXPECT_EQ(result.outcome, CheckOutcome::Good);
  EXPECT_EQ(result.fileCount, 1);
  ASSERT_EQ(reporter.reports.size(), 3u);
  EXPECT_EQ(reporter.reports[0].text, "Directory tree is corrupt.\nLine too long\nLine number: 2");
  EXPECT_EQ(reporter.reports[0].caption, "Vardek");
  EXPECT_EQ(reporter.reports[2].text, "File is good");
}

TEST_F(CheckTest, ErrorBeforeTheFirstTitleHasAnEmptyCaption) {
  Check(Lines({"..", "|||Disc", "<eof>"}));
  ASSERT_FALSE(reporter.reports.empty());
  EXPECT_EQ(reporter.reports[0].caption, "");
}

TEST_F(CheckTest, UnreadableCatalogIsReportedAndEmptyPathDoesNothing) {
  path = folder.Path("none.cat");
  CheckResult result = CheckCatalog(reader, path.c_str(), true, reporter);
  EXPECT_EQ(result.outcome, CheckOutcome::OpenFailed);
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter.reports[0].caption, path);
  reporter.reports.clear();
  result = CheckCatalog(reader, "", true, reporter);
  EXPECT_EQ(result.outcome, CheckOutcome::NotRun);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CheckTest, HookRunsEveryTwoHundredLinesBeforeTheLineIsTested) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 398; ++i) content += "f:01/01/01\r\n";
  content += "bad line\r\n";  // line 400
  folder.Write("disc.cat", content);
  path = folder.Path("disc.cat");
  std::vector<std::size_t> reportsAtHook;
  std::vector<int> percents;
  const CheckResult result = CheckCatalog(reader, path.c_str(), true, reporter, [&] {
    reportsAtHook.push_back(reporter.reports.size());
    percents.push_back(reader.PercentRead());
  });
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  EXPECT_EQ(reportsAtHook, (std::vector<std::size_t>{0, 0}));  // line 400 not yet tested
  ASSERT_EQ(percents.size(), 2u);
  EXPECT_GT(percents[0], 0);
  EXPECT_EQ(percents[1], 100);
}

TEST_F(CheckTest, HookThatTakesTheReaderOverStopsTheCheck) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 500; ++i) content += "f:01/01/01\r\n";
  folder.Write("disc.cat", content);
  path = folder.Path("disc.cat");
  const CheckResult result = CheckCatalog(reader, path.c_str(), true, reporter, [&] { reader.Unmap(); });
  EXPECT_EQ(result.outcome, CheckOutcome::Stopped);
  EXPECT_EQ(result.lineNumber, 200);
  EXPECT_EQ(reporter.LastStatus(), "Check incomplete");
}

}  // namespace
}  // namespace vardek
