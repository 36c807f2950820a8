// The Scan dialog, the insert-disc prompt and the Find dialog, run for real
// over the main window, with drives A: (removable), C: (fixed) and D: (CD-ROM)
// linked into the Wine prefix.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "automation.h"
#include "resources/resource_ids.h"
#include "shell/find_dialog.h"
#include "shell/insert_disc_prompt.h"
#include "shell/scan_dialog.h"
#include "shell_fixture.h"
#include "test_drives.h"

namespace vardek::testing {
namespace {

constexpr DWORD kSettle = 300;  // lets a key or click that should do nothing be handled

// What a dialog showed when a step looked at it.
struct DialogView {
  std::string caption;
  std::vector<std::string> drives;  // the drive list's entries
  std::string selectedDrive;
  bool stillOpen = false;
  int focusId = 0;
  std::string ownedBoxText;  // the texts of a message box the dialog showed
};

std::string ComboText(HWND combo, LRESULT index) {
  char text[64] = "";
  if (index < 0 || SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= 64) {
    return "";
  }
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

Autopilot::Step Look(DialogView* view) {
  return [view](HWND dialog) {
    view->caption = WindowText(dialog);
    view->stillOpen = IsWindowVisible(dialog) != FALSE;
    HWND focus = GetFocus();
    view->focusId = focus && IsChild(dialog, focus) ? GetDlgCtrlID(focus) : 0;
    HWND combo = GetDlgItem(dialog, IDC_DRIVE_LIST);
    if (!combo) return;
    view->drives.clear();
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) view->drives.push_back(ComboText(combo, index));
    view->selectedDrive = ComboText(combo, SendMessageA(combo, CB_GETCURSEL, 0, 0));
  };
}

// The visible window this dialog owns (a message box it showed).
HWND OwnedWindow(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != s->owner) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Reads the message box the dialog shows and presses its OK.
Autopilot::Step AnswerOwnedBox(DialogView* view) {
  return [view](HWND dialog) {
    HWND box = OwnedWindow(dialog);
    if (!box) {
      ADD_FAILURE() << "no message box over the dialog";
      return;
    }
    view->ownedBoxText.clear();
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      view->ownedBoxText += WindowText(child) + "|";
    }
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  };
}

Autopilot::Step ClickButton(int id) {
  return [id](HWND dialog) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); };
}

class DialogsTest : public ShellTest {
 protected:
  static void SetUpTestSuite() {
    drives_ = std::make_unique<TestDrives>();
    drives_->Map('a', DRIVE_REMOVABLE);
    drives_->Map('d', DRIVE_CDROM);
    if (DrivePresent('e')) drives_->Remove('e');
  }
  static void TearDownTestSuite() { drives_.reset(); }

  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_EQ(GetDriveTypeA("A:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    ASSERT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
    ASSERT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_CDROM));
    Start();
  }

  HWND Owner() { return Window().Handle(); }

  static std::unique_ptr<TestDrives> drives_;
};
std::unique_ptr<TestDrives> DialogsTest::drives_;

// --- The drive list ----------------------------------------------------------

struct DriveCase {
  const char* name;
  const char* remembered;   // the Scan dialog's remembered drive
  char vanished;            // a drive that was there and is gone before the showing
  const char* scanChoice;   // the entry the Scan dialog selects
  char scanLetter;          // the letter OK then scans
};

class ScanDriveList : public DialogsTest, public ::testing::WithParamInterface<DriveCase> {};

TEST_P(ScanDriveList, ListsEveryDriveWithItsTypeAndSelectsTheRememberedOrTheFirstHardDrive) {
  const DriveCase& c = GetParam();
  if (c.vanished) {
    ASSERT_FALSE(drives_->Map(c.vanished, DRIVE_FIXED).empty());
    ASSERT_TRUE(DrivePresent(c.vanished));
    drives_->Remove(c.vanished);
  }
  ScanDialog scan;
  DescriptionBuffer description = "";
  DialogView view;
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN).Call(Look(&view)).Type(IDC_SCAN_DESCRIPTION, "Disc").Press("OK");

  EXPECT_EQ(scan.Ask(Owner(), description, c.remembered), DialogAnswer::Ok);
  ASSERT_GE(view.drives.size(), 3u);
  EXPECT_EQ(view.drives[0], "A: Removable");
  EXPECT_EQ(view.drives[1], "C: Hard Drive");
  EXPECT_EQ(view.drives[2], "D: CD-ROM");
  for (const std::string& entry : view.drives) EXPECT_NE(entry[0], 'E') << entry;
  EXPECT_EQ(view.selectedDrive, c.scanChoice);
  EXPECT_EQ(scan.ChosenLetter(), c.scanLetter);
  EXPECT_STREQ(description, "Disc");
}

