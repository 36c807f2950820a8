// Settings: what a first start gets, what a later start takes back, and that
// every way of closing writes them exactly once.
#include <cstring>

#include "automation.h"
#include "shell_fixture.h"

namespace vardek::testing {
namespace {

using SettingsTest = ShellTest;

std::vector<int> ColumnWidths(FileListView& list) {
  std::vector<int> widths;
  for (int column = 0; column < kFileColumnCount; ++column) {
    widths.push_back(list.ColumnWidth(column));
  }
  return widths;
}

TEST_F(SettingsTest, FirstStartWithoutKeyGetsTheDefaults) {
  Start();
  MainWindow& window = Window();
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_FALSE(IsZoomed(window.Handle()));
  EXPECT_STREQ(TheProgram().session.State().catalogPath, "");
  EXPECT_STREQ(TheProgram().session.State().drive, "");
  EXPECT_STREQ(TheProgram().session.State().sourceDrive, "~:");
  EXPECT_EQ(ColumnWidths(TheProgram().fileList), (std::vector<int>{0, 140, 70, 212, 150}));
  EXPECT_EQ(window.SplitterPosition(), window.ClientWidth() / 4);
  EXPECT_GT(window.ClientWidth(), 0);
  EXPECT_EQ(window.SettingsWrites(), 0);  // nothing is written while running
  EXPECT_FALSE(HasValue("Cols"));
  EXPECT_EQ(WindowText(window.Handle()), "Vardek - Untitled");
}

constexpr char kGoneCatalog[] = R"(C:\no such folder\gone.cat)";

TEST_F(SettingsTest, ALastCatalogThatIsGoneIsReportedAndForgotten) {
  WriteString("Fname", kGoneCatalog);
  SeenWindow error;
  Autopilot pilot;
  pilot.WhenClass("CMSGCLASS").Record(&error).Press("&Ok");
  Start();
  EXPECT_TRUE(pilot.Finished());
  EXPECT_TRUE(error.seen);
  EXPECT_EQ(error.caption, kGoneCatalog);
  EXPECT_STREQ(TheProgram().session.State().catalogPath, "");
  EXPECT_EQ(WindowText(Window().Handle()), "Vardek - Untitled");
  // Nothing changed the catalog, so the old name stays in the settings.
  PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(RunLoopUntilQuit());
  EXPECT_EQ(ReadString("Fname"), kGoneCatalog);
}

struct ColsCase {
  const char* what;
  std::vector<int> saved;  // written as raw bytes of this many ints
  std::size_t bytes;
  std::vector<int> shown;
};

class SavedColumns : public ShellTest, public ::testing::WithParamInterface<ColsCase> {};

TEST_P(SavedColumns, GiveTheListItsWidths) {
  const ColsCase& c = GetParam();
  WriteBinary("Cols", c.saved.data(), static_cast<DWORD>(c.bytes));
  Start();
  EXPECT_EQ(ColumnWidths(TheProgram().fileList), c.shown) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cols, SavedColumns,
    ::testing::Values(
        ColsCase{"five widths; the first stays hidden", {9, 100, 60, 200, 120}, 20,
                 {0, 100, 60, 200, 120}},
        ColsCase{"19 bytes count as missing", {9, 100, 60, 200, 120}, 19, {0, 140, 70, 212, 150}},
        ColsCase{"4 bytes count as missing", {300}, 4, {0, 140, 70, 212, 150}},
        ColsCase{"24 bytes count as missing", {9, 100, 60, 200, 120, 7}, 24,
                 {0, 140, 70, 212, 150}}));

TEST_F(SettingsTest, SavedStringsComeBackAndOversizedOnesCountAsMissing) {
  WriteString("Drv", "E:");
  WriteString("ExeLtr", "F:x");  // three characters do not fit "ExeLtr"'s 3 bytes
  Start();
  EXPECT_STREQ(TheProgram().session.State().drive, "E:");
  EXPECT_STREQ(TheProgram().session.State().sourceDrive, "~:");
}

struct PlacementCase {
  const char* what;
  int leftFromScreenRight;  // rcNormal.left = screen width - icon width + this
  int topFromScreenBottom;  // rcNormal.top = screen height - icon height + this
  DWORD showCommand;
  bool restored;
};

class SavedPlacement : public ShellTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(SavedPlacement, IsRestoredOnlyOnTheScreen) {
  const PlacementCase& c = GetParam();
  int left = GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON) + c.leftFromScreenRight;
  int top = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON) + c.topFromScreenBottom;
  // Keep the other coordinate well inside the screen.
  if (c.leftFromScreenRight < -100) left = 40;
  if (c.topFromScreenBottom < -100) top = 30;
  RECT normal{left, top, left + 500, top + 400};
  WriteNumber("flags", 0);
  WriteNumber("showCmd", c.showCommand);
  WriteBinary("rcNormal", &normal, sizeof normal);
  WriteNumber("x2", 123);
  Start();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Window().Handle(), &placement);
  EXPECT_EQ(placement.rcNormalPosition.left == normal.left &&
                placement.rcNormalPosition.top == normal.top,
            c.restored)
      << c.what;
  EXPECT_EQ(IsZoomed(Window().Handle()) != 0, c.restored && c.showCommand == SW_SHOWMAXIMIZED)
      << c.what;
  EXPECT_EQ(Window().SplitterPosition(), 123) << c.what << ": x2 applies in any case";
}

