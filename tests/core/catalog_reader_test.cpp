#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "catalog/text_buffer.h"
#include "test_support.h"

namespace vardek {
namespace {

const char* const kTwoTitles =
    "|||Holiday photos 2004\r\nreadme.txt:07/14/04\r\nindex.htm:07/14/04\r\n\\Pictures\r\n"
    "beach.jpg:07/02/04\r\n\\Raw\r\nimg0001.raw:07/02/04\r\n..\r\n..\r\n\\Music\r\nsong.mp3:06/30/04\r\n"
    "..\r\n<eof>\r\n|||Backup disc 1\r\nsetup.exe:01/05/99\r\n<eof>\r\n";

class CatalogReaderTest : public ::testing::Test {
 protected:
  std::vector<std::string> Titles(const std::string& content, CatalogTitleScan& scan) {
    folder_.Write("c.cat", content);
    std::vector<std::string> titles;
    const bool read = ReadCatalogTitles(reader_, folder_.Path("c.cat").c_str(), reporter_,
                                        [&](const char* title) { titles.push_back(title); }, scan);
    EXPECT_TRUE(read);
    return titles;
  }

  test::ScratchFolder folder_;
  test::RecordingReporter reporter_;
  CatalogReader reader_;
};

TEST_F(CatalogReaderTest, MapsReadsAndReportsProgress) {
  folder_.Write("c.cat", kTwoTitles);
  ASSERT_TRUE(reader_.Map(folder_.Path("c.cat").c_str(), 260));
  EXPECT_TRUE(reader_.NewFormat());
  EXPECT_EQ(reader_.PercentRead(), 0);
  char line[300];
  int lines = 0;
  while (reader_.HasData()) {
    reader_.NextLine(line);
    ++lines;
  }
  EXPECT_EQ(lines, 16);
  EXPECT_STREQ(line, "<eof>");
  EXPECT_EQ(reader_.PercentRead(), 100);
  reader_.Unmap();
  EXPECT_FALSE(reader_.IsMapped());
}

// Lines of `content` as the reader hands them out after Map.
std::vector<std::string> MappedLines(CatalogReader& reader, const std::string& path) {
  std::vector<std::string> lines;
  if (!reader.Map(path.c_str(), 260)) return lines;
  char line[300];
  while (reader.HasData()) lines.emplace_back(line, reader.NextLine(line));
  // Windows cannot rewrite a file while a view of it is mapped.
  reader.Unmap();
  return lines;
}

// A catalog of exactly `size` bytes: file lines, the last one filled up.
std::string CatalogOfSize(std::size_t size, char mark) {
  std::string text = "|||Disc\r\n";
  while (text.size() + 40 < size) text += std::string(1, mark) + "file.txt:01/02/03\r\n";
  text += std::string(size - text.size() - 2, mark) + "\r\n";
  return text;
}

// Small catalogs are copied into the reader, larger ones mapped; one reader
// reads both in turn, and a smaller catalog after a larger one shows nothing
// of the one before.
TEST_F(CatalogReaderTest, CopiedAndMappedCatalogsGiveTheSameLines) {
  const std::size_t limit = platform::kLargestCopiedCatalog > 0 ? platform::kLargestCopiedCatalog : 4096;
  const std::string sizes[] = {CatalogOfSize(limit + 1, 'a'), CatalogOfSize(limit, 'b'), kTwoTitles,
                               CatalogOfSize(limit - 1, 'c')};
  for (const std::string& content : sizes) {
    folder_.Write("c.cat", content);
    std::vector<std::string> expected;
    for (std::size_t from = 0; from < content.size();) {
      const std::size_t lf = content.find('\n', from);
      expected.push_back(content.substr(from, lf - from - 1));
      from = lf + 1;
    }
    EXPECT_EQ(MappedLines(reader_, folder_.Path("c.cat")), expected) << content.size();
  }
}

TEST_F(CatalogReaderTest, AnEmptyOrMissingFileCannotBeMapped) {
  folder_.Write("empty.cat", "");
  EXPECT_FALSE(reader_.Map(folder_.Path("empty.cat").c_str(), 260));
  EXPECT_FALSE(reader_.Map(folder_.Path("missing.cat").c_str(), 260));
  CatalogTitleScan scan;
  EXPECT_FALSE(ReadCatalogTitles(reader_, folder_.Path("empty.cat").c_str(), reporter_, [](const char*) {}, scan));
  ASSERT_EQ(reporter_.reports.size(), 1u);
  EXPECT_EQ(reporter_.reports[0].text, "Error opening file");
  EXPECT_EQ(reporter_.reports[0].caption, folder_.Path("empty.cat"));
}

TEST_F(CatalogReaderTest, HandsOutTitlesInFileOrder) {
  CatalogTitleScan scan;
  EXPECT_EQ(Titles(kTwoTitles, scan), (std::vector<std::string>{"Holiday photos 2004", "Backup disc 1"}));
  EXPECT_TRUE(scan.newFormat);
  EXPECT_EQ(scan.titleCount, 2);
}

TEST_F(CatalogReaderTest, ShortAndOddTitleLinesGiveEmptyOrLaterDescriptions) {
  CatalogTitleScan scan;
  EXPECT_EQ(Titles("|\r\n||\r\n@@@\r\n@@no title\r\n|ab Disc\r\n", scan),
            (std::vector<std::string>{"", "", "", " Disc"}));
  EXPECT_FALSE(scan.newFormat);  // begins with "|" but not "|||"
}

TEST_F(CatalogReaderTest, CommentFirstMakesTheFileNewFormatEvenWithOldTitles) {
  CatalogTitleScan scan;
  EXPECT_EQ(Titles("* made by hand\r\n@@@Old disc\r\na.txt 01-01-99\r\n<eof>\r\n", scan),
            std::vector<std::string>{"Old disc"});
  EXPECT_TRUE(scan.newFormat);
}

TEST_F(CatalogReaderTest, OldFormatFileIsDetected) {
  CatalogTitleScan scan;
  EXPECT_EQ(Titles("@@@Holiday photos 2004\r\nreadme.txt 07-14-04\r\n<eof>\r\n", scan),
            std::vector<std::string>{"Holiday photos 2004"});
  EXPECT_FALSE(scan.newFormat);
}

}  // namespace
}  // namespace vardek

namespace vardek {
namespace {

// A catalog's size is kept in 32 bits; a larger file must be refused, not
// read as if it were its size modulo 4 GiB. The file is sparse: it takes no room.
TEST_F(CatalogReaderTest, AFileOf4GiBOrMoreCannotBeOpened) {
  folder_.Write("huge.cat", "|||Disc\r\na.txt:01/01/01\r\n<eof>\r\n");
  std::error_code error;
  std::filesystem::resize_file(folder_.Path("huge.cat"), (1ull << 32) + 10, error);
  if (error) GTEST_SKIP() << "no sparse files here: " << error.message();
  EXPECT_FALSE(reader_.Map(folder_.Path("huge.cat").c_str(), 260));
  CatalogTitleScan scan;
  EXPECT_FALSE(ReadCatalogTitles(reader_, folder_.Path("huge.cat").c_str(), reporter_, [](const char*) {}, scan));
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"Error opening file"});
  TextBuffer whole;
  EXPECT_FALSE(whole.ReadWholeFile(folder_.Path("huge.cat").c_str(), 2));
}

}  // namespace
}  // namespace vardek