INSTANTIATE_TEST_SUITE_P(
    Drives, ScanDriveList,
    ::testing::Values(DriveCase{"RememberedCdRom", "D:", 0, "D: CD-ROM", 'D'},
                      DriveCase{"RememberedInSmallLetters", "a:", 0, "A: Removable", 'A'},
                      DriveCase{"RememberedDriveVanished", "E:", 'e', "C: Hard Drive", 'C'},
                      DriveCase{"FirstStartWithoutDrive", "", 0, "C: Hard Drive", 'C'}),
    [](const ::testing::TestParamInfo<DriveCase>& info) { return std::string(info.param.name); });

struct PromptCase {
  const char* name;
  const char* sourcePath;   // as the double click built it
  char vanished;
  bool withoutCdRom;
  const char* choice;       // the entry the prompt selects
  const char* title;        // the prompt's title, which is the path OK will use
};

class PromptDriveList : public DialogsTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PromptDriveList, SelectsTheRememberedOrTheFirstCdRomAndShowsThePathInTheTitle) {
  const PromptCase& c = GetParam();
  if (c.vanished) {
    ASSERT_FALSE(drives_->Map(c.vanished, DRIVE_CDROM).empty());
    drives_->Remove(c.vanished);
  }
  if (c.withoutCdRom) drives_->Remove('d');
  InsertDiscPrompt prompt;
  SourcePathBuffer source = "";
  std::snprintf(source, sizeof source, "%s", c.sourcePath);
  DialogView view;
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC).Call(Look(&view)).Press("OK");

  EXPECT_EQ(prompt.Ask(Owner(), source, "Games 1998"), DialogAnswer::Ok);
  if (c.withoutCdRom) drives_->Map('d', DRIVE_CDROM);
  EXPECT_EQ(view.selectedDrive, c.choice);
  EXPECT_EQ(view.caption, c.title);
  EXPECT_STREQ(source, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, PromptDriveList,
    ::testing::Values(
        PromptCase{"RememberedRemovable", "A:\\DATA\\A.DAT", 0, false, "A: Removable",
                   "A:\\DATA\\A.DAT"},
        PromptCase{"RememberedDriveVanished", "E:\\DATA\\A.DAT", 'e', false, "D: CD-ROM",
                   "D:\\DATA\\A.DAT"},
        PromptCase{"NoRememberedDrive", "~:\\README.TXT", 0, false, "D: CD-ROM",
                   "D:\\README.TXT"},
        // Nothing is chosen for the user: the path keeps a letter no drive has.
        PromptCase{"NoRememberedDriveAndNoCdRom", "~:\\README.TXT", 0, true, "",
                   "~:\\README.TXT"}),
    [](const ::testing::TestParamInfo<PromptCase>& info) { return std::string(info.param.name); });

TEST_F(DialogsTest, PickingAnotherDriveInThePromptChangesItsTitleAndThePath) {
  InsertDiscPrompt prompt;
  SourcePathBuffer source = "D:\\DATA\\A.DAT";
  DialogView before;
  DialogView after;
  Autopilot pilot;
  // The drive list has the focus: Home picks its first entry, as a user would.
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Call(Look(&before))
      .Key(VK_HOME)
      .Pause(kSettle)
      .Call(Look(&after))
      .Press("OK");

  EXPECT_EQ(prompt.Ask(Owner(), source, "Games"), DialogAnswer::Ok);
  EXPECT_EQ(before.focusId, IDC_DRIVE_LIST);
  EXPECT_EQ(before.caption, "D:\\DATA\\A.DAT");
  EXPECT_EQ(after.selectedDrive, "A: Removable");
  EXPECT_EQ(after.caption, "A:\\DATA\\A.DAT");
  EXPECT_STREQ(source, "A:\\DATA\\A.DAT");
}

// --- Enter in each dialog ----------------------------------------------------

TEST_F(DialogsTest, EnterInTheScanDescriptionNeitherScansNorCloses) {
  ScanDialog scan;
  DescriptionBuffer description = "Old disc";
  DialogView view;
  std::string shown;
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN)
      .Call([](HWND dialog) { SendDlgItemMessageA(dialog, IDC_SCAN_DESCRIPTION, EM_SETSEL, 99, 99); })
      .Type(IDC_SCAN_DESCRIPTION, " 2")
      .Key(VK_RETURN)
      .Pause(kSettle)
      .Call(Look(&view))
      .Call([&shown](HWND dialog) { shown = WindowText(GetDlgItem(dialog, IDC_SCAN_DESCRIPTION)); })
      .Press("Cancel");

  EXPECT_EQ(scan.Ask(Owner(), description, "C:"), DialogAnswer::Cancel);
  EXPECT_EQ(shown, "Old disc 2");  // the previous description is offered
  EXPECT_TRUE(view.stillOpen);
  EXPECT_EQ(view.focusId, IDC_SCAN_DESCRIPTION);
  EXPECT_STREQ(description, "Old disc");  // Cancel keeps the previous description
}

