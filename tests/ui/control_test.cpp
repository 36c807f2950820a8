// Control wrappers: automatic ids, binding, mnemonics, notifications, subclassing.
#include <gtest/gtest.h>

#include "automation.h"
#include "test_window.h"
#include "ui/button_control.h"
#include "ui/combo_control.h"
#include "ui/list_control.h"
#include "ui/tree_control.h"

#include <commctrl.h>

namespace vardek::testing {
namespace {

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    ASSERT_TRUE(parent.Open());
  }
  ProbeWindow parent;
};

struct Receiver : ActionTarget {
  void Act(int controlId) { acted = controlId; }
  int acted = 0;
};

class CountingButton : public ButtonControl {
 public:
  CountingButton() : ButtonControl(true) {}
  LRESULT SubclassProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) ++appMessages;
    return ButtonControl::SubclassProc(message, wParam, lParam);
  }
  int appMessages = 0;
};

TEST_F(ControlTest, AutomaticIdsCountUpAndExplicitIdsDoNotAdvance) {
  ListControl list;
  TreeControl tree;
  ButtonControl button;
  int next = PeekAutomaticControlId();
  EXPECT_GE(next, 900);
  ASSERT_TRUE(list.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  ASSERT_TRUE(tree.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  EXPECT_EQ(list.Id(), next);
  EXPECT_EQ(tree.Id(), next + 1);
  EXPECT_EQ(GetDlgCtrlID(tree.Handle()), next + 1);
  ASSERT_TRUE(button.Create(parent.Handle(), 1234, "Fixed", 0, 0, 60, 20));
  EXPECT_EQ(button.Id(), 1234);
  EXPECT_EQ(PeekAutomaticControlId(), next + 2);
}

TEST_F(ControlTest, ControlObjectIsFoundFromItsHandle) {
  ListControl list;
  ASSERT_TRUE(list.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  EXPECT_EQ(ControlObject(list.Handle()), &list);
  EXPECT_EQ(ControlObject(parent.Handle()), nullptr);
}

TEST_F(ControlTest, DefaultStylesAreUsedWhenCreating) {
  TreeControl tree;
  ListControl list;
  ComboControl combo;
  ASSERT_TRUE(tree.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  ASSERT_TRUE(list.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  ASSERT_TRUE(combo.Create(parent.Handle(), 0, "", 0, 0, 100, 100));
  EXPECT_EQ(GetWindowLongA(tree.Handle(), GWL_STYLE) & 0xFFFF000F, 0x50010007 & 0xFFFF000F);
  EXPECT_TRUE(GetWindowLongA(tree.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetWindowLongA(list.Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  char className[64];
  GetClassNameA(combo.Handle(), className, sizeof className);
  EXPECT_STREQ(className, "ComboBox");
}

TEST_F(ControlTest, ExistingChildWithTheIdIsAdopted) {
  HWND existing = CreateWindowExA(0, "BUTTON", "Template", WS_CHILD | BS_CHECKBOX, 5, 6, 70, 20,
                                  parent.Handle(), reinterpret_cast<HMENU>(555),
                                  GetModuleHandleA(nullptr), nullptr);
  ButtonControl button;
  ASSERT_TRUE(button.Create(parent.Handle(), 555, "&Adopted", 50, 50, 10, 10));
  EXPECT_EQ(button.Handle(), existing);
  EXPECT_EQ(GetWindowLongA(existing, GWL_STYLE) & WS_VISIBLE, 0);  // our style not used
  RECT place;
  GetWindowRect(existing, &place);
  MapWindowPoints(nullptr, parent.Handle(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 5);
  EXPECT_EQ(place.right - place.left, 70);
  EXPECT_EQ(ControlObject(existing), &button);
}

TEST(Mnemonic, CharacterAfterTheFirstAmpersand) {
  EXPECT_EQ(MnemonicOf("E&xit"), 'x');
  EXPECT_EQ(MnemonicOf("&Ok"), 'O');
  EXPECT_EQ(MnemonicOf("Plain"), 0);
  EXPECT_EQ(MnemonicOf(nullptr), 0);
}

TEST_F(ControlTest, ButtonKeepsItsMnemonic) {
  ButtonControl exitButton;
  ButtonControl plain;
  ASSERT_TRUE(exitButton.Create(parent.Handle(), 0, "E&xit", 0, 0, 60, 20));
  ASSERT_TRUE(plain.Create(parent.Handle(), 0, "Plain", 0, 30, 60, 20));
  EXPECT_EQ(exitButton.Mnemonic(), 'x');
  EXPECT_EQ(plain.Mnemonic(), 0);
}

TEST_F(ControlTest, ButtonClickRunsTheAction) {
  ButtonControl button;
  Receiver receiver;
  ASSERT_TRUE(button.Create(parent.Handle(), 0, "Go", 0, 0, 60, 20));
  EXPECT_EQ(button.OnControlCommand(BN_CLICKED, button.Id()), 0);  // no action yet
  button.SetAction(&receiver, MakeAction(&Receiver::Act));
  EXPECT_EQ(button.OnControlCommand(BN_CLICKED, button.Id()), 1);
  EXPECT_EQ(receiver.acted, button.Id());
  receiver.acted = 0;
  EXPECT_EQ(button.OnControlCommand(BN_SETFOCUS, button.Id()), 0);
  EXPECT_EQ(receiver.acted, 0);
}

TEST_F(ControlTest, ComboSelectionChangeStoresSelectionAndRunsAction) {
  ComboControl combo;
  Receiver receiver;
  ASSERT_TRUE(combo.Create(parent.Handle(), 0, "", 0, 0, 100, 200));
  SendMessageA(combo.Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:"));
  SendMessageA(combo.Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("D:"));
  SendMessageA(combo.Handle(), CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo.OnControlCommand(CBN_SELCHANGE, combo.Id()), 0);
  EXPECT_EQ(combo.CurrentSelection(), 1);
  combo.SetAction(&receiver, MakeAction(&Receiver::Act));
  SendMessageA(combo.Handle(), CB_SETCURSEL, 0, 0);
  EXPECT_EQ(combo.OnControlCommand(CBN_SELCHANGE, combo.Id()), 1);
  EXPECT_EQ(combo.CurrentSelection(), 0);
  EXPECT_EQ(receiver.acted, combo.Id());
}

TEST_F(ControlTest, SubclassedButtonRoutesThroughSubclassProcAndStillWorks) {
  CountingButton button;
  ASSERT_TRUE(button.Create(parent.Handle(), 0, "Sub", 0, 0, 60, 20));
  EXPECT_EQ(GetWindowLongPtrA(button.Handle(), GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(ControlSubclassProcedure));
  EXPECT_NE(SubclassedPreviousProcedure(), nullptr);
  SendMessageA(button.Handle(), WM_APP, 0, 0);
  EXPECT_EQ(button.appMessages, 1);
  SendMessageA(button.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Renamed"));
  EXPECT_EQ(WindowText(button.Handle()), "Renamed");  // the button's own procedure still runs
}

TEST_F(ControlTest, RecreatingAfterTheParentWentMakesANewWindow) {
  ButtonControl button;
  ASSERT_TRUE(button.Create(parent.Handle(), 0, "One", 0, 0, 60, 20));
  int id = button.Id();
  ASSERT_TRUE(parent.Destroy());
  ASSERT_TRUE(parent.Open());
  ASSERT_TRUE(button.Create(parent.Handle(), id, "Two", 0, 0, 60, 20));
  EXPECT_TRUE(IsWindow(button.Handle()));
  EXPECT_EQ(GetParent(button.Handle()), parent.Handle());
  EXPECT_EQ(button.Id(), id);
}

}  // namespace
}  // namespace vardek::testing
