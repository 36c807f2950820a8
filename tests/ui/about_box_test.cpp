// The About box: elliptic captionless window, icon, link button, one Ok.
#include <gtest/gtest.h>

#include <string>

#include "automation.h"
#include "resources/program_info.h"
#include "resources/resource_ids.h"
#include "test_window.h"
#include "ui/about_box.h"
#include "ui/box_buttons.h"

namespace vardek::testing {
namespace {

std::string g_openedAddress;
HWND g_openedOwner = nullptr;
int g_opens = 0;

void RecordOpen(HWND owner, const char* address) {
  g_openedAddress = address;
  g_openedOwner = owner;
  ++g_opens;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.Open(150, 120, 640, 480));
    g_openedAddress.clear();
    g_openedOwner = nullptr;
    g_opens = 0;
  }
  int Show(const char* link = kMakerWebAddress) {
    return about.Show(owner.Handle(), kProgramAboutText, link, 0, IDI_VARDEK,
                      MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey,
                      MessageBoxWindow::kGrey);
  }
  // Clicks the link button the way a mouse click reaches it.
  Autopilot::Step ClickLink() {
    return [this](HWND) {
      ASSERT_NE(about.LinkHandle(), nullptr);
      PostMessageA(about.LinkHandle(), BM_CLICK, 0, 0);
    };
  }
  ProbeWindow owner;
  AboutBox about;
  Autopilot pilot;
};

TEST_F(AboutBoxTest, OkClosesWithOne) {
  SeenWindow seen;
  bool elliptic = false, captionless = false;
  pilot.WhenClass("CMSGCLASS").Record(&seen).Call([&](HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    elliptic = GetWindowRgn(window, region) == COMPLEXREGION;
    DeleteObject(region);
    captionless = (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == 0;
  }).Press("&Ok");
  EXPECT_EQ(Show(), IDOK);
  EXPECT_TRUE(elliptic);
  EXPECT_TRUE(captionless);
  EXPECT_EQ(seen.caption, kMakerWebAddress);
  EXPECT_EQ(seen.childTexts, (std::vector<std::string>{"&Ok", ""}));  // Ok and the link
  EXPECT_EQ(about.LineCount(), 2);
  EXPECT_GE(about.Width(), about.WidestLine() + 4 * about.WidestCharacter() + 1);
  EXPECT_EQ(about.Height(), 12 * about.LineHeight() + 1);
  EXPECT_NE(about.Icon(), nullptr);
  EXPECT_EQ(g_opens, 0);
}

TEST_F(AboutBoxTest, LinkOpensTheAddressAndClosesWithOne) {
  about.SetLinkOpener(RecordOpen);
  pilot.WhenClass("CMSGCLASS").Call(ClickLink());
  EXPECT_EQ(Show(), IDOK);
  EXPECT_EQ(g_opens, 1);
  EXPECT_EQ(g_openedAddress, kMakerWebAddress);
  EXPECT_EQ(g_openedOwner, owner.Handle());
}

TEST_F(AboutBoxTest, LinkButtonIsCentredTwoLinesBelowTheLastLine) {
  about.SetLinkOpener(RecordOpen);
  RECT place{};
  pilot.WhenClass("CMSGCLASS").Call([&](HWND window) {
    GetWindowRect(about.LinkHandle(), &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(GetWindowLongA(about.LinkHandle(), GWL_STYLE) & BS_OWNERDRAW);
  }).Press("&Ok");
  EXPECT_EQ(Show(), IDOK);
  int lastLineTop = 2 * about.LineHeight() + 32 + about.LineHeight();
  EXPECT_EQ(place.top, lastLineTop + 2 * about.LineHeight());
  EXPECT_NEAR(place.left + (place.right - place.left) / 2, about.Width() / 2, 1);
  // The whole link lies inside the box, with room for the ellipse's curve.
  EXPECT_GE(place.left, about.WidestCharacter());
  EXPECT_LE(place.right, about.Width() - about.WidestCharacter());
}

TEST_F(AboutBoxTest, ShortLinkKeepsTheTextWidth) {
  pilot.WhenClass("CMSGCLASS").Press("&Ok");
  EXPECT_EQ(Show("x.example"), IDOK);
  EXPECT_EQ(about.Width(), about.WidestLine() + 4 * about.WidestCharacter() + 1);
}

TEST_F(AboutBoxTest, EveryShowingHasItsLink) {
  about.SetLinkOpener(RecordOpen);
  pilot.WhenClass("CMSGCLASS").Call(ClickLink());
  pilot.WhenClass("CMSGCLASS").Call(ClickLink());
  EXPECT_EQ(Show(), IDOK);
  EXPECT_EQ(Show(), IDOK);
  EXPECT_EQ(g_opens, 2);
}

TEST_F(AboutBoxTest, WithoutLinkTextTheBoxIsTwoLinesShorterAndHasNoLink) {
  SeenWindow seen;
  pilot.WhenClass("CMSGCLASS").Record(&seen).Press("&Ok");
  EXPECT_EQ(Show(""), IDOK);
  EXPECT_EQ(about.Height(), 10 * about.LineHeight() + 1);
  EXPECT_EQ(seen.childTexts, (std::vector<std::string>{"&Ok"}));
}

TEST_F(AboutBoxTest, TheShellOpenerEndsTheBoxEvenWhenNothingOpens) {
  // A document that does not exist: the shell fails quietly, the box still ends.
  pilot.WhenClass("CMSGCLASS").Call(ClickLink());
  EXPECT_EQ(Show("C:\\vardek-no-such-document.vardek-none"), IDOK);
}

TEST_F(AboutBoxTest, PaintsRedFrameAndLinkColour) {
  COLORREF frame = 0, inside = 0;
  bool linkBlue = false;
  pilot.WhenClass("CMSGCLASS").Pause(100).Call([&](HWND window) {
    HDC context = GetDC(window);
    frame = GetPixel(context, about.Width() / 2, 2);
    inside = GetPixel(context, about.Width() / 2, 12);
    ReleaseDC(window, context);
    HDC link = GetDC(about.LinkHandle());
    RECT area;
    GetClientRect(about.LinkHandle(), &area);
    for (int x = 0; x < area.right && !linkBlue; ++x) {
      for (int y = 0; y < area.bottom && !linkBlue; ++y) {
        linkBlue = GetPixel(link, x, y) == RGB(0, 0, 128);
      }
    }
    ReleaseDC(about.LinkHandle(), link);
  }).Press("&Ok");
  EXPECT_EQ(Show(), IDOK);
  EXPECT_EQ(frame, RGB(255, 0, 0));
  EXPECT_EQ(inside, RGB(192, 192, 192));
  EXPECT_TRUE(linkBlue);
}

}  // namespace
}  // namespace vardek::testing
