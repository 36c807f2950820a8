#pragma once
// The Scan dialog (template 105): the disc description and the drive to scan.
#include "shell/dialog_answer.h"
#include "shell/drive_list.h"
#include "ui/dialog.h"

namespace vardek {

// The disc description: at most 79 characters and the terminator.
inline constexpr int kDescriptionSize = 80;
using DescriptionBuffer = char[kDescriptionSize];

class ScanDialog : public Dialog {
 public:
  ScanDialog();

  // Shows the dialog over `owner` with `description` in its edit field and
  // `rememberedDrive` offered first. On Ok the description holds what was
  // typed and ChosenDrive() the drive to scan; otherwise the description is
  // as it was.
  DialogAnswer Ask(HWND owner, DescriptionBuffer& description, const char* rememberedDrive);

  // The chosen drive: the remembered drive string with the chosen letter, or
  // the text of the entry the user picked; its first character is the letter.
  const char* ChosenDrive() const { return chosenDrive_; }
  char ChosenLetter() const { return chosenDrive_[0]; }

  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  INT_PTR Start();
  void OnOk();
  void OnDriveChosen();

  DescriptionBuffer* description_;
  char chosenDrive_[kDriveEntrySize];
  ComboControl driveList_;
};

}  // namespace vardek
