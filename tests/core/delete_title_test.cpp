#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "maintenance/delete_title.h"
#include "test_support.h"

namespace vardek {
namespace {

using test::Lines;

class DeleteTitleTest : public ::testing::Test {
 protected:
  bool Delete(const char* description, int* removed = nullptr) {
    return DeleteOutcome(description, removed) == ChangeOutcome::Replaced;
  }
  ChangeOutcome DeleteOutcome(const char* description, int* removed = nullptr) {
    const std::string path = folder.Path("disc.cat");
    return DeleteTitleFromCatalog(reader, path.c_str(), description, reporter, removed);
  }
  test::ScratchFolder folder;
  test::RecordingReporter reporter;
  CatalogReader reader;
};

TEST_F(DeleteTitleTest, RemovesEveryTitleOfThatDescriptionIgnoringCase) {
  folder.Write("disc.cat", Lines({"|||Backup", "a.txt:01/01/01", "\\D", "b.txt:01/01/01", "..", "<eof>",
                                  "|||Photos", "p.jpg:02/02/02", "<eof>", "|||BACKUP", "c.txt:03/03/03", "<eof>"}));
  int removed = 0;
  ASSERT_TRUE(Delete("backup", &removed));
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||Photos", "p.jpg:02/02/02", "<eof>"}));
  EXPECT_FALSE(folder.Exists("disc.$$$"));
  EXPECT_EQ(reporter.replaced, 1);
  EXPECT_TRUE(reporter.Errors().empty());
  EXPECT_FALSE(reader.IsMapped());
}

TEST_F(DeleteTitleTest, OtherTitlesSurviveLineForLineWithCrLf) {
  folder.Write("disc.cat", "|||Keep\na.txt:01/01/01\r\nst\ray.txt:01/01/01\n<eof>\n|||Gone\nx:01/01/01\n<eof>");
  ASSERT_TRUE(Delete("Gone"));
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||Keep", "a.txt:01/01/01", "stay.txt:01/01/01", "<eof>"}));
}

TEST_F(DeleteTitleTest, NoMatchStillRewritesAnIdenticalCopy) {
  const std::string long80(80, 'L');
  const std::string content = Lines({"|||" + long80, "a:01/01/01", "<eof>"});
  folder.Write("disc.cat", content);
  int removed = -1;
  ASSERT_TRUE(Delete(long80.substr(0, 79).c_str(), &removed));
  EXPECT_EQ(removed, 0);
  EXPECT_EQ(folder.Read("disc.cat"), content);
}

TEST_F(DeleteTitleTest, DamagedTitleWithoutEndStopsAtTheNextTitleLine) {
  folder.Write("disc.cat", Lines({"|||Broken", "a.txt:01/01/01", "\\D", "|||Next", "n.txt:01/01/01", "<eof>",
                                  "|||broken", "b:01/01/01", "|||BROKEN", "c:01/01/01", "<eof>", "|||Last",
                                  "l:01/01/01", "<eof>"}));
  int removed = 0;
  ASSERT_TRUE(Delete("Broken", &removed));
  // The title line that ends a removal is judged like any other: a matching
  // one starts the next removal.
  EXPECT_EQ(removed, 3);
  EXPECT_EQ(folder.Read("disc.cat"),
            Lines({"|||Next", "n.txt:01/01/01", "<eof>", "|||Last", "l:01/01/01", "<eof>"}));
}

TEST_F(DeleteTitleTest, EndOfTitleMustBeExact) {
  folder.Write("disc.cat", Lines({"|||Gone", "<EOF>", "x:01/01/01", "<eof>", "|||Keep", "<eof>"}));
  ASSERT_TRUE(Delete("gone"));
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||Keep", "<eof>"}));
}

TEST_F(DeleteTitleTest, ExtensionIsForcedAndMissingCatalogReported) {
  folder.Write("disc.cat", Lines({"|||A", "<eof>", "|||B", "<eof>"}));
  const std::string withoutExtension = folder.Path("disc");
  ASSERT_EQ(DeleteTitleFromCatalog(reader, withoutExtension.c_str(), "A", reporter), ChangeOutcome::Replaced);
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||B", "<eof>"}));

  const std::string missing = folder.Path("none.cat");
  EXPECT_EQ(DeleteTitleFromCatalog(reader, missing.c_str(), "A", reporter), ChangeOutcome::Refused);
  EXPECT_FALSE(folder.Exists("none.$$$"));
  ASSERT_EQ(reporter.reports.size(), 1u);
  EXPECT_EQ(reporter.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter.reports[0].caption, missing);
}

TEST_F(DeleteTitleTest, LongLinesAreBrokenAt259Characters) {
  const std::string longLine(300, 'z');
  folder.Write("disc.cat", Lines({"|||Keep", longLine, "<eof>"}));
  ASSERT_TRUE(Delete("other"));
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||Keep", longLine.substr(0, 259), longLine.substr(259), "<eof>"}));
}

TEST_F(DeleteTitleTest, FailedTempWriteLeavesTheCatalogUnchangedAndSaysNothing) {
  const std::string content = "|||A\r\na:01/01/01\r\n<eof>\n|||B\r\n<eof>\r\n";
  folder.Write("disc.cat", content);
  // The temp file's name is taken by a folder: nothing can be written there.
  folder.MakeFolder("disc.$$$");
  EXPECT_EQ(DeleteOutcome("A"), ChangeOutcome::TempNotWritten);
  EXPECT_EQ(folder.Read("disc.cat"), content);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("disc.$$$")));  // not ours to remove
  EXPECT_TRUE(reporter.reports.empty());  // no message for a temp file that cannot be written
  EXPECT_EQ(reporter.replaced, 0);
}

