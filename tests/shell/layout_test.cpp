// Layout: the splitter's place and limits, the children's rectangles, the
// status bar's parts and the progress meter's pixels.
#include "automation.h"
#include "shell/status_bar.h"
#include "shell_fixture.h"

#include <commctrl.h>

namespace vardek::testing {
namespace {

using LayoutTest = ShellTest;

constexpr int kWidth = 801;
constexpr int kHeight = 500;

LPARAM At(int x) { return MAKELPARAM(x, 40); }

TEST_F(LayoutTest, AnUnsetSplitterGoesToAQuarterOfTheWidth) {
  Start();
  Window().SetSplitterPosition(0);
  SetClientSize(kWidth, kHeight);
  ASSERT_EQ(Window().ClientWidth(), kWidth);
  EXPECT_EQ(Window().SplitterPosition(), 200);
  int statusTop = kHeight - TheProgram().statusBar.Height();
  RECT tree = ChildRectangle(TheProgram().titleTree.Handle());
  RECT list = ChildRectangle(TheProgram().fileList.Handle());
  EXPECT_EQ(tree.left, 0);
  EXPECT_EQ(tree.right, 200);
  EXPECT_EQ(tree.bottom, statusTop);
  EXPECT_EQ(list.left, 203);
  EXPECT_EQ(list.right, kWidth);
  EXPECT_EQ(list.bottom, statusTop);
  RECT status = ChildRectangle(TheProgram().statusBar.Handle());
  EXPECT_EQ(status.top, statusTop);
  EXPECT_EQ(status.right - status.left, kWidth);
}

TEST_F(LayoutTest, ShrinkingPullsTheSplitterBackAndGrowingLeavesIt) {
  Start();
  SetClientSize(kWidth, kHeight);
  Window().SetSplitterPosition(600);
  SetClientSize(400, kHeight);
  EXPECT_EQ(Window().SplitterPosition(), 390);
  SetClientSize(kWidth, kHeight);
  EXPECT_EQ(Window().SplitterPosition(), 390);
  ShowWindow(Window().Handle(), SW_MINIMIZE);
  PumpFor(30);
  ShowWindow(Window().Handle(), SW_RESTORE);
  PumpFor(30);
  EXPECT_EQ(Window().SplitterPosition(), 390);
  EXPECT_EQ(ChildRectangle(TheProgram().titleTree.Handle()).right, 390);
}

struct DragCase {
  const char* what;
  int press;
  std::vector<int> moves;
  int expected;
};

class SplitterDrag : public ShellTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(SplitterDrag, StaysWithinItsLimits) {
  const DragCase& c = GetParam();
  Start();
  SetClientSize(kWidth, kHeight);
  HWND window = Window().Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(c.press));
  EXPECT_TRUE(Window().Dragging());
  for (int x : c.moves) SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(x));
  SendMessageA(window, WM_LBUTTONUP, 0, At(c.moves.empty() ? c.press : c.moves.back()));
  PumpFor(30);
  EXPECT_FALSE(Window().Dragging());
  EXPECT_EQ(Window().SplitterPosition(), c.expected) << c.what;
  EXPECT_EQ(ChildRectangle(TheProgram().titleTree.Handle()).right, c.expected) << c.what;
  EXPECT_EQ(ChildRectangle(TheProgram().fileList.Handle()).left, c.expected + 3) << c.what;
}

// The capture goes elsewhere mid-drag (another window takes it, or the
// system does): the drag ends where the bar is, with the panes laid out.
TEST_F(LayoutTest, ALostCaptureEndsTheDrag) {
  Start();
  SetClientSize(kWidth, kHeight);
  HWND window = Window().Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(200));
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(260));
  ASSERT_TRUE(Window().Dragging());
  SetCapture(TheProgram().fileList.Handle());
  ReleaseCapture();
  PumpFor(30);
  EXPECT_FALSE(Window().Dragging());
  EXPECT_EQ(ChildRectangle(TheProgram().titleTree.Handle()).right, 260);
  EXPECT_EQ(ChildRectangle(TheProgram().fileList.Handle()).left, 263);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SplitterDrag,
    ::testing::Values(DragCase{"press without moving takes the pressed x", 201, {}, 201},
                      DragCase{"left limit 10 is reached", 200, {100, 10}, 10},
                      DragCase{"left of 10 is ignored", 200, {100, 9}, 100},
                      DragCase{"W - 11 is reached", 200, {700, kWidth - 11}, kWidth - 11},
                      DragCase{"W - 10 is ignored", 200, {700, kWidth - 10}, 700},
                      DragCase{"left of the client is ignored", 200, {150, -5}, 150}));

