// The program's own message box: button sets, results, keyboard, focus, sizes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "automation.h"
#include "resources/resource_ids.h"
#include "test_window.h"
#include "ui/display_font.h"
#include "ui/message_box.h"
#include "ui/module.h"
#include "ui/window.h"

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
  EXPECT_EQ(Show(MB_OK, "Vardek", "Vardek", IDI_VARDEK), IDOK);
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

// Where a thing drawn alone at (0, 0) shows its first ink: the offset of its
// ink inside its own cell, to compare with where the box drew it.
RECT InkOfIcon(HICON icon) {
  Picture alone(32, 32, MessageBoxWindow::kLightGrey);
  DrawIcon(alone.Context(), 0, 0, icon);
  return alone.InkBounds({0, 0, 32, 32}, MessageBoxWindow::kLightGrey);
}

struct LineInk {
  RECT ink;    // ink of the line drawn with its top-left at (0, 0)
  int extent;  // its width as the box measures it
};

LineInk InkOfLine(const char* line, int lineHeight) {
  const int length = static_cast<int>(std::strlen(line));
  Picture alone(800, lineHeight, MessageBoxWindow::kLightGrey);
  SIZE size{};
  GetTextExtentPoint32A(alone.Context(), line, length, &size);
  TextOutA(alone.Context(), 0, 0, line, length);
  return {alone.InkBounds({0, 0, 800, lineHeight}, MessageBoxWindow::kLightGrey), static_cast<int>(size.cx)};
}

TEST_F(MessageBoxTest, IconAtSixteenBesideThePanelAndEveryLineCentredInIt) {
  const char* lines[] = {"Directory tree is corrupt.", "More than 16 folder levels.", "Line number: 7"};
  SeenWindow seen;
  RECT iconShown{};
  RECT linesShown[3]{};
  WhenBox(seen).Pause(100).Call([&](HWND window) {
    const auto shown = Picture::OfClient(window);
    const RECT& panel = box.TextPanel();
    // Left of the panel's frame only the icon is drawn.
    iconShown = shown->InkBounds({0, 0, panel.left, panel.bottom + 1}, MessageBoxWindow::kLightGrey);
    for (int i = 0; i < 3; ++i) {
      const int top = panel.top + 3 + i * box.LineHeight();
      linesShown[i] = shown->InkBounds({panel.left + 1, top, panel.right, top + box.LineHeight()},
                                       MessageBoxWindow::kLightGrey);
    }
  }).Press("&Ok");
  ASSERT_EQ(Show(MB_ICONEXCLAMATION, "Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 7",
                 "Vardek"),
            IDOK);
  const RECT& panel = box.TextPanel();
  const RECT iconOwn = InkOfIcon(LoadIconA(nullptr, IDI_EXCLAMATION));
  ASSERT_LT(iconOwn.left, iconOwn.right);
  EXPECT_EQ(iconShown.left - iconOwn.left, 16);
  EXPECT_EQ(iconShown.top - iconOwn.top, panel.top + (panel.bottom - panel.top) / 2 - 16);
  for (int i = 0; i < 3; ++i) {
    const LineInk own = InkOfLine(lines[i], box.LineHeight());
    const int left = panel.left + (panel.right - panel.left - own.extent) / 2;
    EXPECT_NEAR(linesShown[i].left - own.ink.left, left, 1) << lines[i];
    EXPECT_NEAR(linesShown[i].right - own.ink.right, left, 1) << lines[i];
    EXPECT_EQ(linesShown[i].top - own.ink.top, panel.top + 3 + i * box.LineHeight()) << lines[i];
  }
}

TEST_F(MessageBoxTest, WithoutAnIconTheLinesCentreInTheWholeBox) {
  SeenWindow seen;
  RECT leftStrip{1, 1, 1, 1};
  RECT shownLine{};
  WhenBox(seen).Pause(100).Call([&](HWND window) {
    const auto shown = Picture::OfClient(window);
    leftStrip = shown->InkBounds({0, 0, box.TextPanel().left, box.TextPanel().bottom}, MessageBoxWindow::kLightGrey);
    const int top = box.TextPanel().top + 3;
    shownLine = shown->InkBounds({0, top, box.TextPanel().right + 1, top + box.LineHeight()},
                                 MessageBoxWindow::kLightGrey);
  }).Press("&Ok");
  ASSERT_EQ(Show(MB_OK, "File is good", "C:\\catalogs\\a very long path to a catalog\\discs.cat"), IDOK);
  EXPECT_EQ(leftStrip.right, 0);  // no icon, no frame
  const LineInk own = InkOfLine("File is good", box.LineHeight());
  const RECT& panel = box.TextPanel();
  EXPECT_NEAR(shownLine.left - own.ink.left, panel.left + (panel.right - panel.left - own.extent) / 2, 1);
}

TEST_F(MessageBoxTest, DraggingTheSurfaceMovesTheBox) {
  SeenWindow seen;
  RECT before{}, after{};
  WhenBox(seen)
      .Call([&](HWND window) {
        GetWindowRect(window, &before);
        // A point of the surface between the caption and the text panel.
        POINT start{box.TextPanel().left + 4, box.LineHeight() / 2};
        ClientToScreen(window, &start);
        SetCursorPos(start.x, start.y);
        const int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
        auto to = [&](int x, int y) {
          INPUT move{};
          move.type = INPUT_MOUSE;
          move.mi.dx = x * 65535 / width;
          move.mi.dy = y * 65535 / height;
          move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
          return move;
        };
        INPUT steps[5] = {to(start.x, start.y), {}, to(start.x + 20, start.y + 15), to(start.x + 40, start.y + 30),
                          {}};
        steps[1].type = INPUT_MOUSE;
        steps[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        steps[4].type = INPUT_MOUSE;
        steps[4].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(5, steps, sizeof(INPUT));
      })
      .Pause(500)
      .Call([&](HWND window) { GetWindowRect(window, &after); })
      .Press("&Ok");
  EXPECT_EQ(Show(MB_OK, "Drag me"), IDOK);
  EXPECT_NEAR(after.left - before.left, 40, 1);
  EXPECT_NEAR(after.top - before.top, 30, 1);
}

TEST_F(MessageBoxTest, ClassIsRegisteredWithItsValues) {
  WNDCLASSA registered{};
  ASSERT_TRUE(GetClassInfoA(ModuleInstance(), MessageBoxWindow::kClassName, &registered));
  EXPECT_EQ(registered.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(registered.lpfnWndProc, &BindingProcedure);
  EXPECT_EQ(registered.cbClsExtra, 0);
  EXPECT_EQ(registered.cbWndExtra, 4);
  EXPECT_EQ(registered.hCursor, LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(registered.hIcon, nullptr);
  EXPECT_EQ(registered.hbrBackground, nullptr);
  EXPECT_EQ(registered.lpszMenuName, nullptr);
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
