#include "platform/file_time.h"

#include <ctime>

namespace vardek::platform {

namespace {
constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
}  // namespace

bool FileTimeToLocalDate(FileTime time, CalendarDate& date) {
  if (time > static_cast<FileTime>(INT64_MAX)) return false;
  const std::int64_t seconds = static_cast<std::int64_t>(time) / kTicksPerSecond - kSecondsFrom1601To1970;
  const std::time_t unixTime = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&unixTime, &local) == nullptr) return false;
  date.year = local.tm_year + 1900;
  date.month = local.tm_mon + 1;
  date.day = local.tm_mday;
  return true;
}

}  // namespace vardek::platform
