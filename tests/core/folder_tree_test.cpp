#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_time.h"
#include "scan/folder_tree.h"
#include "scan/recorded_order.h"

namespace vardek {
namespace {

// Orders as genisoimage and xorriso record Joliet folders (seen with isoinfo -J -l).
TEST(RecordedBefore, OrdersByTheBytesOfTheNames) {
  const struct {
    const char* first;
    const char* second;
  } cases[] = {
      {"Zeta.TXT", "alpha.txt"},  // capitals before small letters
      {"A B", "A.TXT"},           // a space before a dot
      {"A.TXT", "A_B.TXT"},
      {"NOTE", "NOTE.A"},         // a name before its longer forms
      {"NOTE.A", "NOTE.TXT"},
      {"cafz", "caf\xC3\xA9"},    // beyond ASCII after ASCII
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " < " + c.second);
    EXPECT_TRUE(RecordedBefore(c.first, c.second));
    EXPECT_FALSE(RecordedBefore(c.second, c.first));
  }
  EXPECT_FALSE(RecordedBefore("SAME", "SAME"));
}

// The plain names xorriso -R records for Rock Ridge names (seen with isoinfo -l).
TEST(PlainNameOf, GivesTheNameTheOrderOfAPlainFolderGoesBy) {
  const struct {
    const char* rockRidge;
    const char* plain;
  } cases[] = {
      {"A B", "A_B."},          // no extension: a dot at the end
      {"a.txt", "A.TXT"},       // capitals
      {"caf\xC3\xA9", "CAF_."},  // one "_" for a character of two bytes
      {"v1.2.tar", "V1_2.TAR"},  // only the last dot stays
      {"ALPHA.TXT", "ALPHA.TXT"},
      {"NOEXT", "NOEXT."},      // a plain name listed without its last dot
  };
  for (const auto& c : cases) EXPECT_EQ(PlainNameOf(c.rockRidge), c.plain) << c.rockRidge;
  // Recorded by plain names, "A B" comes after "A.TXT", though before it by its own.
  EXPECT_TRUE(RecordedBefore(PlainNameOf("A.TXT"), PlainNameOf("A B")));
}

std::vector<std::string> Listed(const FolderTree& tree, const std::string& folder) {
  std::vector<std::string> names;
  const auto search = tree.NewSearch();
  platform::DirectoryEntry entry;
  for (bool have = search->First((FolderTree::kRoot + folder + "*.*").c_str(), entry, platform::ListDetail::Full);
       have; have = search->Next(entry)) {
    names.push_back(std::string((entry.attributes & platform::kAttributeDirectory) != 0 ? "\\" : "") + entry.name);
  }
  return names;
}

TEST(FolderTree, ListsEachFolderInRecordedOrderWhateverOrderItWasAddedIn) {
  FolderTree tree;
  tree.AddFile("docs/b.txt", 1);
  tree.AddFile("Zeta.TXT", 2);
  tree.AddFolder("docs", 3);  // after a file of it: the folder is kept once
  tree.AddFile("docs/a.txt", 4);
  tree.AddFile("alpha.txt", 5);
  tree.AddFile("docs/b.txt", 6);  // recorded twice: listed twice
  tree.OrderAsRecorded(false);
  EXPECT_EQ(Listed(tree, ""), (std::vector<std::string>{"Zeta.TXT", "alpha.txt", "\\docs"}));
  // The walker asks for folders with the platform's separator.
  const std::string docs = std::string("docs") + platform::kPathSeparator;
  EXPECT_EQ(Listed(tree, docs), (std::vector<std::string>{"a.txt", "b.txt", "b.txt"}));
  EXPECT_TRUE(Listed(tree, std::string("missing") + platform::kPathSeparator).empty());

  tree.OrderAsRecorded(true);  // by the plain names ALPHA.TXT, DOCS. and ZETA.TXT
  EXPECT_EQ(Listed(tree, ""), (std::vector<std::string>{"alpha.txt", "\\docs", "Zeta.TXT"}));
}

TEST(FolderTree, GivesCatalogNamesTimesAndMatchesPatterns) {
  FolderTree tree;
  tree.AddFile("notes a:b|c.doc", platform::FileTimeFromUnix(0, 0));
  tree.AddFile("readme.txt", 7);
  const auto search = tree.NewSearch();
  platform::DirectoryEntry entry;
  ASSERT_TRUE(search->First((std::string(FolderTree::kRoot) + "*.doc").c_str(), entry, platform::ListDetail::Full));
  EXPECT_STREQ(entry.name, "notes a?b?c.doc");  // "?" for what a Windows name cannot hold
  EXPECT_STREQ(entry.fsName, "notes a:b|c.doc");
  EXPECT_EQ(entry.lastWrite, platform::FileTime{116444736000000000});  // 1970-01-01 in ticks since 1601
  EXPECT_FALSE(search->Next(entry));
}

}  // namespace
}  // namespace vardek
