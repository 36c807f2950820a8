#include "shell/command_guard.h"

namespace vardek {

RunningCommand::RunningCommand(CommandGuard& guard, HWND window)
    : guard_(guard), window_(window), refused_(guard.Busy()) {
  if (refused_) {
    MessageBeep(kRefusedBeep);
    return;
  }
  ++guard_.depth_;
}

RunningCommand::~RunningCommand() {
  if (refused_) return;
  --guard_.depth_;
  if (guard_.depth_ == 0 && guard_.closeHeld_) {
    guard_.closeHeld_ = false;
    PostMessageA(window_, WM_CLOSE, 0, 0);
  }
}

}  // namespace vardek
