// Scan, Find, sort, Copy/Execute, Check catalog, Delete CD and Find bad dates
// from the main window: menu commands, real dialogs, real drives of the test
// prefix, and what the user then sees in the tree, the list, the boxes and
// the files.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "automation.h"
#include "browse/sort.h"
#include "catalog/text_routines.h"
#include "catalog_side.h"
#include "resource_ids.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/folder_browser.h"
#include "shell/status_bar.h"
#include "test_drives.h"
#include "ui/error_box.h"
#include "ui/message_box.h"

#include <commctrl.h>
#include <shlobj.h>

namespace vardek::testing {
namespace {

constexpr DWORD kSettle = 100;

struct BoxSeen {
  bool seen = false;
  std::string caption;
  std::string text;
};

// Reads the program's message box, then presses `label` in it.
void AnswerBox(Autopilot& pilot, BoxSeen* seen, const char* label) {
  pilot.WhenClass(MessageBoxWindow::kClassName)
      .Call([seen](HWND box) {
        seen->seen = true;
        seen->caption = WindowText(box);
        seen->text = ProgramMessageBox().Text() ? ProgramMessageBox().Text() : "";
      })
      .Press(label);
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The beeps the program sounded (hertz, milliseconds), in place of the speaker.
std::vector<std::pair<DWORD, DWORD>> g_beeps;
BOOL WINAPI RecordBeep(DWORD hertz, DWORD milliseconds) {
  g_beeps.emplace_back(hertz, milliseconds);
  return TRUE;
}

// Picks the drive `letter` in a dialog's drive list as the user does.
Autopilot::Step ChooseDrive(char letter) {
  return [letter](HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_DRIVE_LIST);
    const char prefix[] = {letter, ':', '\0'};
    SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  };
}

class DesktopCommandsTest : public CatalogSideTest {
 protected:
  // P: holds the disc, R: a second disc drive, S: an empty one, Q: a hard drive.
  static void SetUpTestSuite() {
    drives_ = std::make_unique<TestDrives>();
    discRoot_ = drives_->Map('p', DRIVE_CDROM);
    secondDiscRoot_ = drives_->Map('r', DRIVE_CDROM);
    drives_->Map('s', DRIVE_CDROM);
    hardDriveRoot_ = drives_->Map('q', DRIVE_FIXED);
  }
  static void TearDownTestSuite() { drives_.reset(); }

  void SetUp() override {
    CatalogSideTest::SetUp();
    StartEmpty();
    g_beeps.clear();
    Window().SetBeeper(RecordBeep);
  }

