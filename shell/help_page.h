#pragma once
// HelpPage: Program Info writes the help page to "Vardek.htm" in the user's
// temp folder and has the shell open it; the file is deleted at exit.
#include "shell/session_state.h"
#include "ui/win32.h"

namespace vardek {

inline constexpr char kHelpFileName[] = "Vardek.htm";

class HelpPage {
 public:
  using Opener = void (*)(const char* path);

  explicit HelpPage(const char* pageText);
  ~HelpPage();  // deletes the file, whether or not it was ever written
  HelpPage(const HelpPage&) = delete;
  HelpPage& operator=(const HelpPage&) = delete;

  // Writes the page so that the file holds exactly it, then opens it. When the
  // file cannot be written nothing happens and nothing is reported.
  void Show();

  const char* Path() const { return path_; }
  // Replaces how the file is opened (the shell's "open" by default).
  void SetOpener(Opener opener) { opener_ = opener; }

 private:
  bool Write() const;

  const char* text_;
  char path_[kPathSize];  // empty when the temp folder's path is too long for it
  Opener opener_;
};

// The shell's "open" verb on a document, without an owner.
void OpenDocument(const char* path);

}  // namespace vardek
