#include "ui/button_control.h"

#include <cstring>

namespace vardek {

char MnemonicOf(const char* label) {
  if (!label) return 0;
  const char* ampersand = std::strchr(label, '&');
  return ampersand ? ampersand[1] : 0;
}

ButtonControl::ButtonControl(bool subclass)
    : Control(kDefaultStyle, 0), subclass_(subclass), mnemonic_(0) {}

bool ButtonControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                           int height) {
  bool created = CreateControl("BUTTON", parent, id, text, x, y, width, height);
  mnemonic_ = MnemonicOf(text);
  if (subclass_ && Handle()) {
    LONG_PTR previous = SetWindowLongPtrA(Handle(), GWLP_WNDPROC,
                                          reinterpret_cast<LONG_PTR>(ControlSubclassProcedure));
    RememberSubclassedProcedure(reinterpret_cast<WNDPROC>(previous));
  }
  return created;
}

int ButtonControl::OnControlCommand(int notificationCode, int) {
  if (notificationCode != BN_CLICKED || !HasAction()) return 0;
  RunAction();
  return 1;
}

}  // namespace vardek
