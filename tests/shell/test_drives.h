#pragma once
// Drive letters for tests, made real in the Wine prefix the way Wine's own
// configuration tool makes them: its mount manager links the letter to a
// folder and records the drive's type, so GetLogicalDrives and GetDriveTypeA
// see an ordinary drive of that type.
#include <string>
#include <vector>

#include "ui/win32.h"

namespace vardek::testing {

class TestDrives {
 public:
  TestDrives() = default;
  ~TestDrives();  // removes every letter it mapped
  TestDrives(const TestDrives&) = delete;
  TestDrives& operator=(const TestDrives&) = delete;

  // Links `letter` to a new folder in the temp folder, as a drive of `driveType`
  // (DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_CDROM...). The folder's Windows path.
  std::string Map(char letter, UINT driveType);
  // Takes the letter away, as when a drive is unplugged.
  bool Remove(char letter);

 private:
  std::vector<char> mapped_;
};

// True when GetLogicalDrives lists the letter.
bool DrivePresent(char letter);

}  // namespace vardek::testing
