// Dialog objects: the binding procedure, the dialog router, adoption of template controls.
#include <gtest/gtest.h>

#include "automation.h"
#include "test_window.h"
#include "ui/button_control.h"
#include "ui/centre_dialog.h"
#include "ui/dialog.h"

namespace vardek::testing {
namespace {

constexpr int kProbeDialog = 9001;
constexpr int kEdit = 1001;
constexpr int kApply = 1002;

// Uses the base dialog router: only handlers are overridden.
class ProbeDialog : public Dialog {
 public:
  INT_PTR OnInitDialog(WPARAM, LPARAM) override {
    handleInInit = Handle();
    CentreDialog(Handle());
    adopted = apply.Create(Handle(), kApply, "&Apply", 0, 0, 1, 1);
    apply.SetAction(this, MakeAction(&ProbeDialog::OnApply));
    return 1;
  }
  void OnCommand(WPARAM wParam, LPARAM) override {
    int id = LOWORD(wParam);
    if (id == IDOK) {
      char text[64] = "";
      GetDlgItemTextA(Handle(), kEdit, text, sizeof text);
      typed = text;
      EndDialog(Handle(), 100 + static_cast<INT_PTR>(typed.size()));
    } else if (id == IDCANCEL) {
      EndDialog(Handle(), IDCANCEL);
    }
  }
  void OnApply(int controlId) { applied = controlId; }

  ButtonControl apply;
  HWND handleInInit = nullptr;
  bool adopted = false;
  int applied = 0;
  std::string typed;
};

TEST(DialogTest, RunsWithItsObjectAndAdoptsTemplateControls) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open(200, 150, 500, 400));
  ProbeDialog dialog;
  SeenWindow seen;
  Autopilot pilot;
  pilot.WhenDialog(kProbeDialog).Record(&seen).Type(kEdit, "hello").Press("&Apply").Press("OK");
  INT_PTR result = dialog.Run(kProbeDialog, owner.Handle());
  EXPECT_TRUE(pilot.Finished());
  EXPECT_EQ(result, 105);
  EXPECT_EQ(dialog.typed, "hello");
  EXPECT_TRUE(dialog.adopted);
  EXPECT_EQ(dialog.applied, kApply);
  EXPECT_EQ(seen.caption, "Probe dialog");
  EXPECT_EQ(dialog.handleInInit, seen.window);
  EXPECT_EQ(dialog.Handle(), nullptr);  // forgotten once the dialog ended

  RECT ownerRect;
  GetWindowRect(owner.Handle(), &ownerRect);
  int width = seen.rectangle.right - seen.rectangle.left + 1;
  int height = seen.rectangle.bottom - seen.rectangle.top + 1;
  EXPECT_EQ(seen.rectangle.left, CentredPosition(ownerRect.left, ownerRect.right, width));
  EXPECT_EQ(seen.rectangle.top, CentredPosition(ownerRect.top, ownerRect.bottom, height));
}

TEST(DialogTest, CanRunAgainAndCancel) {
  ProbeWindow owner;
  ASSERT_TRUE(owner.Open());
  ProbeDialog dialog;
  for (int run = 0; run < 2; ++run) {
    Autopilot pilot;
    pilot.WhenDialog(kProbeDialog).Press("Cancel");
    EXPECT_EQ(dialog.Run(kProbeDialog, owner.Handle()), IDCANCEL);
    EXPECT_TRUE(pilot.Finished());
    EXPECT_TRUE(dialog.adopted);
  }
}

TEST(DialogTest, DialogTemplateCaptionIsReadFromTheResource) {
  EXPECT_EQ(DialogTemplateCaption(kProbeDialog), "Probe dialog");
  EXPECT_EQ(DialogTemplateCaption(4242), "");
}

}  // namespace
}  // namespace vardek::testing
