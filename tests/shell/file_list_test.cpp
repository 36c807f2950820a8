// Title browsing: a selected disc title's files in the file list, the count,
// and what may happen while a fill pumps messages.
#include <gtest/gtest.h>


#include "automation.h"
#include "catalog/text_routines.h"
#include "catalog_side.h"

#include <commctrl.h>

namespace vardek::testing {
namespace {

class FileListTest : public CatalogSideTest {
 protected:
  // Opens `lines` as the only catalog, expanded.
  void Load(const std::vector<std::string>& lines) {
    path_ = folder_.Write("browse.cat", lines);
    StartEmpty();
    ASSERT_EQ(TheProgram().catalogs.Open(path_.c_str(), true), OpenOutcome::Opened);
  }
  HTREEITEM Title(const std::string& text) { return ChildItem(TopItem(0), text); }

  CatalogFolder folder_;
  std::string path_;
};

std::vector<std::string> ManyFiles(int count, const std::string& prefix) {
  std::vector<std::string> lines;
  for (int file = 0; file < count; ++file) lines.push_back(prefix + std::to_string(file) + ".jpg:01/02/03");
  return lines;
}

TEST_F(FileListTest, SelectedTitleListsItsFilesInCatalogOrderWithABackslashForTheRoot) {
  Load(Join({TitleLines("Other", {"skip.txt:05/05/05"}),
             TitleLines("Photos", {"zeta.txt:07/14/04", "\\DATA", "\\SUB", "deep.bin:03/02/05", "..", "..",
                                   "alpha.txt:12/31/99", "no separator"})}));
  ASSERT_TRUE(Tree().SelectItem(Title("Photos")));
  EXPECT_EQ(ListedRows(), (std::vector<std::string>{"zeta.txt|07/14/04|\\|Photos",
                                                    "deep.bin|03/02/05|\\DATA\\SUB|Photos",
                                                    "alpha.txt|12/31/99|\\|Photos"}));
  EXPECT_EQ(Cell(0, 0), "");  // the hidden column shows nothing
  EXPECT_EQ(StatusText(0), "3 files found");
}

TEST_F(FileListTest, ATitleWithAnEmptyDescriptionListsItsOwnFilesOnly) {
  Load(Join({TitleLines("Named", {"named.txt:01/01/01"}), {"|", "mine.txt:02/02/02", "<eof>"},
             TitleLines("After", {"after.txt:03/03/03"})}));
  ASSERT_TRUE(Tree().SelectItem(Title("")));
  EXPECT_EQ(ListedRows(), (std::vector<std::string>{"mine.txt|02/02/02|\\|"}));
  EXPECT_EQ(StatusText(0), "1 files found");
}

TEST_F(FileListTest, CountShownIsTheNumberOfRowsWithThousandsSeparators) {
  const struct {
    const char* select;
    int rows;
    const char* status;
    const char* lastName;
  } cases[] = {
      {"browse.cat", 0, "0 files found", ""},  // the catalog item lists nothing
      {"Empty", 0, "0 files found", ""},
      {"Some", 250, "250 files found", "s249.jpg"},
      {"Many", 1234, "1,234 files found", "m1233.jpg"},
  };
  Load(Join({TitleLines("Empty", {}), TitleLines("Some", ManyFiles(250, "s")),
             TitleLines("Many", ManyFiles(1234, "m"))}));
  for (const auto& test : cases) {
    SCOPED_TRACE(test.select);
    ASSERT_TRUE(Tree().SelectItem(test.select == std::string("browse.cat") ? TopItem(0) : Title(test.select)));
    EXPECT_EQ(List().ItemCount(), test.rows);
    EXPECT_EQ(StatusText(0), test.status);
    EXPECT_EQ(Cell(test.rows - 1, 1), test.lastName);
  }
}

// The fill ends first; then the title the user chose is listed, as the tree shows it.
TEST_F(FileListTest, ASelectionDuringAFillIsListedOnceTheFillHasEnded) {
  Load(Join({TitleLines("Big", ManyFiles(3000, "big")), TitleLines("Small", {"a.txt:01/01/01", "b.txt:02/02/02"})}));
  // The second selection waits in the queue; the first fill's pump after row 0 takes it.
  PostMessageA(Tree().Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Title("Small")));
  ASSERT_TRUE(Tree().SelectItem(Title("Big")));
  PumpFor(100);
  EXPECT_EQ(ListedRows(), (std::vector<std::string>{"a.txt|01/01/01|\\|Small", "b.txt|02/02/02|\\|Small"}));
  EXPECT_EQ(StatusText(0), "2 files found");
  EXPECT_TRUE(IsWindowVisible(List().Handle()));
}

// A header click as the list reports it, posted so that a pumping command
// takes it; the notification must outlive the post.
void PostHeaderClick(FileListView& list, int column) {
  static NMLISTVIEW click;
  click = ColumnClick(list.Handle(), column);
  PostMessageA(GetParent(list.Handle()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

TEST_F(FileListTest, DuringAFillAHeaderClickOrAnUnloadingCommandIsRefused) {
  Load(TitleLines("Big", ManyFiles(3000, "big")));
  CopyText(TheProgram().session.State().catalogPath, kPathSize, path_);
  // Both wait in the queue; the fill's first pump takes them.
  PostHeaderClick(List(), 1);
  PostMessageA(Window().Handle(), WM_COMMAND, 40009, 0);  // Open all
  ASSERT_TRUE(Tree().SelectItem(Title("Big")));
  PumpFor(100);
  EXPECT_EQ(List().ItemCount(), 3000);
  EXPECT_EQ(Cell(2, 1), "big2.jpg");  // catalog order: no sort of the rows listed so far
  EXPECT_EQ(Cell(2999, 1), "big2999.jpg");
  EXPECT_EQ(StatusText(0), "3,000 files found");
  auto top = TopItems();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_TRUE(top[0].expanded);  // not reloaded by Open all
}

// The unload releases the rows but keeps their count; a header click then
// must read none of them.
TEST_F(FileListTest, AHeaderClickAfterTheCatalogsWereUnloadedSortsNothing) {
  Load(TitleLines("Photos", {"b.jpg:01/02/03", "a.jpg:02/03/04"}));
  ASSERT_TRUE(Tree().SelectItem(Title("Photos")));
  ASSERT_EQ(List().ItemCount(), 2);
  CopyText(TheProgram().session.State().catalogPath, kPathSize, path_);
  SendMessageA(Window().Handle(), WM_COMMAND, 40009, 0);  // Open all unloads first
  for (int column = 0; column <= 4; ++column) {
    PostHeaderClick(List(), column);
    PumpFor(20);
  }
  EXPECT_TRUE(IsWindow(Window().Handle()));
  EXPECT_EQ(List().ItemCount(), 0);
  EXPECT_EQ(StatusText(0), "1 titles in catalog");
}

int g_listPaints = 0;

LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_PAINT) ++g_listPaints;
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(FileListTest, ALongFillDoesNotRedrawTheListRowByRowAndGrowsPastTheFirstRowBlock) {
  // 12,000 rows: past the row array's first 10,000; 120 pumps, each of which
  // would paint a list that redraws while it fills.
  Load(TitleLines("Long", ManyFiles(12000, "l")));
  PumpFor(100);
  ASSERT_TRUE(SetWindowSubclass(List().Handle(), CountPaints, 1, 0));
  g_listPaints = 0;
  ASSERT_TRUE(Tree().SelectItem(Title("Long")));
  int paintsDuringFill = g_listPaints;
  RemoveWindowSubclass(List().Handle(), CountPaints, 1);
  EXPECT_LE(paintsDuringFill, 1);  // at most one left over from before the fill
  EXPECT_EQ(List().ItemCount(), 12000);
  EXPECT_EQ(Cell(11999, 1), "l11999.jpg");
  EXPECT_EQ(StatusText(0), "12,000 files found");
  // Redrawing is on again afterwards: the list paints its rows.
  g_listPaints = 0;
  ASSERT_TRUE(SetWindowSubclass(List().Handle(), CountPaints, 1, 0));
  RedrawWindow(List().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RemoveWindowSubclass(List().Handle(), CountPaints, 1);
  EXPECT_GE(g_listPaints, 1);
}

}  // namespace
}  // namespace vardek::testing
