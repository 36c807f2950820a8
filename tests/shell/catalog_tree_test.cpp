// The open operation into the title tree, the conversion question, and unloading.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <utility>

#include "automation.h"
#include "catalog_side.h"

namespace vardek::testing {
namespace {

class CatalogTreeTest : public CatalogSideTest {};

struct SortCase {
  const char* label;
  std::vector<std::string> lines;
  std::vector<std::string> titles;  // under the catalog item, as shown
};

TEST_F(CatalogTreeTest, TitlesAreSortedUnderTheirCatalogItemAndBareMarkersGiveEmptyItems) {
  const SortCase cases[] = {
      {"file order is not kept", {"|||Zeta", "<eof>", "|||Alpha", "<eof>", "|||Mid", "<eof>"},
       {"Alpha", "Mid", "Zeta"}},
      // (a catalog starting with "|" or "||" is in the old format: these come second)
      {"a bare bar is an empty title", {"|||Beta", "<eof>", "|", "a.txt:01/02/03", "<eof>"}, {"", "Beta"}},
      {"two bars and old markers", {"|||X", "<eof>", "||", "<eof>", "@@@Old", "<eof>", "@@@", "<eof>"},
       {"", "", "Old", "X"}},
  };
  CatalogFolder folder;
  StartEmpty();
  for (const SortCase& test : cases) {
    SCOPED_TRACE(test.label);
    std::string path = folder.Write("sorted.cat", test.lines);
    TheProgram().catalogs.ClearCatalogs();
    ASSERT_EQ(TheProgram().catalogs.Open(path.c_str(), true), OpenOutcome::Opened);
    auto top = TopItems();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].text, "sorted.cat");
    EXPECT_EQ(top[0].data, 0);
    EXPECT_TRUE(top[0].expanded);
    std::vector<std::string> shown;
    for (const TreeItemSeen& title : ChildrenOf(TopItem(0))) {
      shown.push_back(title.text);
      EXPECT_EQ(title.data, 1);
    }
    EXPECT_EQ(shown, test.titles);
    EXPECT_EQ(StatusText(0), std::to_string(test.titles.size()) + " titles in catalog");
  }
}

TEST_F(CatalogTreeTest, TitleCountHasThousandsSeparatorsAndSumsEveryLoadedCatalog) {
  const struct {
    int titles;
    const char* shown;
  } cases[] = {{999, "999 titles in catalog"}, {1000, "1,000 titles in catalog"}, {1204, "1,204 titles in catalog"}};
  CatalogFolder folder;
  StartEmpty();
  for (const auto& test : cases) {
    std::vector<std::string> lines;
    for (int title = 0; title < test.titles; ++title) {
      lines.push_back("|||Disc " + std::to_string(title));
      lines.push_back("<eof>");
    }
    std::string path = folder.Write("count.cat", lines);
    TheProgram().catalogs.ClearCatalogs();
    ASSERT_EQ(TheProgram().catalogs.Open(path.c_str(), false), OpenOutcome::Opened);
    EXPECT_EQ(StatusText(0), test.shown);
  }
  // A second catalog adds its titles to the count.
  std::string second = folder.Write("second.cat", TitleLines("One more", {}));
  ASSERT_EQ(TheProgram().catalogs.Open(second.c_str(), false), OpenOutcome::Opened);
  EXPECT_EQ(StatusText(0), "1,205 titles in catalog");
  EXPECT_EQ(TheProgram().session.Catalogs().Count(), 2);
}