// While a title is removed, only a line of its own that starts with "|" ends
// a damaged title; the rest of a cut line is part of the line before it.
TEST_F(DeleteTitleTest, ARemovalStopsOnlyAtARealTitleLine) {
  const std::string n259(259, 'n');
  struct Case {
    const char* name;
    std::string catalog;
    std::string expected;
  };
  const Case cases[] = {
      {"a file named like an old title inside a complete title",
       Lines({"|||Gone", "@@@odd name.txt:01/01/01", "rest.txt:01/01/01", "<eof>", "|||Keep", "<eof>"}),
       Lines({"|||Keep", "<eof>"})},
      {"the rest of a cut line that begins with a bar",
       Lines({"|||Gone", n259 + "|tail.txt:01/01/01", "more.txt:01/01/01", "<eof>", "|||Keep", "<eof>"}),
       Lines({"|||Keep", "<eof>"})},
      {"the rest of a cut line that reads as an end-of-title line",
       Lines({"|||Gone", n259 + "<eof>", "more.txt:01/01/01", "<eof>", "|||Keep", "<eof>"}),
       Lines({"|||Keep", "<eof>"})},
      {"a damaged title ends at the next title line",
       Lines({"|||Gone", "a.txt:01/01/01", "|||Keep", "k.txt:01/01/01", "<eof>"}),
       Lines({"|||Keep", "k.txt:01/01/01", "<eof>"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write("disc.cat", c.catalog);
    int removed = 0;
    ASSERT_EQ(DeleteOutcome("gone", &removed), ChangeOutcome::Replaced);
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(folder.Read("disc.cat"), c.expected);
  }
}

// As deleting the only title does, a delete that leaves no title deletes the
// catalog file, and says so.
TEST_F(DeleteTitleTest, ADeleteThatLeavesNoTitleRemovesTheCatalog) {
  struct Case {
    const char* name;
    std::string catalog;
    int removed;
  };
  const Case cases[] = {
      {"the only title", Lines({"|||Backup", "a.txt:01/01/01", "<eof>"}), 1},
      {"every title matches", Lines({"|||Backup", "a.txt:01/01/01", "<eof>", "|||BACKUP", "<eof>"}), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    folder.Write("disc.cat", c.catalog);
    reporter = {};
    int removed = 0;
    EXPECT_EQ(DeleteOutcome("backup", &removed), ChangeOutcome::Removed);
    EXPECT_EQ(removed, c.removed);
    EXPECT_FALSE(folder.Exists("disc.cat"));
    EXPECT_FALSE(folder.Exists("disc.$$$"));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "info");
    EXPECT_EQ(reporter.reports[0].text, kCatalogDeletedNoTitleLeft);
  }
}

}  // namespace
}  // namespace vardek