  void Command(int id) { SendMessageA(Window().Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
  DesktopCommands& Commands() { return TheProgram().desktopCommands; }

  // Writes the catalog and opens it as the current one, titles expanded.
  std::string OpenCatalog(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = folder_.Write(name, lines);
    CopyText(TheProgram().session.State().catalogPath, kPathSize, path);
    TheProgram().catalogs.Open(path.c_str(), true);
    return path;
  }
  void SelectTitle(const std::string& title) { Tree().SelectItem(ChildItem(TopItem(0), title)); }
  void Settle() { PumpFor(kSettle); }

  // The Scan dialog: a description typed, the remembered drive P: kept, OK.
  static void ScanDisc(Autopilot& pilot, const char* description) {
    pilot.WhenDialog(IDD_SCAN).Type(IDC_SCAN_DESCRIPTION, description).Press("OK");
  }
  void RememberDiscDrive() { CopyText(TheProgram().session.State().drive, kDriveSize, "P:"); }

  static std::unique_ptr<TestDrives> drives_;
  static std::string discRoot_;
  static std::string secondDiscRoot_;
  static std::string hardDriveRoot_;
  CatalogFolder folder_;
};
std::unique_ptr<TestDrives> DesktopCommandsTest::drives_;
std::string DesktopCommandsTest::discRoot_;
std::string DesktopCommandsTest::secondDiscRoot_;
std::string DesktopCommandsTest::hardDriveRoot_;

const std::vector<std::string> kTwoTitles = Join({
    TitleLines("Games", {"SETUP.EXE:05/07/03", "\\DATA", "A.DAT:01/02/99", "..", "README.TXT:02/30/03"}),
    TitleLines("Music", {"\\WAV", "SONG.WAV:01/01/51", "..", "X*.WAV:12/31/20"}),
});

// --- Check catalog ---------------------------------------------------------------

struct CheckCase {
  const char* name;
  std::vector<std::string> lines;
  const char* boxText;     // the box at the end
  const char* status;      // part 0 afterwards
  const char* caption;     // the box's caption; nullptr: the catalog's path
};

class CheckCatalogCommand : public DesktopCommandsTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckCatalogCommand, ReportsWhatItFoundWithTheMeterRunning) {
  const CheckCase& c = GetParam();
  const std::string path = OpenCatalog("check.cat", c.lines);
  BoxSeen box;
  Autopilot pilot;
  AnswerBox(pilot, &box, "&Ok");
  Command(IDM_CHECK_CATALOG);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_NE(box.text.find(c.boxText), std::string::npos) << box.text;
  EXPECT_EQ(box.caption, c.caption ? std::string(c.caption) : path);
  EXPECT_EQ(StatusText(0), c.status);
  EXPECT_FALSE(Window().Entry().Busy());
}

std::vector<std::string> ManyGoodLines() {
  std::vector<std::string> body;
  for (int i = 0; i < 450; ++i) body.push_back("F" + std::to_string(i) + ".TXT:01/01/99");
  return TitleLines("Big", body);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CheckCatalogCommand,
    ::testing::Values(CheckCase{"Good", kTwoTitles, "File is good", "5 files found", nullptr},
                      CheckCase{"PumpedEvery200Lines", ManyGoodLines(), "File is good", "450 files found", nullptr},
                      CheckCase{"BelowTheRoot", TitleLines("Bad", {"A.TXT:01/01/99", ".."}),
                                "Attempt to go below the root folder.", "Check incomplete", "Bad"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

std::vector<std::string> LongCatalog() {
  std::vector<std::string> lines;
  for (int title = 0; title < 20; ++title) {
    std::vector<std::string> body;
    for (int i = 0; i < 500; ++i) body.push_back("F" + std::to_string(i) + ".TXT:02/30/99");
    auto one = TitleLines("T" + std::to_string(title), body);
    lines.insert(lines.end(), one.begin(), one.end());
  }
  return lines;
}

// The widths of the meter's two parts, done and left to do, as part 0 of the
// status bar shows them now.
struct MeterSeen {
  int done = -1;
  int left = -1;
};
MeterSeen LookAtMeter(const StatusBar& status) {
  const RECT part = status.PartRectangle(0);
  const auto picture = Picture::OfClient(status.Handle());
  const int row = (part.top + part.bottom) / 2;
  MeterSeen seen{0, 0};
  for (int x = part.left; x < part.right; ++x) {
    seen.done += picture->At(x, row) == kProgressDoneColour;
    seen.left += picture->At(x, row) == kProgressLeftColour;
  }
  return seen;
}

TEST_F(DesktopCommandsTest, TheMeterShowsTheCheckGoingAndMakesWayForItsResult) {
  // A line the reader cuts half way: its box comes while the check runs.
  std::vector<std::string> body(300, "EARLY.TXT:01/01/99");
  body.push_back(std::string(300, 'L') + ":01/01/99");
  body.insert(body.end(), 300, "LATE.TXT:01/01/99");
  OpenCatalog("meter.cat", TitleLines("Meter", body));
  const StatusBar& status = TheProgram().statusBar;
  const RECT part = status.PartRectangle(0);
  MeterSeen duringCheck;
  MeterSeen atTheEnd;
  BoxSeen cut;
  BoxSeen good;
  Autopilot pilot;
  pilot.WhenClass(MessageBoxWindow::kClassName)
      .WaitUntil([&](HWND) { return (duringCheck = LookAtMeter(status)).done > 0; })
      .Call([&](HWND) { cut.text = ProgramMessageBox().Text(); })
      .Press("&Ok");
  // Long enough for two ticks of the meter, had it not stopped.
  pilot.WhenClass(MessageBoxWindow::kClassName)
      .Pause(3 * MainWindow::kProgressMilliseconds)
      .Call([&](HWND) {
        atTheEnd = LookAtMeter(status);
        good.text = ProgramMessageBox().Text();
      })
      .Press("&Ok");
  Command(IDM_CHECK_CATALOG);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(cut.text, "Directory tree is corrupt.\nLine too long\nLine number: 302");
  // About half read: done on the left, the rest still to do on the right.
  const int quarter = (part.right - part.left) / 4;
  EXPECT_GT(duringCheck.done, quarter);
  EXPECT_GT(duringCheck.left, quarter);
  EXPECT_EQ(good.text, "File is good");
  EXPECT_EQ(atTheEnd.done, 0);  // the count shows, not the meter
  EXPECT_EQ(atTheEnd.left, 0);
  EXPECT_EQ(StatusText(0), "601 files found");
}

TEST_F(DesktopCommandsTest, ACommandThatWouldTakeTheReaderIsRefusedWhileTheCheckRuns) {
  OpenCatalog("long.cat", LongCatalog());
  BoxSeen box;
  Autopilot pilot(20000);
  AnswerBox(pilot, &box, "&Ok");
  // Both wait in the queue; the check's first pump meets the second.
  PostMessageA(Window().Handle(), WM_COMMAND, IDM_CHECK_CATALOG, 0);
  PostMessageA(Window().Handle(), WM_COMMAND, IDM_FIND_BAD_DATES, 0);
  ASSERT_TRUE(PumpUntil([&] { return pilot.Finished(); }, 20000));
  Settle();
  EXPECT_EQ(box.text, "File is good");
  EXPECT_EQ(StatusText(0), "10,000 files found");
  EXPECT_EQ(TheProgram().session.Results().Count(), 0);  // every date is bad: bad dates did not run
  EXPECT_EQ(List().ItemCount(), 0);
}

TEST_F(DesktopCommandsTest, ACloseDuringTheCheckWaitsForItsEnd) {
  OpenCatalog("long.cat", LongCatalog());
  BoxSeen box;
  Autopilot pilot(20000);
  AnswerBox(pilot, &box, "&Ok");
  PostMessageA(Window().Handle(), WM_COMMAND, IDM_CHECK_CATALOG, 0);
  PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(Window().Handle()); }, 20000));
  EXPECT_EQ(box.text, "File is good");  // the check ran to its end first
}

// --- Find bad dates ------------------------------------------------------------

TEST_F(DesktopCommandsTest, BadDatesListsEveryImpossibleDateWithItsFolderAndDisc) {
  OpenCatalog("dates.cat", kTwoTitles);
  BoxCounter boxes;
  Command(IDM_FIND_BAD_DATES);
  Settle();
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_EQ(ListedRows(), (std::vector<std::string>{"README.TXT|02/30/03|\\|Games",
                                                     "SONG.WAV|01/01/51|\\WAV|Music"}));
  EXPECT_EQ(StatusText(0), "2 files found");
}

// --- Delete CD -----------------------------------------------------------------

TEST_F(DesktopCommandsTest, DeletingAMiddleTitleAsksAndRewritesTheCatalog) {
  const std::string path = OpenCatalog("three.cat", Join({TitleLines("One", {"A:01/01/99"}),
                                                          TitleLines("Two", {"B:01/01/99"}),
                                                          TitleLines("Three", {"C:01/01/99"})}));
  SelectTitle("Two");
  BoxSeen question;
  Autopilot pilot;
  AnswerBox(pilot, &question, "&Ok");
  Command(IDM_DELETE_CD);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(question.caption, kDeleteCaption);
  EXPECT_EQ(question.text, "Two in\nthree.cat\n\nOk to delete?");
  EXPECT_EQ(ReadFileText(path), "|||One\r\nA:01/01/99\r\n<eof>\r\n|||Three\r\nC:01/01/99\r\n<eof>\r\n");
  ASSERT_EQ(ChildrenOf(TopItem(0)).size(), 2u);
  EXPECT_EQ(ChildrenOf(TopItem(0))[1].text, "Three");
}

struct OnlyTitleCase {
  const char* name;
  const char* answer;
  bool fileRemains;
  const char* caption;  // nullptr: not looked at
};

class DeleteOnlyTitle : public DesktopCommandsTest, public ::testing::WithParamInterface<OnlyTitleCase> {};

TEST_P(DeleteOnlyTitle, AsksFirstAndOnOkRemovesTheCatalogFile) {
  const OnlyTitleCase& c = GetParam();
  const std::string path = OpenCatalog("one.cat", TitleLines("Only", {"A:01/01/99"}));
  SelectTitle("Only");
  Settle();
  BoxSeen question;
  Autopilot pilot;
  AnswerBox(pilot, &question, c.answer);
  Command(IDM_DELETE_CD);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(question.text, "Only in\none.cat\n\nOk to delete?");
  EXPECT_EQ(FileExists(path), c.fileRemains);
  EXPECT_EQ(TopItems().size(), c.fileRemains ? 1u : 0u);
  EXPECT_EQ(TheProgram().session.State().catalogPath[0] != '\0', c.fileRemains);
  if (c.caption) {
    EXPECT_EQ(Caption(), c.caption);
  }
  if (!c.fileRemains) {
    EXPECT_EQ(List().ItemCount(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteOnlyTitle,
                         ::testing::Values(OnlyTitleCase{"Ok", "&Ok", false, "Vardek - Untitled"},
                                           OnlyTitleCase{"Cancel", "&Cancel", true, nullptr}),
                         [](const ::testing::TestParamInfo<OnlyTitleCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(DesktopCommandsTest, DeleteOnTheCatalogItemDoesNothing) {
  const std::string path = OpenCatalog("keep.cat", kTwoTitles);
  const std::string before = ReadFileText(path);
  Tree().SelectItem(TopItem(0));
  BoxCounter boxes;
  Command(IDM_DELETE_CD);
  Settle();
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_EQ(ReadFileText(path), before);
}

// --- Scan ----------------------------------------------------------------------

struct PreconditionCase {
  const char* name;
  int catalogs;       // loaded before the scan
  int newFormat;
  const char* refusal;
};

class ScanPrecondition : public DesktopCommandsTest, public ::testing::WithParamInterface<PreconditionCase> {};

TEST_P(ScanPrecondition, RefusesBeforeTheDialog) {
  const PreconditionCase& c = GetParam();
  for (int i = 0; i < c.catalogs; ++i) OpenCatalog("c" + std::to_string(i) + ".cat", kTwoTitles);
  TheProgram().session.State().newFormat = c.newFormat;
  BoxSeen box;
  Autopilot pilot;
  AnswerBox(pilot, &box, "&Ok");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(box.text, c.refusal);
  EXPECT_EQ(box.caption, kProductName);
  EXPECT_EQ(static_cast<int>(TopItems().size()), c.catalogs);  // nothing reloaded
}

INSTANTIATE_TEST_SUITE_P(Refusals, ScanPrecondition,
                         ::testing::Values(PreconditionCase{"NoCatalog", 0, 1, kCreateCatalogFirst},
                                           PreconditionCase{"TwoCatalogs", 2, 1, kOneCatalogOnly},
                                           PreconditionCase{"OldFormat", 1, 0, kNewFormatOnly}),
                         [](const ::testing::TestParamInfo<PreconditionCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(DesktopCommandsTest, AFirstScanMakesTheCatalogAndASecondGoesFirst) {
  WriteFile(discRoot_ + "\\DISC.TXT", "x");
  const std::string path = folder_.PathOf("new.cat");
  CopyText(TheProgram().session.State().catalogPath, kPathSize, path);
  TheProgram().session.State().newFormat = 1;
  RememberDiscDrive();
  Autopilot pilot;
  ScanDisc(pilot, "First disc");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(pilot.Finished());
  const std::string first = ReadFileText(path);
  EXPECT_EQ(first.rfind("|||First disc\r\n", 0), 0u) << first;
  EXPECT_NE(first.find("DISC.TXT:"), std::string::npos);
  EXPECT_EQ(first.find("<eof>"), first.size() - 7);  // exactly one title
  EXPECT_FALSE(FileExists(folder_.PathOf("new.$$$")));

  Autopilot again;
  ScanDisc(again, "Second disc");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(again.Finished());
  const std::string both = ReadFileText(path);
  EXPECT_EQ(both.rfind("|||Second disc\r\n", 0), 0u);
  EXPECT_EQ(both.substr(both.size() - first.size()), first);
  ASSERT_EQ(TopItems().size(), 1u);
  EXPECT_EQ(ChildrenOf(TopItem(0)).size(), 2u);
  EXPECT_EQ(Caption(), "Vardek - new.cat");
}

TEST_F(DesktopCommandsTest, CancelInTheScanDialogWritesNothingButReloads) {
  const std::string path = OpenCatalog("kept.cat", kTwoTitles);
  const std::string before = ReadFileText(path);
  SelectTitle("Games");
  Settle();
  ASSERT_GT(List().ItemCount(), 0);
  RememberDiscDrive();
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN).Type(IDC_SCAN_DESCRIPTION, "Never").Press("Cancel");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(ReadFileText(path), before);
  EXPECT_EQ(List().ItemCount(), 0);  // the reload lost the selection
  EXPECT_EQ(TopItems().size(), 1u);
  EXPECT_STREQ(TheProgram().session.State().drive, "P:");
}

struct ScanEndCase {
  const char* name;
  const char* catalogName;  // the current catalog's name; it holds kTwoTitles
  char chosen;              // the drive picked in the dialog (P: is remembered)
  bool minimised;           // the window is minimised while the scan runs
  const char* written;      // the file that gets the new title; nullptr: nothing written
  const char* refusal;      // the box of the scan; nullptr: none
  int saveName;
  std::size_t beeps;
};

class ScanEnd : public DesktopCommandsTest, public ::testing::WithParamInterface<ScanEndCase> {};

TEST_P(ScanEnd, SavesUnderTheCatalogNameSetsTheSaveNameAndBeepsOnceWhenMinimised) {
  const ScanEndCase& c = GetParam();
  WriteFile(discRoot_ + "\\ON-P.TXT", "p");
  WriteFile(secondDiscRoot_ + "\\ON-R.TXT", "r");
  const std::string opened = OpenCatalog(c.catalogName, kTwoTitles);
  const std::string before = ReadFileText(opened);
  TheProgram().session.State().saveName = 0;
  RememberDiscDrive();
  HWND main = Window().Handle();
  BoxSeen box;
  Autopilot pilot;
  pilot.WhenDialog(IDD_SCAN)
      .Type(IDC_SCAN_DESCRIPTION, "Scanned")
      .Call(ChooseDrive(c.chosen))
      .Call([&](HWND) {
        if (c.minimised) ShowWindow(main, SW_MINIMIZE);
      })
      .Press("OK");
  if (c.refusal) AnswerBox(pilot, &box, "&Ok");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(box.text, c.refusal ? c.refusal : "");
  if (c.written) {
    const std::string text = ReadFileText(folder_.PathOf(c.written));
    EXPECT_EQ(text.rfind("|||Scanned\r\n", 0), 0u) << text;
    EXPECT_EQ(Caption(), std::string("Vardek - ") + c.written);
    EXPECT_NE(ChildItem(TopItem(0), "Scanned"), nullptr);
  }
  if (!c.written || opened != folder_.PathOf(c.written)) {
    EXPECT_EQ(ReadFileText(opened), before);  // the catalog by the old name is left alone
  }
  const std::string name = c.catalogName;
  EXPECT_FALSE(FileExists(folder_.PathOf(name.substr(0, name.find('.')) + ".$$$")));
  EXPECT_EQ(TheProgram().session.State().drive[0], c.chosen);  // remembered even when nothing was saved
  EXPECT_EQ(TheProgram().session.State().saveName, c.saveName);
  ASSERT_EQ(g_beeps.size(), c.beeps);
  for (const auto& beep : g_beeps) EXPECT_EQ(beep, std::make_pair(DWORD{440}, DWORD{150}));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ScanEnd,
    ::testing::Values(ScanEndCase{"ATxtCatalogIsSavedAsCat", "notes.txt", 'P', false, "notes.cat", nullptr, 0, 0},
                      ScanEndCase{"TheSameDriveKeepsTheSaveName", "disc.cat", 'P', false, "disc.cat", nullptr, 0, 0},
                      ScanEndCase{"AnotherDriveSetsTheSaveName", "disc.cat", 'R', false, "disc.cat", nullptr, 1, 0},
                      ScanEndCase{"AnEmptyDiscSavesNothing", "disc.cat", 'S', false, nullptr,
                                  "No files found - Nothing saved!", 0, 0},
                      ScanEndCase{"MinimisedBeepsOnce", "disc.cat", 'P', true, "disc.cat", nullptr, 0, 1}),
    [](const ::testing::TestParamInfo<ScanEndCase>& info) { return std::string(info.param.name); });

// --- Find and sort -------------------------------------------------------------

struct FindCase {
  const char* name;
  const char* radio;  // clicked first: it puts the focus into its field
  int field;
  const char* typed;
  std::vector<std::string> rows;
  const char* status;
};

class FindCommand : public DesktopCommandsTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindCommand, ListsEveryMatchOfTheLoadedCatalog) {
  const FindCase& c = GetParam();
  OpenCatalog("find.cat", kTwoTitles);
  Autopilot pilot;
  pilot.WhenDialog(IDD_FIND).Press(c.radio).Type(c.field, c.typed).Press("OK");
  Command(IDM_FIND);
  ASSERT_TRUE(pilot.Finished());
  Settle();
  EXPECT_EQ(ListedRows(), c.rows);
  EXPECT_EQ(StatusText(0), c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Searches, FindCommand,
    ::testing::Values(
        FindCase{"WildcardsAreLiteral", "Files", IDC_FIND_FILE_TEXT, "*.wav", {"X*.WAV|12/31/20|\\|Music"}, "1 files found"},
        FindCase{"PartOfAName", "Files", IDC_FIND_FILE_TEXT, ".wav", {"SONG.WAV|01/01/51|\\WAV|Music", "X*.WAV|12/31/20|\\|Music"},
                 "2 files found"},
        FindCase{"Folders", "Folders", IDC_FIND_FOLDER_TEXT, "dat", {"||\\DATA|Games"}, "1 folders found"}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

TEST(WorkText, APathTooLongKeepsItsEndInsideTheBuffer) {
  char text[kWorkTextSize];
  const std::string fits(kWorkTextSize - 1 - 10, 'a');
  BuildWorkText(kSearching, fits.c_str(), text, sizeof text);
  EXPECT_EQ(std::string(text), kSearching + fits);
  const std::string over = "C:\\" + std::string(200, 'b') + "\\end.cat";
  BuildWorkText(kSearching, over.c_str(), text, sizeof text);
  EXPECT_EQ(std::strlen(text), static_cast<std::size_t>(kWorkTextSize - 1));
  EXPECT_EQ(std::string(text).rfind("Searching ...b", 0), 0u);
  EXPECT_EQ(std::string(text).substr(std::strlen(text) - 8), "\\end.cat");
}

TEST(SourcePath, BuiltWithOneSeparatorAndRefusedWhenTooLong) {
  char path[kSourcePathSize];
  EXPECT_TRUE(BuildSourcePath("D:", "\\", "README.TXT", path, sizeof path));
  EXPECT_STREQ(path, "D:\\README.TXT");
  EXPECT_TRUE(BuildSourcePath("E:", "\\DATA\\SUB", "A.DAT", path, sizeof path));
  EXPECT_STREQ(path, "E:\\DATA\\SUB\\A.DAT");
  const std::string folder = "\\" + std::string(kSourcePathSize - 10, 'f');  // 2 + 291 + 1 + 5 = 299 fits
  EXPECT_TRUE(BuildSourcePath("D:", folder.c_str(), "A.DAT", path, sizeof path));
  EXPECT_EQ(std::strlen(path), static_cast<std::size_t>(kSourcePathSize - 1));
  EXPECT_FALSE(BuildSourcePath("D:", folder.c_str(), "AB.DAT", path, sizeof path));
  EXPECT_STREQ(path, "");
}

// Clicks a column header as the list reports it.
void ClickHeader(FileListView& list, int column) {
  NMLISTVIEW click = ColumnClick(list.Handle(), column);
  SendMessageA(GetParent(list.Handle()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

std::vector<std::string> ColumnOf(const std::vector<std::string>& rows, int column) {
  std::vector<std::string> cells;
  for (const std::string& row : rows) {
    std::size_t start = 0;
    for (int skip = 1; skip < column; ++skip) start = row.find('|', start) + 1;
    cells.push_back(row.substr(start, row.find('|', start) - start));
  }
  return cells;
}

TEST_F(DesktopCommandsTest, DatesSortByCenturyAndEachColumnAlternatesUntilTheNextFill) {
  OpenCatalog("sort.cat", TitleLines("Dates", {"e:01/01/80", "a:01/01/81", "d:12/31/79", "c:01/01/00",
                                                "b:12/31/99"}));
  SelectTitle("Dates");
  Settle();
  ClickHeader(List(), kColumnDate);
  EXPECT_EQ(ColumnOf(ListedRows(), 2),
            (std::vector<std::string>{"01/01/81", "12/31/99", "01/01/00", "12/31/79", "01/01/80"}));
  ClickHeader(List(), kColumnName);
  EXPECT_EQ(ColumnOf(ListedRows(), 1), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  ClickHeader(List(), kColumnDate);  // its own second click
  EXPECT_EQ(ColumnOf(ListedRows(), 2),
            (std::vector<std::string>{"01/01/80", "12/31/79", "01/01/00", "12/31/99", "01/01/81"}));
  // A new fill: the date column starts ascending again.
  Tree().SelectItem(TopItem(0));
  SelectTitle("Dates");
  Settle();
  ClickHeader(List(), kColumnDate);
  EXPECT_EQ(ColumnOf(ListedRows(), 2).front(), "01/01/81");
}

// --- Copy ----------------------------------------------------------------------

// The browser's folder tree.
HWND FolderTree(HWND browser) { return ChildOfClass(browser, WC_TREEVIEWA); }

// The text of the folder the browser has selected ("" when none is).
std::string SelectedFolderName(HWND browser) {
  HWND tree = FolderTree(browser);
  char text[MAX_PATH] = "";
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = tree ? TreeView_GetSelection(tree) : nullptr;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (item.hItem) TreeView_GetItem(tree, &item);
  return text;
}

// True when the browser's selected item is `folder`: a folder shows its own
// name, a drive's root ("Q:\\") a name that holds its letter and colon.
bool ShowsSelected(HWND browser, const std::string& folder) {
  std::string shown = SelectedFolderName(browser);
  if (folder.size() == 3 && folder.substr(1) == ":\\") {
    CharUpperA(shown.data());
    return shown.find(folder.substr(0, 2)) != std::string::npos;
  }
  return lstrcmpiA(shown.c_str(), folder.substr(folder.find_last_of('\\') + 1).c_str()) == 0;
}

// The folder browser: the folder chosen in its tree, then OK. The browser
// fills its tree after it shows, so the folder is chosen once the tree has
// its first item, and again until the tree shows it selected.
void ChooseFolder(Autopilot& pilot, const std::string& folder) {
  pilot.WhenClass("#32770")
      .WaitUntil([](HWND browser) {
        HWND tree = FolderTree(browser);
        return tree && TreeView_GetRoot(tree) != nullptr;
      })
      .WaitUntil([folder](HWND browser) {
        if (ShowsSelected(browser, folder)) return true;
        SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
        return false;
      })
      .Press("OK");
}

void PromptCopy(Autopilot& pilot) {
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Call([](HWND prompt) { SendMessageA(GetDlgItem(prompt, IDC_PROMPT_COPY), BM_CLICK, 0, 0); })
      .Press("OK");
}

void DoubleClickFirstRow(FileListView& list) {
  ListView_SetItemState(list.Handle(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  NMITEMACTIVATE click{};
  click.hdr.hwndFrom = list.Handle();
  click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list.Handle()));
  click.hdr.code = NM_DBLCLK;
  SendMessageA(GetParent(list.Handle()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

struct CopyCase {
  const char* name;
  bool destinationExists;
  const char* answer;        // to the overwrite question; nullptr when none may come
  const char* resultText;    // the destination's text afterwards
  bool intoRoot = false;     // the folder chosen is the root of the hard drive Q:
};

class CopyCommand : public DesktopCommandsTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyCommand, CopiesAndAsksOnlyWhenTheDestinationExists) {
  const CopyCase& c = GetParam();
  CreateDirectoryA((discRoot_ + "\\DATA").c_str(), nullptr);
  WriteFile(discRoot_ + "\\DATA\\A.DAT", "from the disc");
  CatalogFolder target;
  // As the user chooses it, and as the program then names the copy.
  const std::string chosen = c.intoRoot ? "Q:\\" : target.Path().substr(0, target.Path().size() - 1);
  const std::string destination = c.intoRoot ? "Q:\\A.DAT" : target.PathOf("A.DAT");
  const std::string stored = c.intoRoot ? hardDriveRoot_ + "\\A.DAT" : destination;
  DeleteFileA(stored.c_str());
  if (c.destinationExists) WriteFile(stored, "older");
  OpenCatalog("copy.cat", TitleLines("Data disc", {"\\DATA", "A.DAT:01/01/99", ".."}));
  CopyText(TheProgram().session.State().sourceDrive, kSourceDriveSize, "P:");
  SelectTitle("Data disc");
  Settle();
  ASSERT_EQ(List().ItemCount(), 1);
  BoxSeen question;
  Autopilot pilot;
  PromptCopy(pilot);
  ChooseFolder(pilot, chosen);
  if (c.answer) AnswerBox(pilot, &question, c.answer);
  std::optional<BoxCounter> unexpected;  // closes any box: only where none may come
  if (!c.answer) unexpected.emplace();
  DoubleClickFirstRow(List());
  ASSERT_TRUE(pilot.Finished());
  Settle();
  EXPECT_EQ(question.seen, c.answer != nullptr);
  if (c.answer) {
    EXPECT_EQ(question.text, kOverwriteQuestion);
    EXPECT_EQ(question.caption, destination);
  }
  if (unexpected) {
    EXPECT_EQ(unexpected->Count(), 0) << unexpected->LastCaption();
  }
  EXPECT_EQ(ReadFileText(stored), c.resultText);
  EXPECT_EQ(StatusText(0), "P:\\DATA\\A.DAT");
  EXPECT_STREQ(TheProgram().session.State().sourceDrive, "P:");
}

INSTANTIATE_TEST_SUITE_P(Destinations, CopyCommand,
                         ::testing::Values(CopyCase{"New", false, nullptr, "from the disc"},
                                           CopyCase{"ExistingYes", true, "&Yes", "from the disc"},
                                           CopyCase{"ExistingNo", true, "&No", "older"},
                                           CopyCase{"IntoADriveRoot", true, "&Yes", "from the disc", true}),
                         [](const ::testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

TEST_F(DesktopCommandsTest, AFailedSecondCopyIsReportedWithTheDestination) {
  WriteFile(discRoot_ + "\\B.DAT", "b");
  CatalogFolder target;
  // A folder named like the file: it is there, but no copy can replace it.
  CreateDirectoryA(target.PathOf("B.DAT").c_str(), nullptr);
  OpenCatalog("fail.cat", TitleLines("Disc", {"B.DAT:01/01/99"}));
  CopyText(TheProgram().session.State().sourceDrive, kSourceDriveSize, "P:");
  SelectTitle("Disc");
  Settle();
  BoxSeen box;
  Autopilot pilot;
  PromptCopy(pilot);
  ChooseFolder(pilot, target.Path().substr(0, target.Path().size() - 1));
  BoxSeen question;
  AnswerBox(pilot, &question, "&Yes");
  AnswerBox(pilot, &box, "&Ok");
  DoubleClickFirstRow(List());
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(question.text, kOverwriteQuestion);
  EXPECT_EQ(box.caption, target.PathOf("B.DAT"));
  EXPECT_EQ(box.text.rfind(kCopyFailed, 0), 0u) << box.text;
  RemoveDirectoryA(target.PathOf("B.DAT").c_str());
}

TEST_F(DesktopCommandsTest, AFileNotOnTheChosenDriveIsReportedAndTheDriveRemembered) {
  OpenCatalog("missing.cat", TitleLines("Disc", {"\\DATA", "MISSING.DAT:01/01/99", ".."}));
  CopyText(TheProgram().session.State().sourceDrive, kSourceDriveSize, "P:");
  SelectTitle("Disc");
  Settle();
  SeenWindow prompt;
  BoxSeen box;
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC).Call(ChooseDrive('R')).Record(&prompt).Press("OK");
  AnswerBox(pilot, &box, "&Ok");
  DoubleClickFirstRow(List());
  ASSERT_TRUE(pilot.Finished());
  EXPECT_EQ(prompt.caption, "R:\\DATA\\MISSING.DAT");  // the title follows the chosen drive
  EXPECT_EQ(box.text, "File not found.\nMake sure correct source drive was selected.");
  EXPECT_EQ(box.caption, "R:\\DATA\\MISSING.DAT");
  EXPECT_STREQ(TheProgram().session.State().sourceDrive, "R:");
}

TEST_F(DesktopCommandsTest, ADoubleClickOnAFolderRowDoesNothing) {
  OpenCatalog("folders.cat", kTwoTitles);
  Autopilot find;
  find.WhenDialog(IDD_FIND).Press("Folders").Type(IDC_FIND_FOLDER_TEXT, "dat").Press("OK");
  Command(IDM_FIND);
  ASSERT_TRUE(find.Finished());
  Settle();
  ASSERT_EQ(ListedRows(), std::vector<std::string>{"||\\DATA|Games"});
  BoxCounter anything(true);  // closes a prompt or box, should one come
  DoubleClickFirstRow(List());
  Settle();
  EXPECT_EQ(anything.Count(), 0) << anything.LastCaption();
  EXPECT_EQ(StatusText(0), "1 folders found");  // no source path was shown
}

// A file type of its own in the test prefix: opening a .vdkopen file copies
// it to `record`, so the record shows which file the shell opened. It goes
// through HKEY_CLASSES_ROOT: Wine's shell does not look at the user's own
// classes key.
class RecordingFileType {
 public:
  static constexpr char kExtensionKey[] = ".vdkopen";
  static constexpr char kTypeKey[] = "Vardek.TestOpened";

  explicit RecordingFileType(const std::string& record) {
    SetDefault(kExtensionKey, "Vardek.TestOpened");
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, sizeof system);
    SetDefault((std::string(kTypeKey) + "\\shell\\open\\command").c_str(),
               std::string(system) + "\\cmd.exe /c copy \"%1\" \"" + record + "\"");
  }
  ~RecordingFileType() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kExtensionKey);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kTypeKey);
  }

 private:
  static void SetDefault(const char* keyPath, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
};

TEST_F(DesktopCommandsTest, ExecuteOpensTheFileFromItsDiscWithItsProgram) {
  CreateDirectoryA((discRoot_ + "\\DOCS").c_str(), nullptr);
  WriteFile(discRoot_ + "\\DOCS\\NOTE.VDKOPEN", "opened from the disc");
  CatalogFolder records;
  const std::string record = records.PathOf("record.txt");
  RecordingFileType fileType(record);
  OpenCatalog("open.cat", TitleLines("Docs", {"\\DOCS", "NOTE.VDKOPEN:01/01/99", ".."}));
  CopyText(TheProgram().session.State().sourceDrive, kSourceDriveSize, "P:");
  SelectTitle("Docs");
  Settle();
  BoxCounter boxes;
  Autopilot pilot;
  pilot.WhenDialog(IDD_INSERT_DISC)
      .Call([](HWND prompt) { SendMessageA(GetDlgItem(prompt, IDC_PROMPT_EXECUTE), BM_CLICK, 0, 0); })
      .Press("OK");
  DoubleClickFirstRow(List());
  ASSERT_TRUE(pilot.Finished());
  // The handler runs as a process of its own; its copy is its record.
  EXPECT_TRUE(PumpUntil([&] { return ReadFileText(record) == "opened from the disc"; }, 15000))
      << "the handler did not open P:\\DOCS\\NOTE.VDKOPEN";
  EXPECT_EQ(boxes.Count(), 0) << boxes.LastCaption();
  EXPECT_EQ(StatusText(0), "P:\\DOCS\\NOTE.VDKOPEN");
}

// --- The main job ----------------------------------------------------------------

TEST_F(DesktopCommandsTest, NewScanFindSortAndCopyEndToEnd) {
  CreateDirectoryA((discRoot_ + "\\SOUNDS").c_str(), nullptr);
  WriteFile(discRoot_ + "\\SOUNDS\\ZED.WAV", "zed");
  WriteFile(discRoot_ + "\\SOUNDS\\ALPHA.WAV", "alpha");
  const std::string catalog = folder_.PathOf("job.cat");
  DeleteFileA(catalog.c_str());  // left by a run that was cut short
  // New catalog through its file dialog.
  Autopilot newCatalog;
  newCatalog.WhenClass("#32770")
      .Call([catalog](HWND dialog) {
        HWND box = FileNameBox(dialog);
        ASSERT_NE(box, nullptr);
        SendMessageA(box, EM_SETSEL, 0, -1);
        for (char c : catalog) PostMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
      })
      .Press("&Open");
  Command(IDM_NEW_CATALOG);
  ASSERT_TRUE(newCatalog.Finished());
  ASSERT_STREQ(TheProgram().session.State().catalogPath, catalog.c_str());
  // Scan the disc in P:.
  RememberDiscDrive();
  Autopilot scan;
  ScanDisc(scan, "Sound disc");
  Command(IDM_SCAN_CD);
  ASSERT_TRUE(scan.Finished());
  ASSERT_EQ(ChildrenOf(TopItem(0)).size(), 1u) << ReadFileText(catalog);
  EXPECT_EQ(ChildrenOf(TopItem(0))[0].text, "Sound disc");
  // Find (F3 is the same command) every .wav.
  Autopilot find;
  find.WhenDialog(IDD_FIND).Type(IDC_FIND_FILE_TEXT, ".wav").Press("OK");
  Command(IDM_FIND);
  ASSERT_TRUE(find.Finished());
  Settle();
  ASSERT_EQ(List().ItemCount(), 2);
  ClickHeader(List(), kColumnName);
  ClickHeader(List(), kColumnName);
  EXPECT_EQ(ColumnOf(ListedRows(), 1), (std::vector<std::string>{"ZED.WAV", "ALPHA.WAV"}));
  // Copy the first row out.
  CatalogFolder target;
  CopyText(TheProgram().session.State().sourceDrive, kSourceDriveSize, "P:");
  Autopilot copy;
  PromptCopy(copy);
  ChooseFolder(copy, target.Path().substr(0, target.Path().size() - 1));
  DoubleClickFirstRow(List());
  ASSERT_TRUE(copy.Finished());
  EXPECT_EQ(ReadFileText(target.PathOf("ZED.WAV")), "zed");
}

}  // namespace
}  // namespace vardek::testing