TEST_F(DialogsTest, EnterInThePromptAccepts) {
  InsertDiscPrompt prompt;
  SourcePathBuffer source = "D:\\A.DAT";
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC).Key(VK_RETURN);
  EXPECT_EQ(prompt.Ask(Owner(), source, "Games"), DialogAnswer::Ok);
  EXPECT_FALSE(pilot.TimedOut());
}

TEST_F(DialogsTest, EnterInTheFindFieldSearches) {
  FindDialog find;
  char catalogPath[kPathSize] = "";
  Autopilot pilot;
  pilot.WhenDialog(IDD_FIND).Type(IDC_FIND_FILE_TEXT, "readme").Key(VK_RETURN);
  EXPECT_EQ(find.Ask(Owner(), 1, catalogPath), SearchKind::Files);
  EXPECT_STREQ(find.SearchText(), "readme");
}

// --- The Scan dialog's description --------------------------------------------

TEST_F(DialogsTest, EightyTypedCharactersAreAllShownAndTheFirst79Stored) {
  std::string typed;
  for (int i = 0; i < 81; ++i) typed += static_cast<char>('0' + i % 10);  // one over the limit
  ScanDialog scan;
  DescriptionBuffer description = "";
  std::string shown;
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN)
      .Type(IDC_SCAN_DESCRIPTION, typed.c_str())
      .Call([&shown](HWND dialog) { shown = WindowText(GetDlgItem(dialog, IDC_SCAN_DESCRIPTION)); })
      .Press("OK");

  EXPECT_EQ(scan.Ask(Owner(), description, "C:"), DialogAnswer::Ok);
  EXPECT_EQ(shown, typed.substr(0, 80));
  EXPECT_EQ(std::string(description), typed.substr(0, 79));
}

TEST_F(DialogsTest, AnEmptyDescriptionIsRefusedAndTheDialogStaysOpen) {
  ScanDialog scan;
  DescriptionBuffer description = "Previous";
  DialogView view;
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN)
      .Call([](HWND dialog) { SetDlgItemTextA(dialog, IDC_SCAN_DESCRIPTION, ""); })
      .Press("OK")
      .Pause(kSettle)
      .Call(AnswerOwnedBox(&view))
      .Pause(kSettle)
      .Call(Look(&view))
      .Press("Cancel");

  EXPECT_EQ(scan.Ask(Owner(), description, "C:"), DialogAnswer::Cancel);
  EXPECT_NE(view.ownedBoxText.find("You must supply a disk description."), std::string::npos)
      << view.ownedBoxText;
  EXPECT_TRUE(view.stillOpen);
  EXPECT_STREQ(description, "Previous");
}

// --- The prompt's operation and text -------------------------------------------

TEST_F(DialogsTest, CopyStaysCheckedOnTheNextShowingAndCancelKeepsIt) {
  InsertDiscPrompt prompt;
  SourcePathBuffer source = "D:\\A.DAT";
  bool executeFirst = false;
  bool copySecond = false;
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Call([&executeFirst](HWND dialog) {
        executeFirst = IsDlgButtonChecked(dialog, IDC_PROMPT_EXECUTE) == BST_CHECKED &&
                       IsDlgButtonChecked(dialog, IDC_PROMPT_COPY) != BST_CHECKED;
      })
      .Call(ClickButton(IDC_PROMPT_COPY))
      .Press("OK");
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Call([&copySecond](HWND dialog) {
        copySecond = IsDlgButtonChecked(dialog, IDC_PROMPT_COPY) == BST_CHECKED;
      })
      .Call(ClickButton(IDC_PROMPT_EXECUTE))
      .Press("Cancel");

  EXPECT_EQ(prompt.Ask(Owner(), source, "Games"), DialogAnswer::Ok);
  EXPECT_TRUE(executeFirst);
  EXPECT_EQ(prompt.Operation(), DiscOperation::Copy);
  EXPECT_EQ(prompt.Ask(Owner(), source, "Games"), DialogAnswer::Cancel);
  EXPECT_TRUE(copySecond);
  EXPECT_EQ(prompt.Operation(), DiscOperation::Copy);
}