INSTANTIATE_TEST_SUITE_P(
    RcNormal, SavedPlacement,
    ::testing::Values(
        PlacementCase{"left edge at the limit", 0, -500, SW_SHOWNORMAL, true},
        PlacementCase{"left edge one beyond the limit", 1, -500, SW_SHOWNORMAL, false},
        PlacementCase{"top edge at the limit", -500, 0, SW_SHOWNORMAL, true},
        PlacementCase{"top edge one beyond the limit", -500, 1, SW_SHOWNORMAL, false},
        PlacementCase{"maximised on the screen", -500, -500, SW_SHOWMAXIMIZED, true},
        PlacementCase{"maximised beyond the right edge", 1, -500, SW_SHOWMAXIMIZED, false}));

class SavedSplitterBeyondTheWindow : public ShellTest,
                                     public ::testing::WithParamInterface<int> {};

TEST_P(SavedSplitterBeyondTheWindow, ComesBackInside) {
  int left = GetParam();  // on the screen, or beyond its right edge
  RECT normal{left, 30, left + 500, 430};
  WriteNumber("flags", 0);
  WriteNumber("showCmd", SW_SHOWNORMAL);
  WriteBinary("rcNormal", &normal, sizeof normal);
  WriteNumber("x2", 5000);
  Start();
  ASSERT_GT(Window().ClientWidth(), 20);
  EXPECT_EQ(Window().SplitterPosition(), Window().ClientWidth() - 10) << left;
  EXPECT_EQ(ChildRectangle(TheProgram().titleTree.Handle()).right, Window().ClientWidth() - 10);
}

INSTANTIATE_TEST_SUITE_P(X2, SavedSplitterBeyondTheWindow, ::testing::Values(40, 5000));

TEST_F(SettingsTest, MissingShowCommandLeavesTheDefaultPlacement) {
  RECT normal{40, 30, 540, 430};
  WriteNumber("flags", 0);
  WriteBinary("rcNormal", &normal, sizeof normal);
  Start();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(Window().Handle(), &placement);
  EXPECT_FALSE(placement.rcNormalPosition.left == 40 && placement.rcNormalPosition.top == 30);
  EXPECT_TRUE(IsWindowVisible(Window().Handle()));
}

TEST_F(SettingsTest, ClosingMaximisedOpensMaximisedNextTime) {
  Start();
  ShowWindow(Window().Handle(), SW_MAXIMIZE);
  PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(RunLoopUntilQuit());
  EXPECT_EQ(ReadNumber("showCmd"), static_cast<DWORD>(SW_SHOWMAXIMIZED));
  Restart();
  Start();
  EXPECT_TRUE(IsZoomed(Window().Handle()));
}

