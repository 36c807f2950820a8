// FontRecord, BusyCursor and CentreDialog.
#include <gtest/gtest.h>

#include "automation.h"
#include "test_window.h"
#include "ui/busy_cursor.h"
#include "ui/centre_dialog.h"
#include "ui/font_record.h"

namespace vardek::testing {
namespace {

TEST(FontRecordTest, SecondSetFaceLeavesExactlyOneFont) {
  HDC screen = GetDC(nullptr);
  FontRecord record;
  EXPECT_EQ(record.Font(), nullptr);
  EXPECT_EQ(record.Colour(), RGB(0, 0, 0));
  record.SetFaceAndSize(screen, "MS Sans Serif", 12);
  HFONT first = record.Font();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(record.LogFont().lfHeight, -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72));
  record.SetFaceAndSize(screen, "", 10);  // keeps the face
  HFONT second = record.Font();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);  // released
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
  EXPECT_STREQ(record.LogFont().lfFaceName, "MS Sans Serif");
  record.Release();
  EXPECT_EQ(record.Font(), nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);
  ReleaseDC(nullptr, screen);
}

TEST(FontRecordTest, SelectIntoSetsColourAndFont) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  FontRecord record;
  record.SetColour(RGB(0, 0, 128));
  record.SetFaceAndSize(memory, "MS Sans Serif", 12);
  HGDIOBJ previous = record.SelectInto(memory);
  EXPECT_EQ(GetCurrentObject(memory, OBJ_FONT), record.Font());
  EXPECT_EQ(GetTextColor(memory), RGB(0, 0, 128));
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

int WorkThatLeavesEarly(bool early, HCURSOR& during) {
  BusyCursor busy;
  during = GetCursor();
  if (early) return 1;
  return 2;
}

TEST(BusyCursorTest, RestoresThePreviousCursorOnEveryExit) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
  SetCursor(arrow);
  HCURSOR during = nullptr;
  EXPECT_EQ(WorkThatLeavesEarly(true, during), 1);
  EXPECT_EQ(during, wait);
  EXPECT_EQ(GetCursor(), arrow);
  EXPECT_EQ(WorkThatLeavesEarly(false, during), 2);
  EXPECT_EQ(GetCursor(), arrow);
}

TEST(CentreDialogTest, PositionRule) {
  EXPECT_EQ(CentredPosition(100, 500, 201), 200);   // centred
  EXPECT_EQ(CentredPosition(-300, 100, 201), 0);    // never left of the origin
  EXPECT_EQ(CentredPosition(1000, 1100, 301), 799); // right edge kept at the owner's
  EXPECT_EQ(CentredPosition(0, 50, 301), 0);        // both limits: the origin wins
}

class CentreOnOwner : public ::testing::Test {
 protected:
  // A popup owned by `owner`, sized 200 x 100.
  HWND OwnedPopup(HWND owner) {
    popup_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    return popup_;
  }
  void TearDown() override {
    if (popup_) DestroyWindow(popup_);
  }
  RECT Place() const {
    RECT rect;
    GetWindowRect(popup_, &rect);
    return rect;
  }
  HWND popup_ = nullptr;
};

TEST_F(CentreOnOwner, CentresOverTheOwner) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open(100, 100, 401, 301, WS_POPUP | WS_VISIBLE));
  ASSERT_NE(OwnedPopup(owner.Handle()), nullptr);
  CentreDialog(popup_);
  // reference 100..501 (width 402), dialog 201 wide: 100 + 201 - 100 = 201
  EXPECT_EQ(Place().left, 201);
  EXPECT_EQ(Place().top, 100 + 302 / 2 - 101 / 2);
  EXPECT_EQ(Place().right - Place().left, 200);
}

TEST_F(CentreOnOwner, ClampsAtTheOriginAndAtTheOwnersFarEdge) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open(-300, -200, 300, 200, WS_POPUP | WS_VISIBLE));
  ASSERT_NE(OwnedPopup(owner.Handle()), nullptr);
  CentreDialog(popup_);
  EXPECT_EQ(Place().left, 0);
  EXPECT_EQ(Place().top, 0);
  ASSERT_TRUE(owner.Destroy());
  ASSERT_TRUE(owner.Open(1000, 100, 100, 60, WS_POPUP | WS_VISIBLE));
  ASSERT_NE(OwnedPopup(owner.Handle()), nullptr);
  CentreDialog(popup_);
  EXPECT_EQ(Place().left, 1100 - 201);  // owner's right minus the dialog width
  EXPECT_EQ(Place().top, 160 - 101);
}

TEST_F(CentreOnOwner, WithoutOwnerCentresOnTheFullScreenArea) {
  ASSERT_NE(OwnedPopup(nullptr), nullptr);
  CentreDialog(popup_);
  int screenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
  EXPECT_EQ(Place().left, CentredPosition(0, screenWidth, 201));
}

}  // namespace
}  // namespace vardek::testing