TEST_F(DialogsTest, ThePromptPaintsItsRequestInsideItsFrame) {
  EXPECT_EQ(InsertDiscPrompt::PromptText("Games 1998"),
            "Insert the CD title \" Games 1998 \" into the selected drive and press enter.");
  InsertDiscPrompt prompt;
  SourcePathBuffer source = "D:\\A.DAT";
  RECT frame{};
  RECT ink{};
  int underTheLine = -1;
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Pause(kSettle)
      .Call([&](HWND dialog) {
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GetWindowRect(GetDlgItem(dialog, IDC_PROMPT_AREA), &frame);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&frame), 2);
        auto picture = Picture::OfClient(dialog);
        // Below the frame's top line and inside its other lines: only the
        // request's second line of text can be there.
        const RECT band = {frame.left + 4, frame.top + 14, frame.right - 4, frame.bottom - 4};
        ink = picture->InkBounds(band, GetSysColor(COLOR_BTNFACE));
        // The frame's top line is the first row drawn across the whole width;
        // the row just under it must be clear, or the text runs into the line.
        auto inkIn = [&](int y) {  // pixels of the row not of the background
          int count = 0;
          for (int x = frame.left + 4; x < frame.right - 4; ++x) {
            count += picture->At(x, y) != GetSysColor(COLOR_BTNFACE);
          }
          return count;
        };
        const int width = frame.right - frame.left - 8;
        int y = frame.top;
        while (y < frame.bottom && inkIn(y) < width) ++y;
        while (y < frame.bottom && inkIn(y) == width) ++y;
        underTheLine = inkIn(y);
      })
      .Press("Cancel");

  EXPECT_EQ(prompt.Ask(Owner(), source, "Games 1998"), DialogAnswer::Cancel);
  EXPECT_FALSE(IsRectEmpty(&ink)) << "the request is not painted inside the frame";
  EXPECT_EQ(underTheLine, 0) << "the request's first row runs into the frame's top line";
}

// --- The Find dialog -------------------------------------------------------------

TEST_F(DialogsTest, FindFocusFollowsTheLastFieldAndTheRadioButtonsFollowTheFocus) {
  FindDialog find;
  char catalogPath[kPathSize] = "";
  DialogView first;
  DialogView afterFolders;
  DialogView second;
  DialogView afterFiles;
  bool filesFirst = false;
  bool foldersAfterClick = false;
  bool foldersSecond = false;
  bool filesAfterClick = false;
  auto checked = [](bool* flag, int id) {
    return [flag, id](HWND dialog) { *flag = IsDlgButtonChecked(dialog, id) == BST_CHECKED; };
  };
  Autopilot pilot;
  pilot.WhenDialog(IDD_FIND)
      .Call(Look(&first))
      .Call(checked(&filesFirst, IDC_FIND_FILES))
      .Call(ClickButton(IDC_FIND_FOLDERS))
      .Pause(kSettle)
      .Call(Look(&afterFolders))
      .Call(checked(&foldersAfterClick, IDC_FIND_FOLDERS))
      .Type(IDC_FIND_FOLDER_TEXT, "sys")
      .Press("OK");
  pilot.WhenDialog(IDD_FIND)
      .Call(Look(&second))
      .Call(checked(&foldersSecond, IDC_FIND_FOLDERS))
      .Call(ClickButton(IDC_FIND_FILES))
      .Pause(kSettle)
      .Call(Look(&afterFiles))
      .Call(checked(&filesAfterClick, IDC_FIND_FILES))
      .Press("Cancel");

  EXPECT_EQ(find.Ask(Owner(), 1, catalogPath), SearchKind::Folders);
  EXPECT_EQ(first.focusId, IDC_FIND_FILE_TEXT);
  EXPECT_TRUE(filesFirst);
  EXPECT_EQ(afterFolders.focusId, IDC_FIND_FOLDER_TEXT);
  EXPECT_TRUE(foldersAfterClick);
  EXPECT_STREQ(find.SearchText(), "sys");
  EXPECT_EQ(find.LastField(), IDC_FIND_FOLDER_TEXT);

  EXPECT_EQ(find.Ask(Owner(), 1, catalogPath), SearchKind::None);
  EXPECT_EQ(second.focusId, IDC_FIND_FOLDER_TEXT);
  EXPECT_TRUE(foldersSecond);
  EXPECT_EQ(afterFiles.focusId, IDC_FIND_FILE_TEXT);
  EXPECT_TRUE(filesAfterClick);
  EXPECT_STREQ(find.SearchText(), "");  // Cancel empties it
}

struct FindCase {
  const char* name;
  int field;             // where the text is typed
  const char* typed;
  SearchKind kind;
  const char* searchText;
  std::size_t shownLength;  // characters the field took
};

