#pragma once
#include "platform/file_time.h"

namespace vardek {

inline constexpr int kDateBufferSize = 9;

// Writes the last-write time as MM/DD/YY in local time (year modulo 100), or
// the empty string when the time cannot be converted.
void FormatFileDate(platform::FileTime lastWrite, char (&dateText)[kDateBufferSize]);

}  // namespace vardek
