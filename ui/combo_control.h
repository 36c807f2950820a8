#pragma once
// ComboControl: a drop-down combo box that remembers its selection.
#include "ui/control.h"

namespace vardek {

class ComboControl : public Control {
 public:
  // WS_CHILD|WS_VISIBLE|WS_VSCROLL|WS_TABSTOP|CBS_DROPDOWN
  static constexpr DWORD kDefaultStyle = 0x50210002;
  ComboControl();
  bool Create(HWND parent, int id, const char* text, int x, int y, int width,
              int height) override;
  // CBN_SELCHANGE stores the selection and runs the action.
  int OnControlCommand(int notificationCode, int controlId) override;

  // Thin forwarders over the combo box messages; positions are CB_ERR on failure.
  void ResetContent();
  int AddString(const char* text);
  int SelectString(const char* prefix);  // the first entry that starts with `prefix`
  int SetSelection(int position);
  int Selection() const;
  // The text of the entry at `position`; false when there is none or it does not fit.
  bool EntryText(int position, char* text, int size) const;

  int CurrentSelection() const { return currentSelection_; }
  void SetCurrentSelection(int selection) { currentSelection_ = selection; }
  // The drive type the drive list shows (GetDriveTypeA values).
  UINT DriveType() const { return driveType_; }
  void SetDriveType(UINT driveType) { driveType_ = driveType; }

 private:
  int currentSelection_;
  UINT driveType_;
};

}  // namespace vardek