class FindTyping : public DialogsTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindTyping, TheTypedFieldDecidesTheKindAndTheTextIsLoweredAndLimited) {
  const FindCase& c = GetParam();
  FindDialog find;
  char catalogPath[kPathSize] = "";
  const int field = c.field;
  Autopilot pilot;
  std::string shown;
  pilot.WhenDialog(IDD_FIND)
      .Call([field](HWND dialog) { SetFocus(GetDlgItem(dialog, field)); })
      .Type(field, c.typed)
      .Call([field, &shown](HWND dialog) { shown = WindowText(GetDlgItem(dialog, field)); })
      .Press("OK");
  EXPECT_EQ(find.Ask(Owner(), 1, catalogPath), c.kind);
  EXPECT_EQ(shown.size(), c.shownLength);
  EXPECT_STREQ(find.SearchText(), c.searchText);
}

// 40 characters. Narrow ones: the fields do not scroll, so wide letters
// would stop at the field's edge before the limit.
const std::string k40(40, 'i');
const std::string k39(39, 'i');

INSTANTIATE_TEST_SUITE_P(
    Find, FindTyping,
    ::testing::Values(
        FindCase{"CapitalsBecomeSmall", IDC_FIND_FILE_TEXT, "Win", SearchKind::Files, "win", 3},
        FindCase{"WildcardsStayLiteral", IDC_FIND_FILE_TEXT, "*.wav", SearchKind::Files, "*.wav", 5},
        FindCase{"FolderField", IDC_FIND_FOLDER_TEXT, "\\Sys", SearchKind::Folders, "\\sys", 4},
        FindCase{"NothingTypedIsACancel", IDC_FIND_FILE_TEXT, "", SearchKind::None, "", 0},
        FindCase{"FileFieldTakes39", IDC_FIND_FILE_TEXT, k40.c_str(), SearchKind::Files,
                 k39.c_str(), 39},
        FindCase{"FolderFieldReads39", IDC_FIND_FOLDER_TEXT, k40.c_str(), SearchKind::Folders,
                 k39.c_str(), 40}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

struct SearchAllCase {
  int loadedCatalogs;
  bool enabled;
};

class FindSearchAll : public DialogsTest, public ::testing::WithParamInterface<SearchAllCase> {};

TEST_P(FindSearchAll, CanBeCheckedOnlyWithAtMostOneCatalogLoaded) {
  const SearchAllCase& c = GetParam();
  FindDialog find;
  char catalogPath[kPathSize] = "";
  bool enabled = false;
  Autopilot pilot;
  pilot.WhenDialog(IDD_FIND)
      .Call([&enabled](HWND dialog) {
        HWND box = GetDlgItem(dialog, IDC_FIND_SEARCH_ALL);
        enabled = IsWindowEnabled(box) != FALSE;
        if (enabled) PostMessageA(box, BM_CLICK, 0, 0);  // a user can click only then
      })
      .Type(IDC_FIND_FILE_TEXT, "a")
      .Press("OK");
  EXPECT_EQ(find.Ask(Owner(), c.loadedCatalogs, catalogPath), SearchKind::Files);
  EXPECT_EQ(enabled, c.enabled);
  EXPECT_EQ(find.SearchAll(), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Find, FindSearchAll,
                         ::testing::Values(SearchAllCase{0, true}, SearchAllCase{1, true},
                                           SearchAllCase{2, false}, SearchAllCase{100, false}));

struct CatalogPathCase {
  const char* before;
  const char* after;
};

class FindCatalogPath : public DialogsTest,
                        public ::testing::WithParamInterface<CatalogPathCase> {};

TEST_P(FindCatalogPath, TheCurrentCatalogGetsTheCatExtension) {
  FindDialog find;
  char catalogPath[kPathSize] = "";
  std::snprintf(catalogPath, sizeof catalogPath, "%s", GetParam().before);
  Autopilot pilot;
  pilot.WhenDialog(IDD_FIND).Press("Cancel");
  EXPECT_EQ(find.Ask(Owner(), 1, catalogPath), SearchKind::None);
  EXPECT_STREQ(catalogPath, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Find, FindCatalogPath,
    ::testing::Values(CatalogPathCase{"", ""},
                      CatalogPathCase{"C:\\cats\\notes.txt", "C:\\cats\\notes.cat"},
                      CatalogPathCase{"C:\\cats.d\\discs", "C:\\cats.d\\discs.cat"},
                      CatalogPathCase{"C:\\cats\\", "C:\\cats\\"}));

}  // namespace
}  // namespace vardek::testing
