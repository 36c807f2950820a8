#include "ui/combo_control.h"

namespace vardek {

ComboControl::ComboControl() : Control(kDefaultStyle, 0), currentSelection_(CB_ERR), driveType_(0) {}

bool ComboControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                          int height) {
  return CreateControl("COMBOBOX", parent, id, text, x, y, width, height);
}

int ComboControl::OnControlCommand(int notificationCode, int) {
  if (notificationCode != CBN_SELCHANGE) return 0;
  currentSelection_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
  if (!HasAction()) return 0;
  RunAction();
  return 1;
}

}  // namespace vardek
