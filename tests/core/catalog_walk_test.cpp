#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_walk.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

// What a walk saw: one entry per line handed out, then how it ended.
struct Trace {
  std::vector<std::string> steps;  // "kind depth path" per line
  WalkOutcome outcome = WalkOutcome::OpenFailed;
  long lines = 0;
  std::vector<test::Report> reports;
};

const char* KindName(LineKind kind) {
  switch (kind) {
    case LineKind::Comment: return "comment";
    case LineKind::BlankLed: return "blank";
    case LineKind::Title: return "title";
    case LineKind::Folder: return "folder";
    case LineKind::Climb: return "climb";
    case LineKind::EndOfTitle: return "end";
    case LineKind::File: return "file";
  }
  return "?";
}

class CatalogWalkTest : public ::testing::Test {
 protected:
  Trace Walk(const std::string& content, WalkRules rules = {}) {
    folder.Write("disc.cat", content);
    test::RecordingReporter reporter;
    CatalogReader reader;
    Trace trace;
    {
      CatalogWalk walk(reader, reporter, {}, rules);
      if (walk.Open(folder.Path("disc.cat").c_str())) {
        while (walk.Next()) {
          if (rules.cutLinesApart && walk.Cut()) {
            trace.steps.push_back("cut");
            continue;
          }
          trace.steps.push_back(std::string(KindName(walk.Kind())) + " " + std::to_string(walk.Depth()) + " " +
                                std::string(walk.FolderPath()));
        }
      }
      trace.outcome = walk.Outcome();
      trace.lines = walk.LineNumber();
      EXPECT_FALSE(reader.IsMapped());  // however the walk ended
    }
    trace.reports = reporter.reports;
    return trace;
  }
  std::string Nested(int levels) {
    std::string text = "|||Deep\r\n";
    for (int i = 1; i <= levels; ++i) text += "\\L" + std::to_string(i) + "\r\n";
    for (int i = 1; i <= levels; ++i) text += "..\r\n";
    return text + "<eof>\r\n";
  }
  test::ScratchFolder folder;
};

TEST_F(CatalogWalkTest, KeepsDepthAndFolderPathLineByLine) {
  const Trace trace = Walk(Lines({"* note", "|||Disc", "a.txt:01/01/01", "\\DATA", "\\SUB", " blank", "..",
                                  "b.txt:01/01/01", "..", "<eof>"}));
  EXPECT_EQ(trace.steps, (std::vector<std::string>{"comment 0 ", "title 0 ", "file 0 ", "folder 1 \\DATA",
                                                   "folder 2 \\DATA\\SUB", "blank 2 \\DATA\\SUB", "climb 1 \\DATA",
                                                   "file 1 \\DATA", "climb 0 ", "end 0 "}));
  EXPECT_EQ(trace.outcome, WalkOutcome::Complete);
  EXPECT_EQ(trace.lines, 10);
  EXPECT_TRUE(trace.reports.empty());
}

// Each depth rule at its boundary: the text, the line and the caption of its report.
TEST_F(CatalogWalkTest, DepthRulesStopTheWalkWithTheirReport) {
  struct Case {
    std::string content;
    WalkRules rules;
    WalkOutcome outcome;
    std::string report;  // empty: none
    std::string caption;
  };
  const WalkRules check = {"", true, true};
  const std::vector<Case> cases = {
      {Nested(15), {}, WalkOutcome::Complete, "", ""},
      {Nested(16), {}, WalkOutcome::DepthError, "More than 16 folder levels.\nLine number: 17", "Deep"},
      {Lines({"|||Disc", ".."}), {}, WalkOutcome::DepthError, "Attempt to go below the root folder.\nLine number: 2",
       "Disc"},
      {Lines({"..", "|||Disc"}), {}, WalkOutcome::DepthError, "Attempt to go below the root folder.\nLine number: 1",
       "Vardek"},
      {Lines({"..", "|||Disc"}), check, WalkOutcome::DepthError,
       "Attempt to go below the root folder.\nLine number: 1", ""},
      // Only the check insists on ending at the root; the others start the next title there.
      {Lines({"|||Disc", "\\A", "<eof>", "|||B", ".."}), {}, WalkOutcome::DepthError,
       "Attempt to go below the root folder.\nLine number: 5", "B"},
      {Lines({"|||Disc", "\\A", "<eof>"}), check, WalkOutcome::DepthError,
       "End of title without ending at root folder.\nLine number: 3", "Disc"},
  };
  for (const Case& c : cases) {
    const Trace trace = Walk(c.content, c.rules);
    EXPECT_EQ(trace.outcome, c.outcome) << c.content;
    if (c.report.empty()) {
      EXPECT_TRUE(trace.reports.empty()) << c.content;
      continue;
    }
    ASSERT_EQ(trace.reports.size(), 1u) << c.content;
    EXPECT_EQ(trace.reports[0].text, "Directory tree is corrupt.\n" + c.report) << c.content;
    EXPECT_EQ(trace.reports[0].caption, c.caption) << c.content;
  }
}

