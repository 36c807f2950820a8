// The one line reader of every catalog reader, with both of its limits, and
// the scanner that hands the same lines out in place.
#include <cstdint>
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "catalog/line_reader.h"
#include "catalog/line_scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const int limit : {vardek::kLineLimit, vardek::kConversionLineLimit, 2}) {
    const char* cursor = reinterpret_cast<const char*>(data);
    const char* end = cursor + size;
    vardek::LineScanner scanner;
    scanner.Start(cursor, end, limit);
    char scratch[vardek::kLineBufferSize];
    char buffer[vardek::kLineBufferSize];
    std::size_t consumed = 0;
    while (cursor < end) {
      const char* before = cursor;
      std::memset(buffer, 'x', sizeof buffer);
      bool cut = false;
      const std::size_t length = vardek::ReadLine(cursor, end, buffer, limit, cut);
      // Every line is terminated at its length (it may hold NUL bytes of its
      // own) within the limit, holds no CR or LF, and the reader always moves on.
      if (length >= static_cast<std::size_t>(limit) || buffer[length] != '\0' ||
          (cut && length != static_cast<std::size_t>(limit - 1)) || std::memchr(buffer, '\r', length) != nullptr ||
          std::memchr(buffer, '\n', length) != nullptr || cursor <= before || cursor > end)
        std::abort();
      consumed += static_cast<std::size_t>(cursor - before);
      // The scanner gives the same line, cut flag and next line start.
      bool scannedCut = false;
      const auto scanned = scanner.Next(scratch, scannedCut);
      if (scanned.size() != length || std::memcmp(scanned.data(), buffer, length) != 0 || scannedCut != cut ||
          scanner.Cursor() != cursor)
        std::abort();
    }
    if (consumed != size) std::abort();
  }
  return 0;
}
