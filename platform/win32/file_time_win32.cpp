#include "platform/file_time.h"

#include "platform/win32/windows_min.h"

namespace vardek::platform {

bool FileTimeToLocalDate(FileTime time, CalendarDate& date) {
  FILETIME utc;
  utc.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFFu);
  utc.dwHighDateTime = static_cast<DWORD>(time >> 32);
  FILETIME local;
  SYSTEMTIME calendar;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &calendar)) return false;
  date.year = calendar.wYear;
  date.month = calendar.wMonth;
  date.day = calendar.wDay;
  return true;
}

}  // namespace vardek::platform
