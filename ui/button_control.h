#pragma once
// ButtonControl: a push button with its keyboard letter (the mnemonic).
#include "ui/control.h"

namespace vardek {

class ButtonControl : public Control {
 public:
  static constexpr DWORD kDefaultStyle = 0x50000000;  // WS_CHILD|WS_VISIBLE
  explicit ButtonControl(bool subclass = false);
  // Also takes the mnemonic from the text and, with the subclass flag, routes
  // the button's messages through SubclassProc.
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;
  // BN_CLICKED runs the action.
  int OnControlCommand(int notificationCode, int controlId) override;

  char Mnemonic() const { return mnemonic_; }

 private:
  bool subclass_;
  char mnemonic_;
};

// The character after the first "&" of a label, 0 when there is none.
char MnemonicOf(const char* label);

}  // namespace vardek