struct FnameCase {
  const char* what;
  int saveName;
  const char* expected;
};

class CatalogPathSaving : public ShellTest, public ::testing::WithParamInterface<FnameCase> {};

TEST_P(CatalogPathSaving, OnlyWithTheSaveNameFlag) {
  const FnameCase& c = GetParam();
  Start();
  std::strcpy(TheProgram().session.State().catalogPath, "C:\\discs\\music.cat");
  TheProgram().session.State().saveName = c.saveName;
  PostMessageA(Window().Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(RunLoopUntilQuit());
  EXPECT_EQ(ReadString("Fname"), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Fname, CatalogPathSaving,
                         ::testing::Values(FnameCase{"flag set", 1, "C:\\discs\\music.cat"},
                                           FnameCase{"flag clear", 0, "<missing>"}));

// The accelerator reads the Alt key's state as real input leaves it: held
// down while the key message is taken from the queue, released afterwards.
void SetAltDown(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_MENU] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void PostAltKey(HWND window, UINT key) {
  SetAltDown(true);
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
  PostMessageA(window, WM_SYSKEYDOWN, key, 1 | scan | (1L << 29));
  PostMessageA(window, WM_SYSKEYUP, key, static_cast<LPARAM>(0xC0000001UL) | scan | (1L << 29));
}

struct ClosingCase {
  const char* what;
  void (*close)(HWND window);
};

class WayOfClosing : public ShellTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(WayOfClosing, SavesTheSettingsOnceAndEndsTheLoop) {
  const ClosingCase& c = GetParam();
  Start();
  Window().SetSplitterPosition(150);
  c.close(Window().Handle());
  bool ended = RunLoopUntilQuit();
  SetAltDown(false);
  ASSERT_TRUE(ended) << c.what << ": the loop did not end";
  EXPECT_EQ(Window().Handle(), nullptr) << c.what;
  EXPECT_EQ(Window().SettingsWrites(), 1) << c.what;
  EXPECT_EQ(ReadNumber("x2"), 150u) << c.what;
  std::vector<unsigned char> cols;
  ASSERT_TRUE(ReadValue("Cols", cols)) << c.what;
  std::vector<int> widths(5);
  ASSERT_EQ(cols.size(), 20u);
  std::memcpy(widths.data(), cols.data(), 20);
  EXPECT_EQ(widths, (std::vector<int>{0, 140, 70, 212, 150})) << c.what;
  EXPECT_EQ(ReadNumber("showCmd"), static_cast<DWORD>(SW_SHOWNORMAL)) << c.what;
  EXPECT_TRUE(HasValue("rcNormal") && HasValue("flags")) << c.what;
  EXPECT_EQ(ReadString("Drv"), "") << c.what;
  EXPECT_EQ(ReadString("ExeLtr"), "~:") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Closing, WayOfClosing,
    ::testing::Values(
        ClosingCase{"title-bar button",
                    [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        ClosingCase{"File / Exit", [](HWND w) { PostMessageA(w, WM_COMMAND, 40003, 0); }},
        ClosingCase{"Alt+X", [](HWND w) { PostAltKey(w, 'X'); }}));

TEST_F(SettingsTest, EndOfSessionSavesWithoutClosing) {
  Start();
  SendMessageA(Window().Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_EQ(Window().SettingsWrites(), 0);
  EXPECT_FALSE(HasValue("Cols"));
  EXPECT_EQ(SendMessageA(Window().Handle(), WM_QUERYENDSESSION, 0, 0), 1);
  SendMessageA(Window().Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(Window().SettingsWrites(), 1);
  EXPECT_TRUE(HasValue("Cols") && HasValue("rcNormal"));
  EXPECT_TRUE(IsWindow(Window().Handle()));
}

}  // namespace
}  // namespace vardek::testing
