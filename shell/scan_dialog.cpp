#include "shell/scan_dialog.h"

#include "catalog/text_routines.h"
#include "resources/resource_ids.h"
#include "ui/centre_dialog.h"

namespace vardek {
namespace {

constexpr char kNoDescription[] = "You must supply a disk description.";
constexpr WPARAM kDescriptionLimit = 80;  // characters the edit field takes

}  // namespace

ScanDialog::ScanDialog() : description_(nullptr), chosenDrive_() {
  driveList_.SetDriveType(DRIVE_FIXED);
}

DialogAnswer ScanDialog::Ask(HWND owner, DescriptionBuffer& description,
                             const char* rememberedDrive) {
  description_ = &description;
  CopyText(chosenDrive_, sizeof chosenDrive_, rememberedDrive);
  return AnswerOf(Run(IDD_SCAN, owner));
}

INT_PTR ScanDialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return Start();
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id == IDC_DRIVE_LIST && code == CBN_SELCHANGE) {
    OnDriveChosen();
  } else if (id == IDC_SCAN_OK) {
    OnOk();
  } else if (id == IDCANCEL) {
    EndDialog(Handle(), 0);
  }
  // IDOK, which Enter sends, is left unanswered on purpose.
  return TRUE;
}

INT_PTR ScanDialog::Start() {
  SendDlgItemMessageA(Handle(), IDC_SCAN_DESCRIPTION, EM_LIMITTEXT, kDescriptionLimit, 0);
  SetDlgItemTextA(Handle(), IDC_SCAN_DESCRIPTION, *description_);
  const DriveChoice choice = FillDriveList(driveList_, Handle(), IDC_DRIVE_LIST, chosenDrive_);
  chosenDrive_[0] = choice.letter;
  CentreDialog(Handle());
  return TRUE;
}

void ScanDialog::OnDriveChosen() {
  driveList_.OnControlCommand(CBN_SELCHANGE, IDC_DRIVE_LIST);
  SelectedDriveEntry(driveList_, chosenDrive_);
}

void ScanDialog::OnOk() {
  // The buffer's size is the limit, so at most 79 characters are taken. The
  // caller's description changes only when the dialog ends with OK.
  DescriptionBuffer typed = "";
  GetDlgItemTextA(Handle(), IDC_SCAN_DESCRIPTION, typed, kDescriptionSize);
  if (typed[0] == '\0') {
    MessageBoxA(Handle(), kNoDescription, "", MB_ICONWARNING);
    return;
  }
  CopyText(*description_, kDescriptionSize, typed);
  EndDialog(Handle(), 1);
}

}  // namespace vardek
