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
  ASSERT_TRUE(DeleteTitleFromCatalog(reader, withoutExtension.c_str(), "A", reporter));
  EXPECT_EQ(folder.Read("disc.cat"), Lines({"|||B", "<eof>"}));

  const std::string missing = folder.Path("none.cat");
  EXPECT_FALSE(DeleteTitleFromCatalog(reader, missing.c_str(), "A", reporter));
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
  EXPECT_FALSE(Delete("A"));
  EXPECT_EQ(folder.Read("disc.cat"), content);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("disc.$$$")));  // not ours to remove
  EXPECT_TRUE(reporter.reports.empty());  // no message for a temp file that cannot be written
  EXPECT_EQ(reporter.replaced, 0);
}

}  // namespace
}  // namespace vardek
