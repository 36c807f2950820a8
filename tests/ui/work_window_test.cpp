// The work window and the message pump.
#include <gtest/gtest.h>

#include <cstring>

#include "automation.h"
#include "test_window.h"
#include "ui/display_font.h"
#include "ui/list_control.h"
#include "ui/module.h"
#include "ui/window.h"
#include "ui/work_window.h"

#include <commctrl.h>

namespace vardek::testing {
namespace {

RECT WindowRectangle(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class WorkWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(owner.Open(120, 80, 640, 480)); }
  void TearDown() override { work.Destroy(); }
  ProbeWindow owner;
  WorkWindow work;
};

TEST_F(WorkWindowTest, LoadingIs23CharacterWidthsBy5LinesCentredOnTheOwner) {
  TEXTMETRICA metrics;
  ASSERT_TRUE(DisplayFontMetrics(metrics));
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  ASSERT_NE(work.Handle(), nullptr);
  EXPECT_EQ(work.CharacterWidth(), metrics.tmAveCharWidth);
  EXPECT_EQ(work.LineHeight(), metrics.tmHeight + metrics.tmExternalLeading);
  RECT box = WindowRectangle(work.Handle());
  int width = box.right - box.left;
  int height = box.bottom - box.top;
  EXPECT_EQ(width, 23 * metrics.tmAveCharWidth);
  EXPECT_EQ(height, 5 * (metrics.tmHeight + metrics.tmExternalLeading));
  RECT frame = WindowRectangle(owner.Handle());
  EXPECT_EQ(box.left, frame.left + (frame.right - frame.left) / 2 - width / 2);
  EXPECT_EQ(box.top, frame.top + (frame.bottom - frame.top) / 2 - height / 2);
  char className[32];
  GetClassNameA(work.Handle(), className, sizeof className);
  EXPECT_STREQ(className, "WKWND");
  DWORD style = static_cast<DWORD>(GetWindowLongA(work.Handle(), GWL_STYLE));
  style &= ~static_cast<DWORD>(WS_CLIPSIBLINGS);  // the system adds it to every top-level window
  EXPECT_EQ(style & 0xFFFF0000u, WorkWindow::kStyle);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));  // flag 0: the owner stays usable
}

TEST_F(WorkWindowTest, ScanTextIsCentredOnTheFileList) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
  ListControl fileList;
  ASSERT_TRUE(fileList.Create(owner.Handle(), 0, "", 300, 10, 300, 400));
  ASSERT_EQ(work.Show(fileList.Handle(), "Scanning drive D", 0), 1);
  RECT box = WindowRectangle(work.Handle());
  int width = box.right - box.left;
  EXPECT_EQ(width, 28 * work.CharacterWidth());
  RECT list = WindowRectangle(fileList.Handle());
  EXPECT_EQ(box.left, list.left + (list.right - list.left) / 2 - width / 2);
  EXPECT_EQ(box.top, list.top + (list.bottom - list.top) / 2 - (box.bottom - box.top) / 2);
}

TEST_F(WorkWindowTest, SecondShowOnlyReplacesTheText) {
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  HWND first = work.Handle();
  ASSERT_EQ(work.Show(owner.Handle(), "Deleting ...", 0), 1);
  EXPECT_EQ(work.Handle(), first);
}

TEST_F(WorkWindowTest, DisabledOwnerIsEnabledAgainOnDestroy) {
  ASSERT_EQ(work.Show(owner.Handle(), "Deleting ...", 1), 1);
  EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
  EXPECT_EQ(work.Destroy(), 1);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_EQ(work.Handle(), nullptr);
  EXPECT_EQ(work.Destroy(), 0);  // no window: fails harmlessly
}

TEST_F(WorkWindowTest, ShowsAgainAfterItsOwnerWasDestroyed) {
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  HWND first = work.Handle();
  ASSERT_TRUE(owner.Destroy());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(work.Handle(), nullptr);
  ASSERT_TRUE(owner.Open());
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  EXPECT_TRUE(IsWindow(work.Handle()));
}

TEST_F(WorkWindowTest, PaintsItsBackgroundColourAndASunkenFrame) {
  work.SetColours(RGB(0, 0, 0), RGB(255, 215, 0));
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  PumpFor(100);
  HDC context = GetDC(work.Handle());
  const RECT& text = work.TextRectangle();
  EXPECT_EQ(GetPixel(context, 1, 1), RGB(255, 215, 0));
  EXPECT_EQ(GetPixel(context, text.left, text.top + 2), RGB(0, 0, 0));        // dark left edge
  EXPECT_EQ(GetPixel(context, text.right, text.bottom - 2), RGB(255, 255, 255));  // light right
  ReleaseDC(work.Handle(), context);
}

