#include "test_drives.h"

#include <winioctl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vardek::testing {
namespace {

// Wine's mount manager request (its include/ddk/mountmgr.h); strings follow it.
struct UnixDriveRequest {
  ULONG size;
  ULONG type;
  ULONG fsType;
  DWORD serial;
  ULONGLONG unixDevice;
  WCHAR letter;
  USHORT mountPointOffset;
  USHORT deviceOffset;
  USHORT labelOffset;
};

const DWORD kDefineUnixDrive =
    CTL_CODE(static_cast<DWORD>('m'), 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

// The Unix path of a Windows path; "" outside Wine.
std::string UnixPathOf(const std::string& windowsPath) {
  using Converter = char*(CDECL*)(const WCHAR*);
  auto convert = reinterpret_cast<Converter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                             "wine_get_unix_file_name")));
  if (!convert) return "";
  WCHAR wide[MAX_PATH];
  if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH)) return "";
  char* unixPath = convert(wide);
  if (!unixPath) return "";
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

// Asks the mount manager to link `letter` to `unixPath` ("" takes the letter away).
bool DefineDrive(char letter, UINT driveType, const std::string& unixPath) {
  std::vector<char> buffer(sizeof(UnixDriveRequest) + unixPath.size() + 1, '\0');
  auto* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
  request->size = static_cast<ULONG>(buffer.size());
  request->type = unixPath.empty() ? DRIVE_NO_ROOT_DIR : driveType;
  request->letter = static_cast<WCHAR>(std::tolower(static_cast<unsigned char>(letter)));
  if (!unixPath.empty()) {
    request->mountPointOffset = sizeof(UnixDriveRequest);
    std::memcpy(buffer.data() + sizeof(UnixDriveRequest), unixPath.c_str(), unixPath.size() + 1);
  }
  HANDLE manager = CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr);
  if (manager == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;
  const BOOL done = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), nullptr, 0, &returned,
                                    nullptr);
  CloseHandle(manager);
  return done != FALSE;
}

}  // namespace

bool DrivePresent(char letter) {
  const int bit = std::toupper(static_cast<unsigned char>(letter)) - 'A';
  return (GetLogicalDrives() & (1UL << bit)) != 0;
}

TestDrives::~TestDrives() {
  for (char letter : mapped_) DefineDrive(letter, DRIVE_NO_ROOT_DIR, "");
}

std::string TestDrives::Map(char letter, UINT driveType) {
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + "vardek-drive-" + letter;
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string unixPath = UnixPathOf(folder);
  if (unixPath.empty() || !DefineDrive(letter, driveType, unixPath)) return "";
  if (std::find(mapped_.begin(), mapped_.end(), letter) == mapped_.end()) {
    mapped_.push_back(letter);
  }
  return folder;
}

bool TestDrives::Remove(char letter) {
  mapped_.erase(std::remove(mapped_.begin(), mapped_.end(), letter), mapped_.end());
  return DefineDrive(letter, DRIVE_NO_ROOT_DIR, "");
}

}  // namespace vardek::testing
