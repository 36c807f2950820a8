#pragma once
// The state the commands read and set, owned by the main window.

namespace vardek {

inline constexpr int kPathSize = 260;         // every path buffer, terminator included
inline constexpr int kDriveSize = 5;          // remembered scan drive ("Drv")
inline constexpr int kSourceDriveSize = 3;    // remembered source drive ("ExeLtr")

struct SessionState {
  char catalogPath[kPathSize] = "";         // current catalog; empty = none ("Fname")
  int newFormat = 0;                        // 1 while the current catalog is in the new format
  int saveName = 0;                         // set when the catalog changed: "Fname" is saved
  char drive[kDriveSize] = "";              // last scanned drive
  char sourceDrive[kSourceDriveSize] = "";  // drive for Copy/Execute
};

}  // namespace vardek
