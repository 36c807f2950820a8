#pragma once
// The part of the shared state that the settings keep between runs.

namespace vardek {

inline constexpr int kPathSize = 260;         // every path buffer, terminator included
inline constexpr int kDriveSize = 5;          // remembered scan drive ("Drv")
inline constexpr int kSourceDriveSize = 3;    // remembered source drive ("ExeLtr")

struct SessionState {
  char catalogPath[kPathSize] = "";         // current catalog; empty = none ("Fname")
  bool newFormat = false;                   // the current catalog is in the new format
  bool saveName = false;                    // the catalog changed: "Fname" is saved at exit
  char drive[kDriveSize] = "";              // last scanned drive
  char sourceDrive[kSourceDriveSize] = "";  // drive for Copy/Execute
};

}  // namespace vardek
