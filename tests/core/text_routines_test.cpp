#include <gtest/gtest.h>

#include <cstring>

#include "catalog/text_routines.h"

namespace vardek {
namespace {

std::string WithExtension(std::string path, const char* extension) {
  EXPECT_TRUE(SetExtension(path, extension)) << path;
  return path;
}

TEST(SetExtension, AppendsReplacesOrRefuses) {
  EXPECT_EQ(WithExtension("C:\\CATS\\music", ".cat"), "C:\\CATS\\music.cat");
  EXPECT_EQ(WithExtension("C:\\CATS\\music.old.cat", ".$$$"), "C:\\CATS\\music.old.$$$");
  EXPECT_EQ(WithExtension("C:\\CATS.V2\\music", ".cat"), "C:\\CATS.V2\\music.cat");
  EXPECT_EQ(WithExtension("/home/me/cats.d/music", ".cat"), "/home/me/cats.d/music.cat");
  EXPECT_EQ(WithExtension("music.cat", "cat"), "music.cat");
  EXPECT_EQ(WithExtension("D:music", ".cat"), "D:music.cat");
  std::string unchanged = "C:\\CATS\\";
  EXPECT_FALSE(SetExtension(unchanged, ".cat"));
  EXPECT_EQ(unchanged, "C:\\CATS\\");
  std::string drive = "D:";
  EXPECT_FALSE(SetExtension(drive, ".cat"));
  std::string empty;
  EXPECT_FALSE(SetExtension(empty, ".cat"));
}

TEST(SetExtension, NeverWritesBeyondAFixedBuffer) {
  char path[12] = "abcdefgh";
  EXPECT_FALSE(SetExtension(path, sizeof path, ".cat"));  // 12 bytes with terminator: one too many
  EXPECT_STREQ(path, "abcdefgh");
  char fits[13] = "abcdefgh";
  EXPECT_TRUE(SetExtension(fits, sizeof fits, ".cat"));
  EXPECT_STREQ(fits, "abcdefgh.cat");
}

TEST(ThousandsSeparators, GroupsTheFirstDigitRunAndDropsTheRest) {
  EXPECT_EQ(ThousandsSeparators("Line number: 1234"), "Line number: 1,234");
  EXPECT_EQ(ThousandsSeparators("1234567 files found"), "1,234,567");
  EXPECT_EQ(ThousandsSeparators("123"), "123");
  EXPECT_EQ(ThousandsSeparators("1000"), "1,000");
  EXPECT_EQ(ThousandsSeparators("no digits"), "no digits");
  EXPECT_EQ(FormatCount(0), "0");
  EXPECT_EQ(FormatCount(1204), "1,204");
  EXPECT_EQ(FormatCount(100000), "100,000");
}

TEST(NamePart, TakesTheTextAfterTheLastSeparator) {
  EXPECT_STREQ(NamePart("C:\\CATS\\music.cat"), "music.cat");
  EXPECT_STREQ(NamePart("D:music.cat"), "music.cat");
  EXPECT_STREQ(NamePart("/home/me/music.cat"), "music.cat");
  EXPECT_STREQ(NamePart("music.cat"), "music.cat");
  EXPECT_STREQ(NamePart("\\music.cat"), "\\music.cat");
}

TEST(CopyText, CutsToTheBufferAndTerminates) {
  char small[4];
  CopyText(small, sizeof small, "abcdef");
  EXPECT_STREQ(small, "abc");
}

}  // namespace
}  // namespace vardek
