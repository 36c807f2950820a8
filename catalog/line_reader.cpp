#include "catalog/line_reader.h"

#include <cstring>

namespace vardek {

namespace {

// The literal rule, for lines that hold stray CRs or reach the limit.
bool ReadLineSlowly(const char*& cursor, const char* end, char* buffer, int limit) {
  int stored = 0;
  bool cut = false;
  while (cursor < end) {
    const char c = *cursor++;
    if (c == '\r') continue;
    if (c == '\n') break;
    buffer[stored++] = c;
    if (stored == limit - 1) {
      cut = true;
      break;
    }
  }
  buffer[stored] = '\0';
  return cut;
}

}  // namespace

bool ReadLine(const char*& cursor, const char* end, char* buffer, int limit) {
  // Fast path: a line of at most limit - 2 characters, ending in LF or CR LF,
  // with no other CR in it. That is every line the program writes.
  const std::size_t available = static_cast<std::size_t>(end - cursor);
  const std::size_t window = available < static_cast<std::size_t>(limit) ? available : static_cast<std::size_t>(limit);
  const char* lf = static_cast<const char*>(std::memchr(cursor, '\n', window));
  if (lf != nullptr) {
    std::size_t length = static_cast<std::size_t>(lf - cursor);
    if (length > 0 && cursor[length - 1] == '\r') --length;
    if (length <= static_cast<std::size_t>(limit - 2) && std::memchr(cursor, '\r', length) == nullptr) {
      std::memcpy(buffer, cursor, length);
      buffer[length] = '\0';
      cursor = lf + 1;
      return false;
    }
  }
  return ReadLineSlowly(cursor, end, buffer, limit);
}

}  // namespace vardek
