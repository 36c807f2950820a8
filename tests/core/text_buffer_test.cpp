#include <gtest/gtest.h>

#include <string>

#include "catalog/text_buffer.h"
#include "test_support.h"

namespace vardek {
namespace {

TEST(TextBuffer, AppendsAndKeepsTheTextTerminated) {
  TextBuffer text;
  ASSERT_TRUE(text.Start(16, 16));
  text.Append("|||Disc\r\n");
  text.Append("a:01/01/01\r\n");
  EXPECT_STREQ(text.Text(), "|||Disc\r\na:01/01/01\r\n");
  EXPECT_EQ(text.Used(), 21u);
  EXPECT_FALSE(text.Failed());
}

TEST(TextBuffer, APieceLongerThanTheGrowthStepGrowsByAsManyStepsAsNeeded) {
  TextBuffer text;
  ASSERT_TRUE(text.Start(8, 8));
  const std::string piece(100, 'q');
  text.Append(piece);
  text.Append("!");
  EXPECT_FALSE(text.Failed());
  EXPECT_EQ(std::string(text.Text()), piece + "!");
  EXPECT_EQ(text.Capacity() % 8, 0u);
  EXPECT_GE(text.Capacity(), 102u);
}

TEST(TextBuffer, AppendWithoutABlockOnlySetsTheErrorFlag) {
  TextBuffer text;
  text.Append("lost");
  EXPECT_TRUE(text.Failed());
  EXPECT_EQ(text.Used(), 0u);
}

TEST(TextBuffer, SavingAnEmptyBufferWritesAnEmptyFile) {
  test::ScratchFolder folder;
  TextBuffer text;
  ASSERT_TRUE(text.Start(64, 64));
  ASSERT_TRUE(text.SaveToFile(folder.Path("empty.$$$").c_str()));
  EXPECT_TRUE(folder.Exists("empty.$$$"));
  EXPECT_EQ(folder.Read("empty.$$$"), "");
}

TEST(TextBuffer, SavesWithoutTheTerminatorAndReadsBackLineByLine) {
  test::ScratchFolder folder;
  TextBuffer text;
  ASSERT_TRUE(text.Start(64, 64));
  text.Append("|||Disc\r\nreadme.txt:07/14/04\n<eof>");
  ASSERT_TRUE(text.SaveToFile(folder.Path("t.cat").c_str()));
  EXPECT_EQ(folder.Read("t.cat"), "|||Disc\r\nreadme.txt:07/14/04\n<eof>");

  TextBuffer source;
  source.SetLineLimit(260);
  ASSERT_TRUE(source.ReadWholeFile(folder.Path("t.cat").c_str(), 2));
  char line[300];
  std::string lines;
  while (source.HasData()) {
    source.NextLine(line);
    lines += std::string(line) + "|";
  }
  EXPECT_EQ(lines, "|||Disc|readme.txt:07/14/04|<eof>|");
}

TEST(TextBuffer, ReadingAMissingFileFails) {
  test::ScratchFolder folder;
  TextBuffer source;
  EXPECT_FALSE(source.ReadWholeFile(folder.Path("missing.cat").c_str(), 2));
  EXPECT_FALSE(source.HasData());
}

}  // namespace
}  // namespace vardek
