#pragma once
#include <cstdint>

namespace vardek::platform {

// A last-write time in 100-nanosecond ticks since 1 January 1601 UTC.
using FileTime = std::uint64_t;

// A time in seconds (and nanoseconds) since 1970 UTC as a FileTime; 0 for one
// before 1601.
constexpr FileTime FileTimeFromUnix(std::int64_t seconds, std::int64_t nanoseconds) {
  constexpr std::int64_t kTicksPerSecond = 10000000;
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  if (seconds < -kSecondsFrom1601To1970) return 0;
  return static_cast<FileTime>((seconds + kSecondsFrom1601To1970) * kTicksPerSecond + nanoseconds / 100);
}

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Converts to the local calendar date; false when the time cannot be converted.
bool FileTimeToLocalDate(FileTime time, CalendarDate& date);

}  // namespace vardek::platform
