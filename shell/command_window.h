#pragma once
// What the commands ask of the main window itself: the owner of their boxes,
// the progress meter and the beep at the end of a change.
#include "ui/win32.h"

namespace vardek {

class CommandWindow {
 public:
  virtual HWND Owner() const = 0;
  // The progress meter in status-bar part 0, for commands that read a
  // catalog while they pump messages.
  virtual void StartProgress() = 0;
  virtual void StopProgress() = 0;
  // Sounds the end of a catalog change when the window is minimised, so that
  // the user hears it.
  virtual void BeepIfMinimised() = 0;

 protected:
  ~CommandWindow() = default;
};

}  // namespace vardek
