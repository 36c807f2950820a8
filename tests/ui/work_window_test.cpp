// The work window and the message pump.
#include <gtest/gtest.h>

#include "automation.h"
#include "test_window.h"
#include "ui/display_font.h"
#include "ui/list_control.h"
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
