#pragma once
#include <cstdint>

namespace vardek::platform {

// A last-write time in 100-nanosecond ticks since 1 January 1601 UTC.
using FileTime = std::uint64_t;

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Converts to the local calendar date; false when the time cannot be converted.
bool FileTimeToLocalDate(FileTime time, CalendarDate& date);

}  // namespace vardek::platform
