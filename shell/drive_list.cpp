#include "shell/drive_list.h"

#include "catalog/text_routines.h"

namespace vardek {
namespace {

constexpr int kDriveLetters = 26;
constexpr int kKnownDriveTypes = DRIVE_RAMDISK + 1;

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

UINT DriveTypeOf(char letter) {
  char root[] = "x:\\";
  root[0] = letter;
  return GetDriveTypeA(root);
}

// The list position of the first drive of each known type, met while filling.
class FirstDrives {
 public:
  FirstDrives() {
    for (int& position : positions_) position = CB_ERR;
  }
  void Note(UINT driveType, int position) {
    if (driveType < kKnownDriveTypes && positions_[driveType] == CB_ERR) {
      positions_[driveType] = position;
    }
  }
  int Of(UINT driveType) const {
    return driveType < kKnownDriveTypes ? positions_[driveType] : CB_ERR;
  }

 private:
  int positions_[kKnownDriveTypes];
};

FirstDrives AddDrives(ComboControl& list) {
  FirstDrives first;
  const DWORD present = GetLogicalDrives();
  for (int bit = 0; bit < kDriveLetters; ++bit) {
    if (!(present & (1UL << bit))) continue;
    const char letter = static_cast<char>('A' + bit);
    const UINT driveType = DriveTypeOf(letter);
    char entry[kDriveEntrySize];
    FormatDriveEntry(letter, driveType, entry);
    const int position = list.AddString(entry);
    if (position >= 0) first.Note(driveType, position);
  }
  return first;
}

// Selects the entry of a remembered letter; CB_ERR when there is none. An
// empty remembered drive (the first start) must not select whatever entry
// comes first, which the prefix search for "" would do.
int SelectRemembered(ComboControl& list, char letter) {
  if (!IsDriveLetter(letter)) return CB_ERR;
  const char prefix[] = {letter, ':', '\0'};
  return list.SelectString(prefix);
}

int SelectPosition(ComboControl& list, int position) {
  if (position == CB_ERR) return CB_ERR;
  return list.SetSelection(position);
}

}  // namespace

const char* DriveTypeSuffix(UINT driveType) {
  switch (driveType) {
    case DRIVE_UNKNOWN: return " Unknown";
    case DRIVE_NO_ROOT_DIR: return " Unmounted Drv";
    case DRIVE_REMOVABLE: return " Removable";
    case DRIVE_FIXED: return " Hard Drive";
    case DRIVE_REMOTE: return " Network Drv";
    case DRIVE_CDROM: return " CD-ROM";
    case DRIVE_RAMDISK: return " RAM Drive";
    default: return "";
  }
}

void FormatDriveEntry(char letter, UINT driveType, char (&entry)[kDriveEntrySize]) {
  entry[0] = letter;
  entry[1] = ':';
  CopyText(entry + 2, kDriveEntrySize - 2, DriveTypeSuffix(driveType));
}

DriveChoice FillDriveList(ComboControl& list, HWND dialog, int controlId,
                          const char* rememberedDrive) {
  DriveChoice choice;
  choice.letter = rememberedDrive[0];
  if (!list.Create(dialog, controlId, "", 0, 0, 0, 0)) return choice;
  choice.attached = true;
  list.ResetContent();
  const FirstDrives first = AddDrives(list);

  int selected = SelectRemembered(list, choice.letter);
  if (selected == CB_ERR) selected = SelectPosition(list, first.Of(list.DriveType()));
  // Without any remembered drive there is no letter to fall back on; a
  // remembered letter that matches nothing ("~") stays, so nothing is used by chance.
  if (selected == CB_ERR && choice.letter == '\0') selected = SelectPosition(list, 0);
  list.SetCurrentSelection(selected);

  char entry[kDriveEntrySize];
  if (SelectedDriveEntry(list, entry)) choice.letter = entry[0];
  return choice;
}

bool SelectedDriveEntry(const ComboControl& list, char (&entry)[kDriveEntrySize]) {
  return list.EntryText(list.Selection(), entry, kDriveEntrySize);
}

}  // namespace vardek
