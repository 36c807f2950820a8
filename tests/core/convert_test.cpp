#include <gtest/gtest.h>

#include <string>

#include "catalog/catalog_reader.h"
#include "catalog/convert.h"
#include "test_support.h"

namespace vardek {
namespace {

std::string Converted(const char* line) {
  std::string converted;
  EXPECT_TRUE(ConvertLine(line, converted)) << line;
  return converted;
}

TEST(ConvertLine, TitleAndDatedFileLines) {
  EXPECT_EQ(Converted("@@@Holiday photos 2004"), "|||Holiday photos 2004");
  EXPECT_EQ(Converted("readme.txt 07-14-04"), "readme.txt:07/14/04");
  EXPECT_EQ(Converted("my file - v2.txt 07-14-04"), "my file - v2.txt:07/14/04");
}

TEST(ConvertLine, FolderClimbAndEndLinesStayAsTheyAre) {
  EXPECT_EQ(Converted("\\Pictures"), "\\Pictures");
  EXPECT_EQ(Converted(".."), "..");
  EXPECT_EQ(Converted("<eof>"), "<eof>");
  EXPECT_EQ(Converted(".profile 07-14-04"), ".profile 07-14-04");  // left in the old form
}

TEST(ConvertLine, DatesItCannotVouchForBecomeZeros) {
  EXPECT_EQ(Converted("a.txt 02-29-01"), "a.txt:00/00/00");
  EXPECT_EQ(Converted("a.txt 02-29-00"), "a.txt:02/29/00");
  EXPECT_EQ(Converted("a.txt 01-01-79"), "a.txt:00/00/00");
  EXPECT_EQ(Converted("a.txt 01-01-80"), "a.txt:01/01/80");
  EXPECT_EQ(Converted("a.txt 01-01-20"), "a.txt:01/01/20");
  EXPECT_EQ(Converted("a.txt 01-01-21"), "a.txt:01/01/21");
  EXPECT_EQ(Converted("a.txt 12-31-50"), "a.txt:12/31/50");
  EXPECT_EQ(Converted("a.txt 01-01-51"), "a.txt:00/00/00");
  EXPECT_EQ(Converted("a.txt 07-14-04 extra"), "a.txt:07/14/04 extra");
}

TEST(ConvertLine, LinesWithoutTheDateForm) {
  EXPECT_EQ(Converted("my file.txt"), "my:00/00/00");
  EXPECT_EQ(Converted("@title without marker"), "@title without:00/00/00");
  EXPECT_EQ(Converted("|||already new 1"), "|||already new:00/00/00");
  std::string dropped;
  EXPECT_FALSE(ConvertLine("", dropped));
  EXPECT_FALSE(ConvertLine("singleword", dropped));
  EXPECT_FALSE(ConvertLine("x-1-11", dropped));
}

class ConvertCatalogTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder_;
  test::RecordingReporter reporter_;
};

TEST_F(ConvertCatalogTest, RewritesTheWholeFileAndLeavesNoTempFile) {
  folder_.Write("old.cat",
                "@@@Holiday photos 2004\r\nreadme.txt 07-14-04\n\\Pictures\r\nbeach.jpg 02-29-01\r\n..\r\n"
                "word\r\n<eof>\r\n");
  ASSERT_EQ(ConvertCatalog(folder_.Path("old.cat").c_str(), reporter_), ChangeOutcome::Replaced);
  EXPECT_EQ(folder_.Read("old.cat"),
            "|||Holiday photos 2004\r\nreadme.txt:07/14/04\r\n\\Pictures\r\nbeach.jpg:00/00/00\r\n..\r\n<eof>\r\n");
  EXPECT_FALSE(folder_.Exists("old.$$$"));
  EXPECT_TRUE(reporter_.Errors().empty());
  EXPECT_EQ(reporter_.replaced, 1);
  CatalogReader reader;
  ASSERT_TRUE(reader.Map(folder_.Path("old.cat").c_str(), 260));
  EXPECT_TRUE(reader.NewFormat());
}

TEST_F(ConvertCatalogTest, ALongLineIsCutAt254AndBothPiecesConverted) {
  const std::string line = std::string(250, 'n') + " 07-14-04" + std::string(41, 'r');
  folder_.Write("old.cat", "@@@Disc\r\n" + line + "\r\n");
  ASSERT_EQ(ConvertCatalog(folder_.Path("old.cat").c_str(), reporter_), ChangeOutcome::Replaced);
  // The first piece ends "n 07-1" (no date form, has a space); the rest has neither.
  EXPECT_EQ(folder_.Read("old.cat"), "|||Disc\r\n" + std::string(250, 'n') + ":00/00/00\r\n");
}

TEST_F(ConvertCatalogTest, AFileNotStartingWithATitleStaysOld) {
  folder_.Write("old.cat", "readme.txt 07-14-04\r\n@@@Disc\r\n<eof>\r\n");
  ASSERT_EQ(ConvertCatalog(folder_.Path("old.cat").c_str(), reporter_), ChangeOutcome::Replaced);
  CatalogReader reader;
  ASSERT_TRUE(reader.Map(folder_.Path("old.cat").c_str(), 260));
  EXPECT_FALSE(reader.NewFormat());
}

// A conversion that cannot be made says why and leaves the catalog as it was.
TEST_F(ConvertCatalogTest, RefusedConversionsLeaveTheCatalogAsItWas) {
  struct Case {
    const char* name;
    const char* file;
    const char* content;  // nullptr: no such file
    const char* message;
  };
  const Case cases[] = {
      {"missing", "missing.cat", nullptr, "Error opening file"},
      {"not one line kept", "words.cat", "word\r\nanother\r\n", kNothingConverted},
      {"named like its own temp file", "old.$$$", "@@@Disc\r\na.txt 01-01-99\r\n<eof>\r\n", kCatalogIsTempName},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.content != nullptr) folder_.Write(c.file, c.content);
    reporter_ = {};
    EXPECT_EQ(ConvertCatalog(folder_.Path(c.file).c_str(), reporter_), ChangeOutcome::Refused);
    EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{c.message});
    EXPECT_EQ(folder_.Exists(c.file), c.content != nullptr);
    if (c.content != nullptr) {
      EXPECT_EQ(folder_.Read(c.file), c.content);
    }
    const std::string temp = std::string(c.file).substr(0, std::string(c.file).find('.')) + ".$$$";
    if (temp != c.file) {
      EXPECT_FALSE(folder_.Exists(temp));
    }
  }
}

TEST_F(ConvertCatalogTest, ATempFileThatCannotBeWrittenLeavesTheCatalogUntouched) {
  const std::string original = "@@@Disc\r\na.txt 01-01-99\r\n<eof>\r\n";
  folder_.Write("old.cat", original);
  folder_.MakeFolder("old.$$$");  // nothing can be written there
  EXPECT_EQ(ConvertCatalog(folder_.Path("old.cat").c_str(), reporter_), ChangeOutcome::TempNotWritten);
  EXPECT_EQ(folder_.Read("old.cat"), original);
  EXPECT_TRUE(reporter_.Errors().empty());
}

}  // namespace
}  // namespace vardek
