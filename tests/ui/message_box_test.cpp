// The program's own message box: button sets, results, keyboard, focus, sizes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "automation.h"
#include "test_window.h"
#include "ui/display_font.h"
#include "ui/message_box.h"

namespace vardek::testing {
namespace {

using Texts = std::vector<std::string>;

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Open(150, 120, 600, 450)); }

  int Show(unsigned style, const char* text = "Delete the disc title?",
           const char* caption = "Delete", int icon = 0) {
    return box.Show(owner.Handle(), text, caption, style, icon, MessageBoxWindow::kBlack,
                    MessageBoxWindow::kLightGrey, MessageBoxWindow::kGrey);
  }
  // Queues: when the box opens, record it, then the given steps.
  Autopilot& WhenBox(SeenWindow& seen) { return pilot.WhenClass("CMSGCLASS").Record(&seen); }
  // A step that notes the text of the focused button.
  Autopilot::Step NoteFocus(Texts& noted) {
    return [&noted](HWND) { noted.push_back(WindowText(GetFocus())); };
  }

  ProbeWindow owner;
  MessageBoxWindow box;
  Autopilot pilot;
};

TEST_F(MessageBoxTest, OkSet) {
  SeenWindow seen;
  WhenBox(seen).Press("&Ok");
  EXPECT_EQ(Show(MB_OK), IDOK);
  EXPECT_EQ(seen.childTexts, (Texts{"&Ok"}));
  EXPECT_EQ(seen.caption, "Delete");
  EXPECT_EQ(seen.className, "CMSGCLASS");
}

