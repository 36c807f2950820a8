#pragma once
// The drive list of the Scan dialog and the insert-disc prompt: one entry per
// drive present, "C: Hard Drive", in letter order, and a chosen drive.
#include "ui/combo_control.h"

namespace vardek {

// The longest entry, "x: Unmounted Drv", and its terminator.
inline constexpr int kDriveEntrySize = 17;

// The suffix of an entry for a GetDriveTypeA result ("" for a type not known here).
const char* DriveTypeSuffix(UINT driveType);

// The entry text for a drive: letter, ":" and the suffix of its type.
void FormatDriveEntry(char letter, UINT driveType, char (&entry)[kDriveEntrySize]);

struct DriveChoice {
  bool attached = false;  // the list control was found in the dialog
  char letter = '\0';     // the drive chosen; the remembered letter when none was selectable
};

// Attaches `list` to the dialog's drop-down list `controlId`, fills it from
// GetLogicalDrives and selects the remembered drive (the first character of
// `rememberedDrive`). When that drive is gone, or none is remembered, the
// first drive of list.DriveType() is selected instead.
DriveChoice FillDriveList(ComboControl& list, HWND dialog, int controlId,
                          const char* rememberedDrive);

// The text of the selected entry (at most kDriveEntrySize - 1 characters);
// false, leaving `entry` alone, when nothing is selected.
bool SelectedDriveEntry(const ComboControl& list, char (&entry)[kDriveEntrySize]);

}  // namespace vardek