TEST_F(CatalogTreeTest, ConversionQuestionConvertsOnYesAndLoadsTheOldFormatOnNo) {
  const struct {
    const char* answer;
    bool converted;
  } cases[] = {{"&Yes", true}, {"&No", false}};
  const std::vector<std::string> oldCatalog = {"@@@Old disc", "readme.txt 07-14-04", "<eof>"};
  CatalogFolder folder;
  StartEmpty();
  for (const auto& test : cases) {
    SCOPED_TRACE(test.answer);
    std::string path = folder.Write("old.cat", oldCatalog);
    std::string before = ReadFileText(path);
    TheProgram().catalogs.ClearCatalogs();
    SeenWindow question;
    Autopilot pilot;
    pilot.WhenClass("#32770").Record(&question).Press(test.answer);
    ASSERT_EQ(TheProgram().catalogs.Open(path.c_str(), true), OpenOutcome::Opened);
    ASSERT_TRUE(pilot.Finished());
    EXPECT_EQ(question.caption, path);
    EXPECT_NE(std::find(question.childTexts.begin(), question.childTexts.end(), "Convert to new format?"),
              question.childTexts.end());
    std::string after = ReadFileText(path);
    EXPECT_EQ(after.rfind("|||Old disc\r\n", 0) == 0, test.converted);
    EXPECT_EQ(after == before, !test.converted);
    EXPECT_EQ(TheProgram().session.State().newFormat, test.converted ? 1 : 0);
    auto titles = ChildrenOf(TopItem(0));
    ASSERT_EQ(titles.size(), 1u);  // converted or not, the title appears once
    EXPECT_EQ(titles[0].text, "Old disc");
  }
}

TEST_F(CatalogTreeTest, ACatalogThatCannotBeOpenedIsReportedAndAddsNothing) {
  CatalogFolder folder;
  const std::string empty = folder.Write("empty.cat", {});
  {  // Write() ends every line; an empty file has none
    std::ofstream truncate(empty, std::ios::binary | std::ios::trunc);
  }
  const std::string missing = folder.PathOf("missing.cat");
  StartEmpty();
  for (const std::string& path : {empty, missing}) {
    BoxCounter boxes;
    EXPECT_EQ(TheProgram().catalogs.Open(path.c_str(), true), OpenOutcome::Failed);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() == 1; }));
    EXPECT_EQ(boxes.LastCaption(), path);
    EXPECT_TRUE(TopItems().empty());
    EXPECT_EQ(TheProgram().session.Catalogs().Count(), 0);
  }
}

// A tree control that moves the selection to another catalog's title when
// an item is deleted (Windows' own may choose the item before the deleted one).
WNDPROC g_treeProcedure = nullptr;
HTREEITEM g_selectOnDelete = nullptr;
LRESULT CALLBACK SelectingOnDelete(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TVM_DELETEITEM && g_selectOnDelete) {
    HTREEITEM title = std::exchange(g_selectOnDelete, nullptr);
    CallWindowProcA(g_treeProcedure, tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(title));
  }
  return CallWindowProcA(g_treeProcedure, tree, message, wParam, lParam);
}

TEST_F(CatalogTreeTest, UnloadingWithATitleSelectedReadsNoCatalog) {
  CatalogFolder folder;
  std::string first = folder.Write("a.cat", TitleLines("First", {"one.txt:01/02/03"}));
  std::string second = folder.Write("b.cat", TitleLines("Second", {"two.txt:01/02/03"}));
  StartEmpty();
  ASSERT_EQ(TheProgram().catalogs.Open(first.c_str(), true), OpenOutcome::Opened);
  ASSERT_EQ(TheProgram().catalogs.Open(second.c_str(), true), OpenOutcome::Opened);
  ASSERT_TRUE(Tree().SelectItem(ChildItem(TopItem(1), "Second")));
  ASSERT_EQ(List().ItemCount(), 1);
  // Were a selection made by the deletions listed, reading the vanished
  // catalog would put up "Error opening file".
  DeleteFileA(first.c_str());
  DeleteFileA(second.c_str());
  g_selectOnDelete = ChildItem(TopItem(0), "First");
  g_treeProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      Tree().Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SelectingOnDelete)));
  BoxCounter boxes;
  TheProgram().catalogs.ClearCatalogs();
  PumpFor(200);
  SetWindowLongPtrA(Tree().Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_treeProcedure));
  EXPECT_EQ(g_selectOnDelete, nullptr);  // the selection did move during the unloading
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_TRUE(TopItems().empty());
  EXPECT_EQ(List().ItemCount(), 0);
  EXPECT_EQ(StatusText(0), "");
  EXPECT_EQ(StatusText(1), "");
}

}  // namespace
}  // namespace vardek::testing
