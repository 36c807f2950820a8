#pragma once
// FolderBrowser: the shell's folder browser, for the folder a found file is
// copied into.
#include "shell/session_state.h"
#include "ui/win32.h"

namespace vardek {

class FolderBrowser {
 public:
  static constexpr UINT kOptions = 0x0D;  // file-system folders only, status text, their ancestors

  // Shows the browser over `owner` with `title` above the folders (cut to 259
  // characters). True when a file-system folder was chosen: Path() then ends
  // with one backslash (a drive's root reads C:\).
  bool Browse(HWND owner, const char* title);
  const char* Path() const { return path_; }

 private:
  char path_[kPathSize] = "";
  char title_[kPathSize] = "";
};

// Ends a chosen folder with one backslash; false when there is no room.
bool EndWithSeparator(char (&path)[kPathSize]);

}  // namespace vardek
