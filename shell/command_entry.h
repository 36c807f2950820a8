#pragma once
// CommandEntry: the one way from an input to its command. Every input comes
// through it: menu items and accelerators, the title tree's selection and
// Delete key, header clicks and double clicks in the file list, the start-up
// reopen and the close. A command may pump messages while it runs, and the
// user can still reach the menu and the panes; an input that would unload the
// catalogs, reset the rows or use the one catalog reader must not start
// inside it, and the window must not go away under it.
#include <array>
#include <functional>

#include "ui/win32.h"

namespace vardek {

enum class WhileBusy {
  Refuse,     // a short beep, nothing else
  RunInside,  // touches none of the shared state: may run inside another command
  Hold,       // waits until the running command has ended, then runs
};

struct InputRule {
  WhileBusy whileBusy;
  int heldSlot;  // Hold: where it waits; a later input of the same slot replaces it
};

inline constexpr InputRule kRefusedWhileBusy{WhileBusy::Refuse, -1};
inline constexpr InputRule kHarmlessInput{WhileBusy::RunInside, -1};
// A title chosen while a command runs is listed after it, so that the list
// never disagrees with the tree's selection.
inline constexpr InputRule kTitleSelection{WhileBusy::Hold, 0};
inline constexpr InputRule kCloseInput{WhileBusy::Hold, 1};

class CommandEntry {
 public:
  using Command = std::function<void()>;
  static constexpr UINT kRefusedBeep = 0xFFFFFFFF;  // MessageBeep's short simple beep

  CommandEntry() = default;
  CommandEntry(const CommandEntry&) = delete;
  CommandEntry& operator=(const CommandEntry&) = delete;

  // How held inputs come back once the last command has ended: it must make
  // the message loop call RunHeld (a posted message), so that they run after
  // the ended command has returned all the way.
  void SetBringBack(std::function<void()> bringBack) { bringBack_ = std::move(bringBack); }

  bool Busy() const { return depth_ > 0; }
  void Enter(const InputRule& rule, const Command& command);
  // Runs the inputs that were held, in slot order.
  void RunHeld();

 private:
  int depth_ = 0;
  std::array<Command, 2> held_;
  std::function<void()> bringBack_;
};

}  // namespace vardek
