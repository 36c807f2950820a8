#pragma once
// While a command that pumps messages runs, the user can still reach the menu
// and the panes. A second command that would unload the catalogs, reset the
// rows or use the one catalog reader must not start inside it, and the window
// must not go away under it: the guard refuses the one with a short beep and
// holds the other back until the running command has ended.
#include "ui/win32.h"

namespace vardek {

class CommandGuard {
 public:
  bool Busy() const { return depth_ > 0; }
  // Remember a close that came while busy; it is done when the command ends.
  void HoldClose() { closeHeld_ = true; }
  bool CloseHeld() const { return closeHeld_; }

 private:
  friend class RunningCommand;
  int depth_ = 0;
  bool closeHeld_ = false;
};

// Construct one at a command's entry (menu command, tree selection), never
// inside another command's work. Refused() says whether another command was
// already running; a refused command must return at once.
class RunningCommand {
 public:
  static constexpr UINT kRefusedBeep = 0xFFFFFFFF;  // MessageBeep's short simple beep

  RunningCommand(CommandGuard& guard, HWND window);
  ~RunningCommand();
  RunningCommand(const RunningCommand&) = delete;
  RunningCommand& operator=(const RunningCommand&) = delete;

  bool Refused() const { return refused_; }

 private:
  CommandGuard& guard_;
  HWND window_;
  bool refused_;
};

}  // namespace vardek