TEST_F(WorkWindowTest, TextIsCentredBothWaysInsideTheFrame) {
  constexpr COLORREF kYellow = RGB(255, 215, 0);
  const char* text = "Searching C:\\catalogs\\discs.cat";
  work.SetColours(RGB(0, 0, 0), kYellow);
  ASSERT_EQ(work.Show(owner.Handle(), text, 0), 1);
  PumpFor(100);
  const auto shown = Picture::OfClient(work.Handle());
  const RECT& frame = work.TextRectangle();
  const RECT ink = shown->InkBounds({frame.left + 1, frame.top + 1, frame.right, frame.bottom}, kYellow);
  // The same text drawn alone at (0, 0): where its ink lies in its own cell.
  const int length = static_cast<int>(std::strlen(text));
  Picture alone(800, 100, kYellow);
  SIZE size{};
  GetTextExtentPoint32A(alone.Context(), text, length, &size);
  TextOutA(alone.Context(), 0, 0, text, length);
  const RECT own = alone.InkBounds({0, 0, 800, 100}, kYellow);
  ASSERT_LT(own.left, own.right);
  const int left = frame.left + (frame.right - frame.left - size.cx) / 2;
  const int top = frame.top + (frame.bottom - frame.top - size.cy) / 2;
  EXPECT_NEAR(ink.left - own.left, left, 1);
  EXPECT_NEAR(ink.right - own.right, left, 1);
  EXPECT_NEAR(ink.top - own.top, top, 1);
  EXPECT_NEAR(ink.bottom - own.bottom, top, 1);
}

// The z-order place of a top-level window: 0 for the topmost.
int PlaceFromTop(HWND window) {
  int place = 0;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT), ++place)
    if (w == window) return place;
  return -1;
}

TEST_F(WorkWindowTest, OwnerComesToTheTopWhenTheWorkWindowGoes) {
  ASSERT_EQ(work.Show(owner.Handle(), "Loading ...", 0), 1);
  // Another window goes over the owner and takes the focus, so that nothing
  // but the work window's own departure can bring the owner back up.
  ProbeWindow other;
  ASSERT_TRUE(other.Open(100, 60, 700, 520));
  SetActiveWindow(other.Handle());
  BringWindowToTop(other.Handle());
  PumpFor(50);
  ASSERT_LT(PlaceFromTop(other.Handle()), PlaceFromTop(owner.Handle()));
  ASSERT_EQ(work.Destroy(), 1);
  PumpFor(50);
  EXPECT_LT(PlaceFromTop(owner.Handle()), PlaceFromTop(other.Handle()));
}

TEST_F(WorkWindowTest, ClassIsRegisteredWithItsValues) {
  WNDCLASSA registered{};
  ASSERT_TRUE(GetClassInfoA(ModuleInstance(), WorkWindow::kClassName, &registered));
  EXPECT_EQ(registered.style & ~static_cast<UINT>(CS_GLOBALCLASS), static_cast<UINT>(CS_BYTEALIGNWINDOW));
  EXPECT_EQ(registered.style & CS_GLOBALCLASS, static_cast<UINT>(CS_GLOBALCLASS));
  EXPECT_EQ(registered.lpfnWndProc, &BindingProcedure);
  EXPECT_EQ(registered.cbWndExtra, 4);
  EXPECT_EQ(registered.hCursor, nullptr);  // the hourglass of the operation stays
  EXPECT_EQ(registered.hIcon, nullptr);
  EXPECT_EQ(registered.hbrBackground, nullptr);
  EXPECT_EQ(registered.lpszMenuName, nullptr);
}

TEST(PumpMessagesTest, DispatchesWaitingMessagesAndLeavesQuitInTheQueue) {
  ProbeWindow window;
  ASSERT_TRUE(window.Open());
  PumpFor(50);
  EXPECT_EQ(WorkWindow::PumpMessages(), 0);
  PostMessageA(window.Handle(), WM_APP, 0, 0);
  PostQuitMessage(5);
  EXPECT_EQ(WorkWindow::PumpMessages(), 1);
  EXPECT_EQ(window.appMessages, 1);
  EXPECT_EQ(WorkWindow::PumpMessages(), 1);  // still there
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 5u);
  EXPECT_EQ(WorkWindow::PumpMessages(), 0);
}

}  // namespace
}  // namespace vardek::testing