TEST_F(MessageBoxTest, OkCancelSet) {
  SeenWindow seen;
  WhenBox(seen).Press("&Cancel");
  EXPECT_EQ(Show(MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(seen.childTexts, (Texts{"&Ok", "&Cancel"}));
}

TEST_F(MessageBoxTest, YesNoSet) {
  SeenWindow seen;
  WhenBox(seen).Press("&No");
  EXPECT_EQ(Show(MB_YESNO), IDNO);
  EXPECT_EQ(seen.childTexts, (Texts{"&Yes", "&No"}));
}

TEST_F(MessageBoxTest, YesNoCancelSet) {
  SeenWindow seen;
  WhenBox(seen).Press("&Yes");
  EXPECT_EQ(Show(MB_YESNOCANCEL), IDYES);
  EXPECT_EQ(seen.childTexts, (Texts{"&Yes", "&No", "&Cancel"}));
}

TEST_F(MessageBoxTest, UnlistedSetGivesOneOk) {
  SeenWindow seen;
  WhenBox(seen).Press("&Ok");
  EXPECT_EQ(Show(MB_RETRYCANCEL), IDOK);
  EXPECT_EQ(seen.childTexts, (Texts{"&Ok"}));
}

TEST_F(MessageBoxTest, ButtonsSitAtTheirPlaces) {
  SeenWindow seen;
  std::vector<RECT> places;
  RECT client{};
  WhenBox(seen)
      .Call([&](HWND window) {
        GetClientRect(window, &client);
        for (HWND b = GetWindow(window, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
          RECT place;
          GetWindowRect(b, &place);
          MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
          places.push_back(place);
        }
      })
      .Press("&Yes");
  EXPECT_EQ(Show(MB_YESNOCANCEL), IDYES);
  ASSERT_EQ(places.size(), 3u);
  int centre = client.right / 2;
  EXPECT_EQ(places[0].left, centre - 100);
  EXPECT_EQ(places[1].left, centre - 30);
  EXPECT_EQ(places[2].left, centre + 40);
  for (const RECT& place : places) {
    EXPECT_EQ(place.right - place.left, 60);
    EXPECT_EQ(place.bottom - place.top, 30);
    EXPECT_EQ(place.top, client.bottom - 2 * box.LineHeight());
  }
}

TEST_F(MessageBoxTest, DeleteConfirmationEnterOnFocusedOk) {
  SeenWindow seen;
  WhenBox(seen).Key(VK_RETURN);
  EXPECT_EQ(Show(0x21), IDOK);
  EXPECT_EQ(seen.focusedText, "&Ok");
}

TEST_F(MessageBoxTest, DeleteConfirmationLetterC) {
  SeenWindow seen;
  WhenBox(seen).Key('C');
  EXPECT_EQ(Show(0x21), IDCANCEL);
}

TEST_F(MessageBoxTest, QuestionWithSecondDefaultFocusesNo) {
  SeenWindow seen;
  WhenBox(seen).Key(VK_RETURN);
  EXPECT_EQ(Show(0x124, "Overwrite existing file?", "C:\\copy\\file.txt"), IDNO);
  EXPECT_EQ(seen.focusedText, "&No");
}

TEST_F(MessageBoxTest, ThirdDefaultFocusesCancel) {
  SeenWindow seen;
  WhenBox(seen).Key(VK_RETURN);
  EXPECT_EQ(Show(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
  EXPECT_EQ(seen.focusedText, "&Cancel");
}

TEST_F(MessageBoxTest, DefaultBeyondTheButtonsFallsBackToTheFirst) {
  SeenWindow seen;
  WhenBox(seen).Key(VK_RETURN);
  EXPECT_EQ(Show(MB_YESNO | MB_DEFBUTTON3), IDYES);
  EXPECT_EQ(seen.focusedText, "&Yes");
}

TEST_F(MessageBoxTest, TabAndRightWrapForwardLeftWrapsBack) {
  SeenWindow seen;
  Texts noted;
  WhenBox(seen)
      .Key(VK_TAB).Call(NoteFocus(noted))
      .Key(VK_RIGHT).Call(NoteFocus(noted))
      .Key(VK_TAB).Call(NoteFocus(noted))     // last -> first
      .Key(VK_LEFT).Call(NoteFocus(noted))    // first -> last
      .Key(VK_LEFT).Call(NoteFocus(noted))
      .Key(VK_RETURN);
  EXPECT_EQ(Show(MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(seen.focusedText, "&Yes");
  EXPECT_EQ(noted, (Texts{"&No", "&Cancel", "&Yes", "&Cancel", "&No"}));
}

TEST_F(MessageBoxTest, LettersPressTheirButtons) {
  struct Case {
    unsigned style;
    UINT key;
    int result;
  };
  for (Case c : {Case{MB_OKCANCEL, 'O', IDOK}, Case{MB_OKCANCEL, 'C', IDCANCEL},
                 Case{MB_YESNO, 'Y', IDYES}, Case{MB_YESNO, 'N', IDNO},
                 Case{MB_YESNOCANCEL, 'C', IDCANCEL}}) {
    Autopilot letters;
    letters.WhenClass("CMSGCLASS").Key(c.key);
    EXPECT_EQ(Show(c.style), c.result) << "key " << static_cast<char>(c.key);
    EXPECT_TRUE(letters.Finished());
  }
}

TEST_F(MessageBoxTest, OtherKeysAndEscapeDoNothing) {
  SeenWindow seen;
  WhenBox(seen).Key(VK_ESCAPE).Key('Y').Key('Q').Pause(100).Call([&](HWND window) {
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(box.IsRunning());
  }).Press("&Cancel");
  EXPECT_EQ(Show(MB_OKCANCEL), IDCANCEL);
}

TEST_F(MessageBoxTest, AltF4EndsTheWaitWithResultZero) {
  SeenWindow seen;
  WhenBox(seen).AltKey(VK_F4);
  EXPECT_EQ(Show(MB_YESNO), 0);
  EXPECT_FALSE(IsWindow(seen.window));
  EXPECT_EQ(box.Handle(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(MessageBoxTest, OwnerIsDisabledWhileShownAndEnabledWhenShowReturns) {
  SeenWindow seen;
  bool enabledDuring = true;
  WhenBox(seen).Call([&](HWND) { enabledDuring = IsWindowEnabled(owner.Handle()) != 0; })
      .Press("&Ok");
  EXPECT_EQ(Show(MB_OK), IDOK);
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(IsWindow(seen.window));
}

TEST_F(MessageBoxTest, BoxesBackToBackEachShowAndAnswer) {
  SeenWindow first, second;
  pilot.WhenClass("CMSGCLASS").Record(&first).Press("&Yes");
  pilot.WhenClass("CMSGCLASS").Record(&second).Press("&No");
  EXPECT_EQ(Show(MB_YESNO, "First?"), IDYES);
  EXPECT_EQ(Show(MB_YESNO, "Second?"), IDNO);
  EXPECT_TRUE(first.seen);
  EXPECT_TRUE(second.seen);
  EXPECT_NE(first.window, second.window);
}

TEST_F(MessageBoxTest, OnlyOneBoxAtATime) {
  MessageBoxWindow other;
  int nested = -1;
  SeenWindow seen;
  WhenBox(seen).Call([&](HWND) {
    nested = other.Show(owner.Handle(), "Nested", "Nested", MB_OK, 0, 0, 0, 0);
  }).Press("&Ok");
  EXPECT_EQ(Show(MB_OK), IDOK);
  EXPECT_EQ(nested, 0);
}

TEST_F(MessageBoxTest, TwoLinesAndMinimumWidthForOkCancel) {
  SeenWindow seen;
  WhenBox(seen).Press("&Ok");
  EXPECT_EQ(Show(MB_OKCANCEL, "A\nB", "X"), IDOK);
  int lineHeight = box.LineHeight();
  EXPECT_EQ(box.LineCount(), 2);
  EXPECT_EQ(box.BoxWidth(), 10 * lineHeight);
  EXPECT_EQ(seen.rectangle.right - seen.rectangle.left, box.BoxWidth() + 16);
  EXPECT_EQ(seen.rectangle.bottom - seen.rectangle.top, 8 * lineHeight);
  EXPECT_EQ(box.TextPanel().left, 8);
  EXPECT_EQ(box.TextPanel().top, lineHeight);
  EXPECT_EQ(box.TextPanel().right, box.BoxWidth());
  EXPECT_EQ(box.TextPanel().bottom, 3 * lineHeight + 8);
}

TEST_F(MessageBoxTest, MinimumWidthForYesNoCancel) {
  SeenWindow seen;
  WhenBox(seen).Press("&Yes");
  EXPECT_EQ(Show(MB_YESNOCANCEL, "Hm", "X"), IDYES);
  EXPECT_EQ(box.BoxWidth(), 13 * box.LineHeight());
}

TEST_F(MessageBoxTest, FinalNewLineAddsNoLine) {
  SeenWindow seen;
  WhenBox(seen).Press("&Ok");
  EXPECT_EQ(Show(MB_OK, "One\nTwo\n"), IDOK);
  EXPECT_EQ(box.LineCount(), 2);
}

int DisplayTextWidth(const char* text) {
  HDC context = CreateDisplayContext();
  SIZE size{};
  GetTextExtentPoint32A(context, text, static_cast<int>(std::strlen(text)), &size);
  DeleteDC(context);
  return size.cx;
}

TEST_F(MessageBoxTest, CaptionCountsOnlyWithoutAnIcon) {
  const char* caption = "C:\\Catalogs\\A very long folder name\\Another long folder\\discs.cat";
  SeenWindow withIcon, without;
  pilot.WhenClass("CMSGCLASS").Record(&withIcon).Press("&Ok");
  pilot.WhenClass("CMSGCLASS").Record(&without).Press("&Ok");
  EXPECT_EQ(Show(MB_ICONEXCLAMATION, "Error opening file", caption), IDOK);
  int widestCharacter = box.WidestCharacter();
  EXPECT_EQ(box.BoxWidth(), DisplayTextWidth("Error opening file") + 4 * widestCharacter + 64);
  EXPECT_EQ(box.TextPanel().left, 64);
  EXPECT_EQ(Show(MB_OK, "Error opening file", caption), IDOK);
  EXPECT_EQ(box.BoxWidth(), DisplayTextWidth(caption) + 4 * widestCharacter + 8);
}

TEST_F(MessageBoxTest, IconsFollowTheStyleOrTheResource) {
  for (unsigned style : {0x10u, 0x20u, 0x30u, 0x40u}) {
    Autopilot icons;
    HICON seenIcon = nullptr;
    icons.WhenClass("CMSGCLASS").Call([&](HWND) { seenIcon = box.Icon(); }).Press("&Ok");
    EXPECT_EQ(Show(style), IDOK);
    EXPECT_NE(seenIcon, nullptr) << style;
  }
  Autopilot plain;
  HICON plainIcon = reinterpret_cast<HICON>(1);
  plain.WhenClass("CMSGCLASS").Call([&](HWND) { plainIcon = box.Icon(); }).Press("&Ok");
  EXPECT_EQ(Show(MB_OK), IDOK);
  EXPECT_EQ(plainIcon, nullptr);
  Autopilot own;
  HICON ownIcon = nullptr;
  own.WhenClass("CMSGCLASS").Call([&](HWND) { ownIcon = box.Icon(); }).Press("&Ok");
  EXPECT_EQ(Show(MB_OK, "Vardek", "Vardek", 101), IDOK);
  EXPECT_NE(ownIcon, nullptr);
}

TEST_F(MessageBoxTest, PaintsGreyWithCentredText) {
  SeenWindow seen;
  COLORREF surface = 0, panelEdge = 0;
  WhenBox(seen).Pause(100).Call([&](HWND window) {
    HDC context = GetDC(window);
    surface = GetPixel(context, 2, 2);
    panelEdge = GetPixel(context, box.TextPanel().left, box.TextPanel().top + 4);
    ReleaseDC(window, context);
  }).Press("&Ok");
  EXPECT_EQ(Show(MB_ICONEXCLAMATION, "Something failed"), IDOK);
  EXPECT_EQ(surface, RGB(192, 192, 192));
  EXPECT_EQ(panelEdge, RGB(128, 128, 128));  // sunken frame: dark left edge
}

TEST_F(MessageBoxTest, WaitIdlesInsteadOfPolling) {
  FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
  DWORD startTicks = 0, endTicks = 0;
  SeenWindow seen;
  WhenBox(seen)
      .Call([&](HWND) {
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelBefore, &userBefore);
        startTicks = GetTickCount();
      })
      .Pause(1000)
      .Call([&](HWND) {
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernelAfter, &userAfter);
        endTicks = GetTickCount();
      })
      .Press("&Ok");
  EXPECT_EQ(Show(MB_OK), IDOK);
  auto ticks = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  double cpuMs = static_cast<double>(ticks(kernelAfter) - ticks(kernelBefore) +
                                     ticks(userAfter) - ticks(userBefore)) / 10000.0;
  double wallMs = endTicks - startTicks;
  ASSERT_GE(wallMs, 900.0);
  EXPECT_LT(cpuMs, wallMs * 0.25) << "cpu " << cpuMs << " ms in " << wallMs << " ms";
}

}  // namespace
}  // namespace vardek::testing