TEST_F(CatalogWalkTest, CutLinesAreHandedOutApartOnlyWhenAsked) {
  const std::string content = Lines({"|||Disc", "\\" + std::string(300, 'x'), "<eof>"});
  // Read as any line: the cut folder line enters a folder, its rest is a file
  // line, and the title ends inside the folder.
  Trace trace = Walk(content);
  ASSERT_EQ(trace.steps.size(), 4u);
  EXPECT_EQ(trace.steps[1].substr(0, 9), "folder 1 ");
  EXPECT_EQ(trace.steps[2].substr(0, 7), "file 1 ");
  EXPECT_EQ(trace.outcome, WalkOutcome::Complete);
  // Apart: no rule applies to the cut part.
  trace = Walk(content, {"", true, true});
  EXPECT_EQ(trace.steps, (std::vector<std::string>{"title 0 ", "cut", "file 0 ", "end 0 "}));
  EXPECT_EQ(trace.outcome, WalkOutcome::Complete);
}

// A NUL byte ends a folder's name, so the climb out of it leaves exactly that level.
TEST_F(CatalogWalkTest, FolderNameEndsAtANulByte) {
  const Trace trace = Walk(Lines({"|||Disc", std::string("\\w\0x\\y", 6), "\\SUB", "..", "a:01/01/01", "..",
                                  "b:01/01/01", "<eof>"}));
  EXPECT_EQ(trace.steps[1], "folder 1 \\w");
  EXPECT_EQ(trace.steps[3], "climb 1 \\w");
  EXPECT_EQ(trace.steps[6], "file 0 ");
}

TEST_F(CatalogWalkTest, HookRunsEveryTwoHundredLinesAndMayTakeTheReader) {
  std::string content = "|||Disc\r\n";
  for (int i = 0; i < 498; ++i) content += "f:01/01/01\r\n";
  content += "<eof>\r\n";  // 500 lines
  folder.Write("disc.cat", content);
  test::RecordingReporter reporter;
  CatalogReader reader;
  std::vector<long> calls;
  CatalogWalk* running = nullptr;
  const std::function<void()> hook = [&] { calls.push_back(running->LineNumber()); };
  CatalogWalk walk(reader, reporter, hook);
  running = &walk;
  ASSERT_TRUE(walk.Open(folder.Path("disc.cat").c_str()));
  while (walk.Next()) {
  }
  EXPECT_EQ(calls, (std::vector<long>{200, 400}));
  EXPECT_EQ(walk.Outcome(), WalkOutcome::Complete);

  // A command run from the hook maps and unmaps the one reader: the walk stops there.
  const std::function<void()> takeOver = [&] { reader.Unmap(); };
  CatalogWalk interrupted(reader, reporter, takeOver);
  ASSERT_TRUE(interrupted.Open(folder.Path("disc.cat").c_str()));
  long lines = 0;
  while (interrupted.Next()) ++lines;
  EXPECT_EQ(lines, 199);
  EXPECT_EQ(interrupted.Outcome(), WalkOutcome::Interrupted);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(CatalogWalkTest, StopAndFailedOpenEndTheWalk) {
  folder.Write("disc.cat", Lines({"|||Disc", "a:01/01/01", "b:01/01/01"}));
  test::RecordingReporter reporter;
  CatalogReader reader;
  {
    CatalogWalk walk(reader, reporter);
    ASSERT_TRUE(walk.Open(folder.Path("disc.cat").c_str()));
    ASSERT_TRUE(walk.Next());
    walk.Stop(WalkOutcome::ListFull);
    EXPECT_FALSE(reader.IsMapped());
    EXPECT_FALSE(walk.Next());
    EXPECT_EQ(walk.Outcome(), WalkOutcome::ListFull);
  }
  {
    CatalogWalk walk(reader, reporter);
    ASSERT_TRUE(walk.Open(folder.Path("disc.cat").c_str()));
    ASSERT_TRUE(walk.Next());
  }  // left in the middle
  EXPECT_FALSE(reader.IsMapped());
  CatalogWalk missing(reader, reporter);
  EXPECT_FALSE(missing.Open(folder.Path("none.cat").c_str()));
  EXPECT_FALSE(missing.Next());
  EXPECT_EQ(missing.Outcome(), WalkOutcome::OpenFailed);
  CatalogWalk none(reader, reporter);
  EXPECT_FALSE(none.Open(nullptr));
  ASSERT_EQ(reporter.reports.size(), 2u);
  EXPECT_EQ(reporter.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter.reports[0].caption, folder.Path("none.cat"));
  EXPECT_EQ(reporter.reports[1].caption, "");
}

}  // namespace
}  // namespace vardek
