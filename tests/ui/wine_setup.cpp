// Under Wine without a window manager, every managed window that is hidden or
// destroyed waits two seconds for a window-manager reply that never comes.
// Mark this program's windows as unmanaged. Wine reads the setting when the
// process starts, so the first run that has to write it starts itself again.
// On Windows the key means nothing and is not written.
#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/win32.h"

namespace vardek::testing {
namespace {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string ExecutableName() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  const char* slash = std::strrchr(path, '\\');
  return slash ? slash + 1 : path;
}

// True when the setting had to be written now (it was not there yet).
bool WriteUnmanagedSetting() {
  std::string key = "Software\\Wine\\AppDefaults\\" + ExecutableName() + "\\X11 Driver";
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  char value[8] = "";
  DWORD size = sizeof value;
  bool present = RegQueryValueExA(handle, "Managed", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                 value[0] == 'N';
  if (!present) {
    RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
  }
  RegCloseKey(handle);
  return !present;
}

// Runs this program again with the same command line and ends with its exit code.
void RunAgain() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = GetCommandLineA();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return;  // go on in this process, only slower
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  std::_Exit(static_cast<int>(exitCode));
}

struct UnmanagedWindowsUnderWine {
  UnmanagedWindowsUnderWine() {
    if (RunningUnderWine() && WriteUnmanagedSetting()) RunAgain();
  }
} g_unmanaged;

}  // namespace

}  // namespace vardek::testing
