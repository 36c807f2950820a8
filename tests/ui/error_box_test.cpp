// The error box and the line error box.
#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "test_window.h"
#include "ui/error_box.h"
#include "ui/message_box.h"

namespace vardek::testing {
namespace {

TEST(LineErrorTextTest, JoinsTheLinesAndGroupsTheNumber) {
  EXPECT_EQ(LineErrorText("Folder line without title", "readme.txt:07/14/04", 1234),
            "Folder line without title\nreadme.txt:07/14/04\nLine number: 1,234");
  EXPECT_EQ(LineErrorText("a", "b", 7), "a\nb\nLine number: 7");
}

TEST(LineErrorTextTest, NeverLongerThan127Characters) {
  std::string longText(300, 'x');
  EXPECT_EQ(LineErrorText(longText.c_str(), "b", 1).size(), 127u);
}

TEST(ThousandsSeparatorsTest, Groups) {
  EXPECT_EQ(WithThousandsSeparators(0), "0");
  EXPECT_EQ(WithThousandsSeparators(999), "999");
  EXPECT_EQ(WithThousandsSeparators(1000), "1,000");
  EXPECT_EQ(WithThousandsSeparators(1234567), "1,234,567");
  EXPECT_EQ(WithThousandsSeparators(-45678), "-45,678");
}

TEST(ErrorBoxTest, ExclamationBoxWithOneOkOwnedByTheGivenWindow) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open());
  SeenWindow seen;
  HWND ownerSeen = nullptr;
  HICON icon = nullptr;
  Autopilot pilot;
  pilot.WhenClass("CMSGCLASS").Record(&seen).Call([&](HWND window) {
    ownerSeen = GetWindow(window, GW_OWNER);
    icon = ProgramMessageBox().Icon();
  }).Press("&Ok");
  EXPECT_EQ(ErrorBox(owner.Handle(), "Error opening file", "C:\\discs.cat"), IDOK);
  EXPECT_EQ(seen.caption, "C:\\discs.cat");
  EXPECT_EQ(seen.childTexts, (std::vector<std::string>{"&Ok"}));
  EXPECT_EQ(ownerSeen, owner.Handle());
  EXPECT_NE(icon, nullptr);
  EXPECT_EQ(ProgramMessageBox().LineCount(), 1);
}

TEST(ErrorBoxTest, LineErrorBoxShowsThreeLines) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open());
  SeenWindow seen;
  int lines = 0;
  Autopilot pilot;
  pilot.WhenClass("CMSGCLASS").Record(&seen).Call([&](HWND) {
    lines = ProgramMessageBox().LineCount();
  }).Key(VK_RETURN);
  EXPECT_EQ(LineErrorBox(owner.Handle(), "Climb line without folder", "<", 12345, "Vardek"), IDOK);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(seen.caption, "Vardek");
}

}  // namespace
}  // namespace vardek::testing
