// The error box and the line error box.
#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "test_window.h"
#include "ui/error_box.h"
#include "ui/message_box.h"

namespace vardek::testing {
namespace {

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

TEST(ErrorBoxTest, LineErrorBoxShowsThreeLinesWithTheCountGrouped) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open());
  SeenWindow seen;
  int lines = 0;
  std::string text;
  Autopilot pilot;
  pilot.WhenClass("CMSGCLASS").Record(&seen).Call([&](HWND) {
    lines = ProgramMessageBox().LineCount();
    text = ProgramMessageBox().Text();
  }).Key(VK_RETURN);
  EXPECT_EQ(LineErrorBox(owner.Handle(), "Directory tree is corrupt.", "More than 16 folder levels.", 1234567,
                         "Holiday photos 2004"),
            IDOK);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(text, "Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 1,234,567");
  EXPECT_EQ(seen.caption, "Holiday photos 2004");
}

TEST(ErrorBoxTest, LineErrorBoxTextEndsAt127Characters) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open());
  // The text is the first text and 17 more characters: 127 in all with a first text of 110.
  for (const std::string& first : {std::string(110, 'x'), std::string(111, 'y'), std::string(200, 'z')}) {
    std::string text;
    Autopilot pilot;
    pilot.WhenClass("CMSGCLASS").Call([&](HWND) { text = ProgramMessageBox().Text(); }).Key(VK_RETURN);
    EXPECT_EQ(LineErrorBox(owner.Handle(), first.c_str(), "b", 7, "Vardek"), IDOK);
    const std::string whole = first + "\nb\nLine number: 7";
    EXPECT_EQ(text, whole.substr(0, 127)) << first.size();
  }
}

}  // namespace
}  // namespace vardek::testing
