#pragma once
// The one line reader of every catalog reader: CR is dropped wherever it
// stands, LF ends a line, and at most limit - 1 characters make one line;
// the rest of a longer line arrives as the next line.
#include <cstddef>
#include <cstdint>

namespace vardek {

inline constexpr int kLineLimit = 260;             // catalog reader, delete
inline constexpr int kConversionLineLimit = 255;   // conversion
inline constexpr int kLineBufferSize = 300;

// Reads one line from [cursor, end) into `buffer` (at least `limit` bytes),
// advances the cursor, sets `cut` when the line had to be cut and returns
// the line's length (a damaged file may put NUL bytes inside a line).
std::size_t ReadLine(const char*& cursor, const char* end, char* buffer, int limit, bool& cut);

}  // namespace vardek
