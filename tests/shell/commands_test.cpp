// The command dispatcher and the shell's own commands: ids without a command,
// Program Info, Check for updates, About, and the busy rule.
#include <fstream>
#include <iterator>
#include <sstream>

#include "automation.h"
#include "help_page_text.h"
#include "shell/program_texts.h"
#include "ui/about_box.h"
#include "ui/error_box.h"
#include "shell_fixture.h"

namespace vardek::testing {
namespace {

using CommandsTest = ShellTest;

int VisibleThreadWindows() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(data);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

std::string FileText(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class IdWithoutCommand : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(IdWithoutCommand, DoesNothing) {
  Start();
  HWND window = Window().Handle();
  std::string caption = WindowText(window);
  int windows = VisibleThreadWindows();
  DeleteFileA(TheProgram().helpPage.Path());
  SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(GetParam()), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetParam(), 1), 0);
  PumpFor(50);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(WindowText(window), caption);
  EXPECT_EQ(VisibleThreadWindows(), windows);
  EXPECT_TRUE(openedDocuments.empty());
  EXPECT_TRUE(openedAddresses.empty());
  EXPECT_EQ(GetFileAttributesA(TheProgram().helpPage.Path()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Window().SettingsWrites(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ids, IdWithoutCommand,
                         ::testing::Values(40001, 40004, 40011, 40012, 40015, 40018));

TEST_F(CommandsTest, ProgramInfoTwiceWritesOneFileOfExactlyThePage) {
  Start();
  const char* path = TheProgram().helpPage.Path();
  ASSERT_NE(std::string(path), "");
  EXPECT_EQ(std::string(path).substr(std::string(path).size() - 11), "\\Vardek.htm");
  {  // an older, longer file must not leave its tail behind the page
    std::ofstream older(path, std::ios::binary);
    older << kHelpPageText << std::string(5000, 'x');
  }
  SendMessageA(Window().Handle(), WM_COMMAND, 40016, 0);
  SendMessageA(Window().Handle(), WM_COMMAND, 40016, 0);
  EXPECT_EQ(FileText(path), std::string(kHelpPageText));
  EXPECT_EQ(openedDocuments, (std::vector<std::string>{path, path}));
  std::string page = kHelpPageText;
  EXPECT_EQ(page.find('\n'), std::string::npos);
  EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
  EXPECT_NE(page.find("<title>Vardek info</title>"), std::string::npos);
}

TEST_F(CommandsTest, TheHelpFileGoesAtExit) {
  std::string path;
  {
    HelpPage page(kHelpPageText);
    page.SetOpener([](const char*) {});
    page.Show();
    path = page.Path();
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CommandsTest, CheckForUpdatesOpensTheUpdatePageFromMenuAndAccelerator) {
  Start();
  SendMessageA(Window().Handle(), WM_COMMAND, MAKEWPARAM(40017, 0), 0);
  SendMessageA(Window().Handle(), WM_COMMAND, MAKEWPARAM(40017, 1), 0);
  EXPECT_EQ(openedAddresses, (std::vector<std::string>{kUpdatePageAddress, kUpdatePageAddress}));
}

TEST_F(CommandsTest, AboutShowsTheProgramsTextOverTheMainWindow) {
  Start();
  SeenWindow seen;
  HWND owner = nullptr;
  bool ownerDisabled = false;
  Autopilot pilot;
  pilot.WhenClass("CMSGCLASS")
      .Record(&seen)
      .Call([&](HWND box) {
        owner = GetWindow(box, GW_OWNER);
        ownerDisabled = !IsWindowEnabled(Window().Handle());
      })
      .Press("&Ok");
  SendMessageA(Window().Handle(), WM_COMMAND, 40005, 0);
  EXPECT_TRUE(pilot.Finished());
  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(owner, Window().Handle());
  EXPECT_TRUE(ownerDisabled);
  EXPECT_EQ(seen.caption, kMakerWebAddress);  // the About box's link
  EXPECT_EQ(ProgramAboutBox().LineCount(), 2);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window().Handle()) != 0; }));
}

TEST_F(CommandsTest, TheMenuCarriesItsTexts) {
  Start();
  HMENU bar = GetMenu(Window().Handle());
  ASSERT_NE(bar, nullptr);
  char text[64] = "";
  HMENU file = GetSubMenu(bar, 0);
  GetMenuStringA(file, 40013, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&New catalog...\t   Clrl+N");
  GetMenuStringA(file, 40003, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "E&xit\t   Alt+X");
  GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "F&ind");
  EXPECT_EQ(GetMenuItemID(bar, 1), 40008u);
  EXPECT_EQ(GetMenuItemCount(file), 11);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 2)), 4);
}

