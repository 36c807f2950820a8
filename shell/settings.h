#pragma once
// The settings under one registry key of the current user: column widths,
// splitter, remembered drives, the last catalog and the window placement.
// Read at start-up, written when the main window goes or the logon ends;
// registry failures are never reported, they mean defaults or nothing saved.
#include "shell/file_columns.h"
#include "shell/session_state.h"
#include "ui/win32.h"

namespace vardek {

inline constexpr char kSettingsKey[] = "Software\\Bramwick\\Vardek\\Settings";
inline constexpr char kNoSourceDrive[] = "~:";  // matches no drive
inline constexpr char kStartDrive[] = "C:";     // when the key cannot be opened

// The settings key, opened (and created when missing) for one read or write.
class SettingsKey {
 public:
  explicit SettingsKey(const char* path);
  ~SettingsKey();
  SettingsKey(const SettingsKey&) = delete;
  SettingsKey& operator=(const SettingsKey&) = delete;

  bool IsOpen() const { return key_ != nullptr; }
  // Exactly `size` bytes of binary or DWORD data; false (target untouched) otherwise.
  bool ReadExact(const char* name, void* target, DWORD size) const;
  // A string that fits `size` bytes with its terminator; else `fallback` is copied.
  bool ReadString(const char* name, char* buffer, DWORD size, const char* fallback) const;
  // A DWORD; on failure `target` gets `fallback`.
  bool ReadNumber(const char* name, DWORD& target, DWORD fallback) const;
  bool WriteBinary(const char* name, const void* data, DWORD size) const;
  bool WriteNumber(const char* name, DWORD value) const;
  bool WriteString(const char* name, const char* text) const;

 private:
  HKEY key_ = nullptr;
};

// Start-up, before the main window exists.
void ReadSettings(const char* keyPath, SessionState& state, ColumnTable& columns);

// What the settings hold of the main window's place, read just before it is first shown.
struct SavedPlacement {
  bool hasSplitter = false;
  int splitterPosition = 0;
  // The placement was saved whole and its top-left lies on the screen.
  bool restorable = false;
  WINDOWPLACEMENT placement{};
};

// Starts from the window's current placement (GetWindowPlacement).
SavedPlacement ReadPlacement(const char* keyPath, HWND window);

// What the writer saves besides the placement.
struct SettingsSnapshot {
  int columnWidths[kFileColumnCount];
  int splitterPosition;
  const SessionState* state;
};

// True when the three placement values were written.
bool WriteSettings(const char* keyPath, const SettingsSnapshot& snapshot, HWND window);

}  // namespace vardek
