#pragma once
// Walks a box's text line by line: lines end at "\n", and a final "\n" adds no empty line.
#include <cstring>

namespace vardek {

template <class Visit>
void ForEachLine(const char* text, Visit visit) {
  const char* start = text;
  while (start && *start) {
    const char* end = std::strchr(start, '\n');
    int length = static_cast<int>(end ? end - start : std::strlen(start));
    visit(start, length);
    if (!end) break;
    start = end + 1;
  }
}

}  // namespace vardek
