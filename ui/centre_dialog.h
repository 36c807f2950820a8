#pragma once
// CentreDialog: puts a dialog or message box over its owner, never left of or
// above the screen's origin.
#include "ui/win32.h"

namespace vardek {

void CentreDialog(HWND dialog);

// One axis of the rule: start and end of the reference, size of the dialog.
int CentredPosition(int referenceStart, int referenceEnd, int dialogSize);

}  // namespace vardek
