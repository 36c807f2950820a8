#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "catalog/catalog_files.h"
#include "platform/files.h"
#include "test_support.h"

namespace vardek {
namespace {

const char* const kOldTitles = "|||Backup disc 1\r\nsetup.exe:01/05/99\r\n<eof>\r\n";
const char* const kNewTitle = "|||Holiday photos 2004\r\nreadme.txt:07/14/04\r\n<eof>\r\n";

class CatalogFilesTest : public ::testing::Test {
 protected:
  std::string catalog() const { return folder_.Path("music.cat"); }
  std::string temp() const { return folder_.Path("music.$$$"); }

  test::ScratchFolder folder_;
  test::RecordingReporter reporter_;
};

TEST_F(CatalogFilesTest, TempPathSitsBesideTheCatalog) {
  EXPECT_EQ(TempPathFor(catalog()), temp());
  EXPECT_EQ(TempPathFor("C:\\CATS\\"), "");
}

TEST_F(CatalogFilesTest, JoinPutsTheNewTitleFirst) {
  folder_.Write("music.cat", kOldTitles);
  folder_.Write("music.$$$", kNewTitle);
  ASSERT_TRUE(JoinCatalog(temp().c_str(), catalog().c_str(), reporter_));
  EXPECT_EQ(folder_.Read("music.cat"), std::string(kNewTitle) + kOldTitles);
  EXPECT_FALSE(folder_.Exists("music.$$$"));
  EXPECT_TRUE(reporter_.Errors().empty());
  EXPECT_EQ(reporter_.replaced, 1);
}

TEST_F(CatalogFilesTest, JoinWithAVanishedCatalogFailsAndLeavesNoTempFile) {
  folder_.Write("music.$$$", kNewTitle);
  EXPECT_FALSE(JoinCatalog(temp().c_str(), catalog().c_str(), reporter_));
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"Error joining files - New data not added"});
  EXPECT_EQ(reporter_.reports[0].caption, catalog());
  EXPECT_FALSE(folder_.Exists("music.$$$"));
  EXPECT_FALSE(folder_.Exists("music.cat"));
}

TEST_F(CatalogFilesTest, JoinThatCannotWriteLeavesTheCatalogByteForByte) {
  folder_.Write("music.cat", kOldTitles);
  folder_.MakeFolder("music.$$$");  // the temp name is taken by a folder: nothing can be appended
  EXPECT_FALSE(JoinCatalog(temp().c_str(), catalog().c_str(), reporter_));
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"Error joining files - New data not added"});
}

TEST_F(CatalogFilesTest, ReplacePutsTheTempFileInTheCatalogsPlace) {
  folder_.Write("music.cat", kOldTitles);
  folder_.Write("music.$$$", kNewTitle);
  ASSERT_TRUE(ReplaceCatalog(temp().c_str(), catalog().c_str(), reporter_));
  EXPECT_EQ(folder_.Read("music.cat"), kNewTitle);
  EXPECT_FALSE(folder_.Exists("music.$$$"));
}

TEST_F(CatalogFilesTest, FailedReplaceKeepsTheCatalogAndReportsIt) {
  folder_.Write("music.cat", kOldTitles);
  EXPECT_FALSE(ReplaceCatalog(temp().c_str(), catalog().c_str(), reporter_));
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  ASSERT_EQ(reporter_.Errors().size(), 1u);
  EXPECT_EQ(reporter_.replaced, 0);
}

#ifndef _WIN32
// A move cut short between its link and its unlink leaves the temp name on
// the catalog's own file; the next temp file must not cut the catalog.
TEST_F(CatalogFilesTest, WritingATempFileNeverTruncatesALinkedCatalog) {
  folder_.Write("music.cat", kOldTitles);
  std::filesystem::create_hard_link(catalog(), temp());
  ASSERT_TRUE(platform::WriteNewFile(temp().c_str(), kNewTitle, std::strlen(kNewTitle)));
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  EXPECT_EQ(folder_.Read("music.$$$"), kNewTitle);
}
#endif

TEST_F(CatalogFilesTest, MoveNeverOverwritesAnExistingFile) {
  folder_.Write("music.cat", kOldTitles);
  folder_.Write("music.$$$", kNewTitle);
  EXPECT_FALSE(platform::MoveFileTo(temp().c_str(), catalog().c_str()));
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  ASSERT_TRUE(platform::MoveFileTo(temp().c_str(), folder_.Path("new.cat").c_str()));
  EXPECT_EQ(folder_.Read("new.cat"), kNewTitle);
  EXPECT_FALSE(folder_.Exists("music.$$$"));
}

}  // namespace
}  // namespace vardek
