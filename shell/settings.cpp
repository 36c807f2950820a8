#include "shell/settings.h"

#include <cstring>

namespace vardek {

namespace {
constexpr DWORD kPlacementLength = sizeof(WINDOWPLACEMENT);  // 44
}

SettingsKey::SettingsKey(const char* path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) == ERROR_SUCCESS) {
    key_ = key;
  }
}

SettingsKey::~SettingsKey() {
  if (key_) RegCloseKey(key_);
}

bool SettingsKey::ReadExact(const char* name, void* target, DWORD size) const {
  // Read into a spare buffer first: a value of another size must not leave
  // part of itself in the target.
  unsigned char data[64];
  DWORD length = sizeof data;
  if (!key_ || size > sizeof data) return false;
  if (RegQueryValueExA(key_, name, nullptr, nullptr, data, &length) != ERROR_SUCCESS) return false;
  if (length != size) return false;
  std::memcpy(target, data, size);
  return true;
}

bool SettingsKey::ReadString(const char* name, char* buffer, DWORD size,
                             const char* fallback) const {
  DWORD type = 0;
  DWORD length = size;
  bool read = key_ && RegQueryValueExA(key_, name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer), &length) == ERROR_SUCCESS;
  // A value stored without its terminator must still end inside the buffer.
  read = read && type == REG_SZ && length > 0 && std::memchr(buffer, '\0', length) != nullptr;
  if (!read) {
    std::size_t length = std::strlen(fallback);
    if (length >= size) length = size - 1;
    std::memcpy(buffer, fallback, length);
    buffer[length] = '\0';
  }
  return read;
}

bool SettingsKey::ReadNumber(const char* name, DWORD& target, DWORD fallback) const {
  if (ReadExact(name, &target, sizeof target)) return true;
  target = fallback;
  return false;
}

bool SettingsKey::WriteBinary(const char* name, const void* data, DWORD size) const {
  return key_ && RegSetValueExA(key_, name, 0, REG_BINARY, static_cast<const BYTE*>(data),
                                size) == ERROR_SUCCESS;
}

bool SettingsKey::WriteNumber(const char* name, DWORD value) const {
  return key_ && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value) == ERROR_SUCCESS;
}

bool SettingsKey::WriteString(const char* name, const char* text) const {
  return key_ && RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
}

void ReadSettings(const char* keyPath, SessionState& state, ColumnTable& columns) {
  state.catalogPath[0] = '\0';
  std::strcpy(state.drive, kStartDrive);
  SettingsKey key(keyPath);
  if (!key.IsOpen()) return;
  // A "Cols" value of any other size than five widths counts as missing.
  int widths[kFileColumnCount];
  if (key.ReadExact("Cols", widths, sizeof widths)) {
    std::memcpy(columns.widths, widths, sizeof widths);
  }
  columns.widths[0] = 0;  // the first column stays hidden
  key.ReadString("Drv", state.drive, sizeof state.drive, "");
  key.ReadString("Fname", state.catalogPath, kPathSize - 1, "");
  key.ReadString("ExeLtr", state.sourceDrive, sizeof state.sourceDrive, kNoSourceDrive);
}

SavedPlacement ReadPlacement(const char* keyPath, HWND window) {
  SavedPlacement saved;
  SettingsKey key(keyPath);
  if (!key.IsOpen()) return saved;
  WINDOWPLACEMENT& placement = saved.placement;
  placement.length = kPlacementLength;
  GetWindowPlacement(window, &placement);
  DWORD flags = 0;
  DWORD showCommand = 0;
  RECT normal{};
  if (!key.ReadExact("flags", &flags, sizeof flags) ||
      !key.ReadExact("showCmd", &showCommand, sizeof showCommand) ||
      !key.ReadExact("rcNormal", &normal, sizeof normal)) {
    return saved;
  }
  DWORD splitter = 0;
  if (key.ReadExact("x2", &splitter, sizeof splitter)) {
    saved.hasSplitter = true;
    saved.splitterPosition = static_cast<int>(splitter);
  }
  // A window saved beyond the right or bottom edge is not put back there.
  if (normal.left > GetSystemMetrics(SM_CXSCREEN) - GetSystemMetrics(SM_CXICON) ||
      normal.top > GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON)) {
    return saved;
  }
  placement.flags = flags;
  placement.showCmd = showCommand;
  placement.rcNormalPosition = normal;
  saved.restorable = true;
  return saved;
}

bool WriteSettings(const char* keyPath, const SettingsSnapshot& snapshot, HWND window) {
  SettingsKey key(keyPath);
  if (!key.IsOpen()) return false;
  key.WriteBinary("Cols", snapshot.columnWidths, sizeof snapshot.columnWidths);
  key.WriteNumber("x2", static_cast<DWORD>(snapshot.splitterPosition));
  key.WriteString("Drv", snapshot.state->drive);
  key.WriteString("ExeLtr", snapshot.state->sourceDrive);
  if (snapshot.state->saveName) key.WriteString("Fname", snapshot.state->catalogPath);
  WINDOWPLACEMENT placement{};
  placement.length = kPlacementLength;
  if (!GetWindowPlacement(window, &placement)) return false;
  return key.WriteNumber("flags", placement.flags) &&
         key.WriteNumber("showCmd", placement.showCmd) &&
         key.WriteBinary("rcNormal", &placement.rcNormalPosition,
                         sizeof placement.rcNormalPosition);
}

}  // namespace vardek
