// New, Open and Open all through the menu commands and the real open-file
// dialog, and the window title they leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "automation.h"
#include "catalog/text_routines.h"
#include "catalog_side.h"
#include "resource_ids.h"
#include "shell/catalog_commands.h"
#include "shell/window_title.h"

namespace vardek::testing {
namespace {

class CatalogCommandsTest : public CatalogSideTest {
 protected:
  void Command(int id) { SendMessageA(Window().Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // Types `name` over the dialog's file name and presses its Open button.
  static void Choose(Autopilot& pilot, const std::string& name) {
    pilot.WhenClass("#32770")
        .Call([name](HWND dialog) {
          HWND box = FileNameBox(dialog);
          if (!box) {
            ADD_FAILURE() << "the open-file dialog has no file name box";
            PostMessageA(dialog, WM_CLOSE, 0, 0);
            return;
          }
          SendMessageA(box, EM_SETSEL, 0, -1);
          for (char c : name) PostMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
        })
        .Press("&Open");
  }
  void SetCatalogPath(const std::string& path) { CopyText(TheProgram().session.State().catalogPath, kPathSize, path); }

  CatalogFolder folder_;
};

TEST_F(CatalogCommandsTest, NewChoosesANameAndWritesNothing) {
  StartEmpty();
  std::string chosen = folder_.PathOf("fresh.txt");  // the extension becomes ".cat"
  Autopilot pilot;
  Choose(pilot, chosen);
  Command(IDM_NEW_CATALOG);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(Caption(), "Vardek - fresh.cat");
  EXPECT_STREQ(TheProgram().session.State().catalogPath, folder_.PathOf("fresh.cat").c_str());
  EXPECT_EQ(TheProgram().session.State().newFormat, 1);
  EXPECT_EQ(TheProgram().session.State().saveName, 1);
  EXPECT_FALSE(FileExists(folder_.PathOf("fresh.cat")));
  EXPECT_FALSE(FileExists(chosen));
  EXPECT_TRUE(TopItems().empty());
}

TEST_F(CatalogCommandsTest, NewSuggestsVardekCatAndACancelChangesNothing) {
  StartEmpty();
  SeenWindow dialog;
  std::string suggested;
  Autopilot pilot;
  pilot.WhenClass("#32770")
      .Record(&dialog)
      .Call([&](HWND window) {
        char name[MAX_PATH] = "";
        GetWindowTextA(FileNameBox(window), name, sizeof name);
        suggested = name;
      })
      .Close();
  Command(IDM_NEW_CATALOG);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(suggested, "Vardek.cat");
  EXPECT_EQ(Caption(), "Vardek - Untitled");
  EXPECT_EQ(TheProgram().session.State().saveName, 0);
}

TEST_F(CatalogCommandsTest, OpenChoosingNotesTxtOpensNotesCatExpanded) {
  folder_.Write("notes.txt", {"not a catalog"});
  std::string notes = folder_.Write("notes.cat", TitleLines("Notes disc", {"n.txt:01/02/03"}));
  StartEmpty();
  Autopilot pilot;
  Choose(pilot, folder_.PathOf("notes.txt"));
  Command(IDM_OPEN_CATALOG);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_STREQ(TheProgram().session.State().catalogPath, notes.c_str());
  EXPECT_EQ(TheProgram().session.State().saveName, 1);
  EXPECT_EQ(Caption(), "Vardek - notes.cat");
  auto top = TopItems();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].text, "notes.cat");
  EXPECT_TRUE(top[0].expanded);
  EXPECT_EQ(StatusText(0), "1 titles in catalog");
}

TEST_F(CatalogCommandsTest, OpenAllLoadsEveryCatalogCollapsedAndASecondOpenAllDoesNothing) {
  std::string a = folder_.Write("a.cat", TitleLines("Disc A", {}));
  folder_.Write("b.cat", TitleLines("Disc B", {}));
  folder_.Write("c.cat", Join({TitleLines("Disc C1", {}), TitleLines("Disc C2", {})}));
  folder_.Write("readme.txt", {"not a catalog"});
  // Their short names (NOTES~1.CAT) match "*.cat" on Windows; they are no catalogs.
  folder_.Write("notes.catalog", TitleLines("Not a disc", {}));
  folder_.Write("report.cat2", TitleLines("Not a disc", {}));
  StartEmpty();
  SetCatalogPath(a);
  Command(IDM_OPEN_ALL);
  auto top = TopItems();
  ASSERT_EQ(top.size(), 3u);
  std::vector<std::string> names;
  for (const TreeItemSeen& item : top) {
    names.push_back(item.text);
    EXPECT_FALSE(item.expanded);
  }
  std::sort(names.begin(), names.end());  // in the order the platform lists them
  EXPECT_EQ(names, (std::vector<std::string>{"a.cat", "b.cat", "c.cat"}));
  EXPECT_EQ(Caption(), "Vardek - All catalogs");
  EXPECT_EQ(StatusText(0), "4 titles in catalog");
  EXPECT_STREQ(TheProgram().session.State().catalogPath, a.c_str());
  EXPECT_EQ(TheProgram().session.State().saveName, 0);

  HTREEITEM first = TopItem(0);
  Command(IDM_OPEN_ALL);
  EXPECT_EQ(TopItem(0), first);  // the same items: nothing was reloaded
  EXPECT_EQ(TopItems().size(), 3u);
  EXPECT_EQ(Caption(), "Vardek - All catalogs");
}

// The start-up reopen's conversion question is the platform's box without an
// owner: the main window stays enabled, and a command chosen meanwhile must
// not run inside the reopen.
TEST_F(CatalogCommandsTest, NoCommandRunsInsideTheStartUpReopen) {
  const std::string old = folder_.Write("old.cat", {"@@@Old disc", "readme.txt 07-14-04", "<eof>"});
  folder_.Write("other.cat", TitleLines("Other disc", {}));
  WriteString("Fname", old.c_str());
  Autopilot pilot;
  pilot.WhenClass("#32770")
      .Call([this](HWND) { Command(IDM_OPEN_ALL); })
      .Press("&No");
  Start();
  ASSERT_TRUE(pilot.Finished());
  auto top = TopItems();
  ASSERT_EQ(top.size(), 1u);
  EXPECT_EQ(top[0].text, "old.cat");
  EXPECT_EQ(Caption(), "Vardek - old.cat");
  EXPECT_STREQ(TheProgram().session.State().catalogPath, old.c_str());
  EXPECT_FALSE(Window().Entry().Busy());
}

TEST_F(CatalogCommandsTest, OpenAllWithOneCatalogNamesIt) {
  std::string only = folder_.Write("only.cat", TitleLines("Disc", {}));
  StartEmpty();
  SetCatalogPath(only);
  Command(IDM_OPEN_ALL);
  EXPECT_EQ(TopItems().size(), 1u);
  EXPECT_EQ(Caption(), "Vardek - only.cat");
}

TEST_F(CatalogCommandsTest, OpenAllOpensTheFirstHundredCatalogsAndSaysTheRestWereNot) {
  const struct {
    int files;
    int loaded;
    int boxes;
  } cases[] = {{100, 100, 0}, {101, 100, 1}};
  StartEmpty();
  for (const auto& test : cases) {
    SCOPED_TRACE(test.files);
    CatalogFolder folder;
    for (int file = 0; file < test.files; ++file) {
      folder.Write("c" + std::to_string(file) + ".cat", TitleLines("Disc", {}));
    }
    TheProgram().catalogs.ClearCatalogs();
    SetCatalogPath(folder.PathOf("c0.cat"));
    BoxCounter boxes;
    Command(IDM_OPEN_ALL);
    PumpFor(200);
    EXPECT_EQ(static_cast<int>(TopItems().size()), test.loaded);
    EXPECT_EQ(boxes.Count(), test.boxes);
    if (test.boxes) {
      EXPECT_EQ(boxes.LastCaption(), "Vardek");
    }
  }
}

TEST(WindowTitle, SaysWhatIsLoadedAndIsCutToItsBuffer) {
  const std::string longName(150, 'n');
  const struct {
    const char* label;
    std::string path;
    int loaded;
    const char* onlyName;
    std::string caption;
  } cases[] = {
      {"no catalog", "", 0, nullptr, "Vardek - Untitled"},
      {"no catalog beats loaded ones", "", 2, nullptr, "Vardek - Untitled"},
      {"new, none loaded", "C:\\CD\\Vardek.cat", 0, nullptr, "Vardek - Vardek.cat"},
      {"one loaded", "C:\\CD\\x.cat", 1, "loaded.cat", "Vardek - loaded.cat"},
      {"two loaded", "C:\\CD\\x.cat", 2, "ignored", "Vardek - All catalogs"},
      {"colon", "D:disc.cat", 0, nullptr, "Vardek - disc.cat"},
      {"too long", "C:\\" + longName, 0, nullptr, ("Vardek - " + longName).substr(0, 119)},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    char caption[kCaptionSize + 8];
    std::memset(caption, '#', sizeof caption);
    BuildWindowTitle(test.path.c_str(), test.loaded, test.onlyName, caption, kCaptionSize);
    EXPECT_EQ(std::string(caption), test.caption);
    EXPECT_EQ(caption[kCaptionSize], '#');  // nothing written behind the buffer
  }
}

TEST(CatalogPattern, IsTheCatalogsFolderWithStarDotCat) {
  const struct {
    const char* path;
    const char* pattern;
  } cases[] = {
      {"C:\\CD\\Vardek.cat", "C:\\CD\\*.cat"},
      {"D:music.cat", "D:*.cat"},
      {"bare.cat", "*.cat"},
      {"", "*.cat"},
  };
  for (const auto& test : cases) {
    char pattern[kPatternSize];
    ASSERT_TRUE(BuildCatalogPattern(test.path, pattern, sizeof pattern));
    EXPECT_STREQ(pattern, test.pattern);
  }
  char small[12];
  EXPECT_TRUE(BuildCatalogPattern("C:\\a\\b.cat", small, 11));  // 10 characters and the terminator
  EXPECT_STREQ(small, "C:\\a\\*.cat");
  EXPECT_FALSE(BuildCatalogPattern("C:\\ab\\b.cat", small, 11));  // one more
}

}  // namespace
}  // namespace vardek::testing
