#include "shell/command_entry.h"

#include <utility>

namespace vardek {

void CommandEntry::Enter(const InputRule& rule, const Command& command) {
  if (Busy()) {
    switch (rule.whileBusy) {
      case WhileBusy::Refuse:
        MessageBeep(kRefusedBeep);
        return;
      case WhileBusy::Hold:
        held_[static_cast<std::size_t>(rule.heldSlot)] = command;
        return;
      case WhileBusy::RunInside:
        break;
    }
  }
  ++depth_;
  command();
  --depth_;
  if (depth_ > 0 || !bringBack_) return;
  for (const Command& held : held_) {
    if (held) {
      bringBack_();
      return;
    }
  }
}

void CommandEntry::RunHeld() {
  if (Busy()) return;  // brought back again when the running command ends
  for (Command& slot : held_) {
    Command held = std::move(slot);
    slot = nullptr;
    if (held) Enter(kRefusedWhileBusy, held);
  }
}

}  // namespace vardek