TEST(StatusParts, RightEdgesFollowTheCharacterWidth) {
  const int widths[2] = {80, 22};
  int edges[2] = {};
  ComputeRightEdges(600, 6, widths, 2, edges);
  EXPECT_EQ(edges[0], 456);
  EXPECT_EQ(edges[1], 588);
}

TEST_F(LayoutTest, StatusPartsEndWhereTheirWidthsSay) {
  Start();
  SetClientSize(kWidth, kHeight);
  StatusBar& status = TheProgram().statusBar;
  HWND bar = status.Handle();
  auto font = reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  HDC context = GetDC(Window().Handle());
  HGDIOBJ previous = SelectObject(context, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(context, &metrics);
  SelectObject(context, previous);
  ReleaseDC(Window().Handle(), context);
  int cw = metrics.tmAveCharWidth;
  ASSERT_GT(cw, 0);
  int edges[2] = {};
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[1], kWidth - 2 * cw);
  EXPECT_EQ(edges[0], kWidth - 2 * cw - 22 * cw);
}

struct MeterCase {
  int percent;
  int doneRight;  // relative to the part's left edge, for a part 201 pixels wide
  int leftLeft;
};

class MeterAreaSplit : public ::testing::TestWithParam<MeterCase> {};

TEST_P(MeterAreaSplit, LeavesOneColumnBetweenDoneAndLeft) {
  const MeterCase& c = GetParam();
  RECT part{10, 2, 211, 20};
  ProgressAreas areas = MeterAreas(part, c.percent);
  EXPECT_EQ(areas.done.left, 10);
  EXPECT_EQ(areas.done.right, 10 + c.doneRight) << c.percent;
  EXPECT_EQ(areas.left.left, 10 + c.leftLeft) << c.percent;
  EXPECT_EQ(areas.left.right, 211);
}

INSTANTIATE_TEST_SUITE_P(Percent, MeterAreaSplit,
                         ::testing::Values(MeterCase{0, 0, 0}, MeterCase{50, 100, 101},
                                           MeterCase{100, 201, 201}, MeterCase{150, 201, 201}));

struct PixelCase {
  int percent;
  COLORREF atLeft;
  COLORREF atRight;
};

class MeterPixels : public ShellTest, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(MeterPixels, PaintPart0) {
  const PixelCase& c = GetParam();
  Start();
  SetClientSize(kWidth, kHeight);
  StatusBar& status = TheProgram().statusBar;
  RECT part = status.PartRectangle(0);
  status.DrawProgress(c.percent);
  HDC context = GetDC(status.Handle());
  EXPECT_EQ(GetPixel(context, part.left, part.top + 2), c.atLeft) << c.percent;
  EXPECT_EQ(GetPixel(context, part.right - 1, part.top + 2), c.atRight) << c.percent;
  if (c.percent == 50) {
    int done = (part.right - part.left) * 50 / 100 + part.left;
    EXPECT_EQ(GetPixel(context, done - 1, part.top + 2), kProgressDoneColour);
    EXPECT_EQ(GetPixel(context, done + 1, part.top + 2), kProgressLeftColour);
  }
  // Part 1 is never painted by the meter.
  RECT part1 = status.PartRectangle(1);
  COLORREF inPart1 = GetPixel(context, part1.left + 3, part1.top + 2);
  EXPECT_NE(inPart1, kProgressDoneColour);
  ReleaseDC(status.Handle(), context);
}

INSTANTIATE_TEST_SUITE_P(
    Percent, MeterPixels,
    ::testing::Values(PixelCase{0, kProgressLeftColour, kProgressLeftColour},
                      PixelCase{50, kProgressDoneColour, kProgressLeftColour},
                      PixelCase{100, kProgressDoneColour, kProgressDoneColour},
                      PixelCase{250, kProgressDoneColour, kProgressDoneColour}));

TEST_F(LayoutTest, TheProgressTimerPaintsTheReadersPercent) {
  Start();
  SetClientSize(kWidth, kHeight);
  StatusBar& status = TheProgram().statusBar;
  RECT part = status.PartRectangle(0);
  Window().StartProgress();
  PumpFor(450);  // one tick of 300 ms at least; nothing is mapped, so 0 %
  Window().StopProgress();
  HDC context = GetDC(status.Handle());
  EXPECT_EQ(GetPixel(context, part.left + 1, part.top + 2), kProgressLeftColour);
  ReleaseDC(status.Handle(), context);
}

}  // namespace
}  // namespace vardek::testing
