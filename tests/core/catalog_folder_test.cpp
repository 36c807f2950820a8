#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/catalog_folder.h"
#include "platform/path.h"
#include "test_support.h"

namespace vardek {
namespace {

TEST(CatalogFolder, OnlyNamesEndingInDotCatAreCatalogs) {
  const struct {
    const char* name;
    bool catalog;
  } kCases[] = {{"discs.cat", true},      {"DISCS.CAT", true},    {"Mixed.Cat", true},  {".cat", true},
                {"notes.catalog", false}, {"report.cat2", false}, {"a.cat.bak", false}, {"cat", false},
                {"a.ca", false},          {"", false}};
  for (const auto& c : kCases) EXPECT_EQ(IsCatalogFileName(c.name), c.catalog) << c.name;
}

// Windows also matches "*.cat" against short names (NOTES~1.CAT): the
// listing must leave out what only the short name makes look like a catalog.
TEST(CatalogFolder, ListsTheCatalogsOfAFolderAndNothingElse) {
  test::ScratchFolder folder;
  for (const char* name : {"one.cat", "TWO.CAT", "notes.catalog", "report.cat2", "readme.txt"})
    folder.Write(name, "|||Disc\r\n<eof>\r\n");
  folder.MakeFolder("sub.cat");
  std::vector<std::string> listed;
  ListCatalogs(folder.Path(""), [&](const char* name) {
    listed.push_back(name);
    return true;
  });
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"TWO.CAT", "one.cat"}));

  int calls = 0;
  ListCatalogs(folder.Path(""), [&](const char*) { return ++calls < 1; });
  EXPECT_EQ(calls, 1);  // the first false ends the listing
}

}  // namespace
}  // namespace vardek