struct AcceleratorCase {
  WORD key;
  BYTE modifiers;
  WORD command;
};

TEST_F(CommandsTest, AcceleratorsMapF3CtrlNCtrlOAndAltX) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(103));
  ASSERT_NE(table, nullptr);
  ACCEL entries[8];
  int count = CopyAcceleratorTableA(table, entries, 8);
  const AcceleratorCase expected[] = {{VK_F3, 0, 40008},
                                      {'N', FCONTROL, 40013},
                                      {'O', FCONTROL, 40002},
                                      {'X', FALT, 40003}};
  ASSERT_EQ(count, 4);
  for (int index = 0; index < count; ++index) {
    EXPECT_EQ(entries[index].key, expected[index].key) << index;
    EXPECT_EQ(entries[index].fVirt & (FCONTROL | FALT | FSHIFT), expected[index].modifiers) << index;
    EXPECT_TRUE(entries[index].fVirt & FVIRTKEY) << index;
    EXPECT_EQ(entries[index].cmd, expected[index].command) << index;
  }
}

// What each rule does with an input that comes while a command runs, and
// what becomes of it once that command has ended.
TEST(CommandEntryRules, EachInputWaitsRunsOrIsRefusedWhileACommandRuns) {
  const struct {
    const char* what;
    InputRule rule;
    int ranInside;  // times the second input ran while the first still ran
    int ranAfter;   // times it ran once the held inputs were brought back
  } kCases[] = {
      {"refused", kRefusedWhileBusy, 0, 0},
      {"harmless", kHarmlessInput, 1, 0},
      {"selection", kTitleSelection, 0, 1},
      {"close", kCloseInput, 0, 1},
  };
  for (const auto& c : kCases) {
    CommandEntry entry;
    int broughtBack = 0;
    entry.SetBringBack([&] { ++broughtBack; });
    int ran = 0;
    int ranInside = -1;
    entry.Enter(kRefusedWhileBusy, [&] {
      EXPECT_TRUE(entry.Busy());
      entry.Enter(c.rule, [&] { ++ran; });
      entry.Enter(c.rule, [&] { ++ran; });  // a second of the same kind: held once
      ranInside = ran;
    });
    EXPECT_EQ(ranInside, 2 * c.ranInside) << c.what;
    EXPECT_FALSE(entry.Busy()) << c.what;
    EXPECT_EQ(broughtBack, c.ranAfter) << c.what;
    entry.RunHeld();
    EXPECT_EQ(ran - ranInside, c.ranAfter) << c.what;
    entry.RunHeld();  // nothing is held twice
    EXPECT_EQ(ran - ranInside, c.ranAfter) << c.what;
  }
}

struct HeldCloseCase {
  const char* what;
  UINT message;
  WPARAM wParam;
};

class CloseWhileBusy : public ShellTest, public ::testing::WithParamInterface<HeldCloseCase> {};

TEST_P(CloseWhileBusy, WaitsUntilTheCommandHasEnded) {
  const HeldCloseCase& c = GetParam();
  Start();
  HWND window = Window().Handle();
  Window().Entry().Enter(kRefusedWhileBusy, [&] {
    SendMessageA(window, c.message, c.wParam, 0);
    PumpFor(50);  // a command that pumps lets the close through to the window
    EXPECT_TRUE(IsWindow(window)) << c.what;
    EXPECT_EQ(Window().SettingsWrites(), 0) << c.what;
  });
  ASSERT_TRUE(RunLoopUntilQuit()) << c.what;
  EXPECT_FALSE(IsWindow(window)) << c.what;
  EXPECT_EQ(Window().SettingsWrites(), 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Closing, CloseWhileBusy,
                         ::testing::Values(HeldCloseCase{"WM_CLOSE", WM_CLOSE, 0},
                                           HeldCloseCase{"Exit", WM_COMMAND, 40003},
                                           HeldCloseCase{"title-bar button", WM_SYSCOMMAND,
                                                         SC_CLOSE}));

}  // namespace
}  // namespace vardek::testing
