#pragma once
// The insert-disc prompt (template 107): asks for the disc of a found file,
// the drive it is in and whether to open (Execute) or copy the file.
#include <string>

#include "shell/dialog_answer.h"
#include "shell/drive_list.h"
#include "ui/dialog.h"

namespace vardek {

// Drive letter, folder path and name of the file on its disc.
inline constexpr int kSourcePathSize = 300;
using SourcePathBuffer = char[kSourcePathSize];

enum class DiscOperation { Execute = 0, Copy = 1 };

// Where and how the prompt draws its request: a rectangle of the dialog's
// client area, on the dialog's face colour, word-wrapped.
struct PromptPainter {
  RECT area{};
  UINT format = DT_WORDBREAK;
  COLORREF background = 0;

  void Measure(HWND dialog, int areaControlId);
  void Paint(HWND dialog, const std::string& text) const;
};

class InsertDiscPrompt : public Dialog {
 public:
  InsertDiscPrompt();

  // Shows the prompt over `owner` for the disc `discDescription`. The source
  // path's first character is the drive offered first; the prompt puts the
  // chosen drive's letter there. The operation choice is kept between showings.
  DialogAnswer Ask(HWND owner, SourcePathBuffer& sourcePath, const char* discDescription);

  DiscOperation Operation() const { return operation_; }
  // The text the prompt paints for a disc description.
  static std::string PromptText(const char* discDescription);

  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  INT_PTR Start();
  void OnDriveChosen();
  void UseLetter(char letter);
  void OnOk();

  SourcePathBuffer* sourcePath_;
  std::string promptText_;
  char driveString_[kDriveEntrySize];
  DiscOperation operation_;
  PromptPainter painter_;
  ComboControl driveList_;
};

}  // namespace vardek
