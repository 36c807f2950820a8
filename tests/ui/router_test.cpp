// The binding procedure and the message router, on real windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation.h"
#include "test_window.h"
#include "ui/control.h"
#include "ui/list_control.h"

#include <commctrl.h>

namespace vardek::testing {
namespace {

class AdjustedWindow : public ProbeWindow {
 public:
  void AdjustCreateParams(CREATESTRUCTA& params) override { params.lpszName = "Adjusted"; }
};

class NotifiedList : public ListControl {
 public:
  LRESULT OnControlNotify(NMHDR& header) override {
    lastCode = header.code;
    return 42;
  }
  UINT lastCode = 0;
};

TEST(Router, DefaultOnCreateRefusesCreation) {
  RefusingWindow refusing;
  refusing.SetStyle(WS_POPUP);
  EXPECT_EQ(refusing.WindowProc(WM_CREATE, 0, 0), -1);
  EXPECT_FALSE(refusing.CreateFromClass("VardekRefusing", nullptr, nullptr, "", 0, 0, 50, 50));
  EXPECT_EQ(refusing.Handle(), nullptr);
}

TEST(Router, HandleIsSetBeforeOnCreate) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(probe.creates, 1);
  EXPECT_EQ(probe.handleSeenInCreate, probe.Handle());
  EXPECT_EQ(WindowObject(probe.Handle()), &probe);
}

TEST(Router, SecondCreateWhileWindowExistsCreatesNothing) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  HWND first = probe.Handle();
  EXPECT_TRUE(probe.Open());
  EXPECT_EQ(probe.Handle(), first);
  EXPECT_EQ(probe.creates, 1);
}

TEST(Router, OnCreateFalseFailsCreate) {
  ProbeWindow probe;
  probe.createResult = false;
  EXPECT_FALSE(probe.Open());
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_EQ(probe.creates, 1);
}

TEST(Router, CloseNeverReachesSystemDefault) {
  ProbeWindow probe;
  probe.closeDestroys = false;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_CLOSE, 0, 0), 0);
  EXPECT_EQ(probe.closes, 1);
  EXPECT_TRUE(IsWindow(probe.Handle()));
}

TEST(Router, DefaultOnCloseDestroys) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  HWND window = probe.Handle();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(probe.Handle(), nullptr);
}

using Calls = std::vector<std::string>;

TEST(Router, DestroyRunsOnDestroySaveStateFinalDestroyInThatOrderAndForgetsHandle) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(probe.calls, (Calls{"OnCreate"}));
  EXPECT_TRUE(probe.Destroy());
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_EQ(probe.calls, (Calls{"OnCreate", "OnDestroy", "SaveState", "OnFinalDestroy"}));
  EXPECT_FALSE(probe.Destroy());  // no window any more
  ASSERT_TRUE(probe.Open());      // the object can have a window again
  EXPECT_EQ(probe.creates, 2);
}

TEST(Router, EndSessionSavesStateAfterItsHandlerOnlyWhenTheSessionEnds) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  probe.calls.clear();
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_ENDSESSION, 0, 0), 0);
  EXPECT_EQ(probe.calls, (Calls{"OnEndSession"}));
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_ENDSESSION, 1, 0), 0);
  EXPECT_EQ(probe.calls, (Calls{"OnEndSession", "OnEndSession", "SaveState"}));
  EXPECT_TRUE(IsWindow(probe.Handle()));
}

TEST(Router, QueryEndSessionAllowsByDefault) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
}

TEST(Router, NotifyReachesTheSendersControlObject) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  NotifiedList list;
  ASSERT_TRUE(list.Create(probe.Handle(), 0, "", 0, 0, 100, 100));
  NMHDR header{list.Handle(), static_cast<UINT_PTR>(list.Id()), NM_DBLCLK};
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_NOTIFY, list.Id(), reinterpret_cast<LPARAM>(&header)),
            42);
  EXPECT_EQ(list.lastCode, static_cast<UINT>(NM_DBLCLK));
  EXPECT_EQ(probe.notifies, 0);
}

TEST(Router, NotifyFromChildWithoutControlObjectReachesOnNotify) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, probe.Handle(),
                               reinterpret_cast<HMENU>(77), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  NMHDR header{plain, 77, NM_CLICK};
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header)), 0);
  EXPECT_EQ(probe.notifies, 1);
}

TEST(Router, VKeyToItemDefaultsToMinusOneAndDrawItemToOne) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_VKEYTOITEM, MAKEWPARAM('A', 0), 0), -1);
  DRAWITEMSTRUCT item{};
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), 1);
}

TEST(Router, SysCommandCallsHandlerThenSystemProcessing) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  probe.calls.clear();
  SendMessageA(probe.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  // The system turned SC_CLOSE into WM_CLOSE after the handler ran.
  EXPECT_EQ(probe.calls, (Calls{"OnSysCommand", "OnClose", "OnDestroy", "SaveState", "OnFinalDestroy"}));
  EXPECT_EQ(probe.Handle(), nullptr);
}

TEST(Router, AltF4OnTheWindowClosesIt) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  LPARAM altDown = 1 | (1L << 29) | (static_cast<LPARAM>(MapVirtualKeyA(VK_F4, 0)) << 16);
  PostMessageA(probe.Handle(), WM_SYSKEYDOWN, VK_F4, altDown);
  EXPECT_TRUE(PumpUntil([&] { return probe.closes == 1; }, 3000));
  EXPECT_EQ(probe.Handle(), nullptr);
}

TEST(Router, OtherMessagesGoToOnOtherMessageThenDefault) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Open());
  EXPECT_EQ(SendMessageA(probe.Handle(), WM_APP, 0, 0), 0);
  EXPECT_EQ(probe.appMessages, 1);
  SendMessageA(probe.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Set by default"));
  EXPECT_EQ(WindowText(probe.Handle()), "Set by default");
}

TEST(Router, SecondCreationPathUsesAdjustCreateParams) {
  AdjustedWindow window;
  CREATESTRUCTA defaults{};
  defaults.lpszClass = "VardekProbe";
  defaults.lpszName = "Default";
  defaults.style = WS_OVERLAPPEDWINDOW;
  defaults.x = defaults.y = defaults.cx = defaults.cy = CW_USEDEFAULT;
  ASSERT_TRUE(window.CreateFromParams(defaults));
  EXPECT_EQ(WindowText(window.Handle()), "Adjusted");
  EXPECT_EQ(window.creates, 1);
}

TEST(Router, ClassIsRegisteredOnce) {
  ProbeWindow probe;  // the class was registered by an earlier object
  EXPECT_FALSE(probe.RegisterWindowClass());
}

TEST(Router, MissingCreateReportsWithThePlatformBox) {
  ProbeWindow probe;
  SeenWindow seen;
  Autopilot pilot;
  pilot.WhenClass("#32770").Record(&seen).Press("OK");
  Window& asBase = probe;
  EXPECT_FALSE(asBase.Create(nullptr, 0, "", 0, 0, 10, 10));
  EXPECT_TRUE(pilot.Finished());
  EXPECT_EQ(seen.caption, "App Error");
  bool textShown = false;
  for (const auto& text : seen.childTexts) textShown = textShown || text == "Missing Create";
  EXPECT_TRUE(textShown);
}

}  // namespace
}  // namespace vardek::testing
