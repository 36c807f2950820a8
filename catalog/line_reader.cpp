#include "catalog/line_reader.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_LINE_READER_SSE2 1
#endif

namespace vardek {

namespace {

// The literal rule, for lines that hold stray CRs or reach the limit.
std::size_t ReadLineSlowly(const char*& cursor, const char* end, char* buffer, int limit, bool& cut) {
  int stored = 0;
  cut = false;
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
  return static_cast<std::size_t>(stored);
}

#ifdef VARDEK_LINE_READER_SSE2
// Sixteen bytes at a time: copies while it looks for the line end, and
// takes a line only when it ends in LF or CR LF, holds no other CR and stays
// below the limit. Anything else is left to the byte rule, from the line's
// start. Stores never pass buffer + limit, loads never pass `end`.
bool ReadPlainLineWide(const char*& cursor, const char* end, char* buffer, int limit, std::size_t& length) {
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const char* in = cursor;
  char* out = buffer;
  while (end - in >= 16 && (out - buffer) + 16 <= limit) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
    const unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr))));
    if (mask == 0) {
      in += 16;
      out += 16;
      continue;
    }
    const int at = std::countr_zero(mask);
    in += at;
    out += at;
    if (out - buffer > limit - 2) return false;
    if (in[0] == '\n') {
      cursor = in + 1;
    } else if (in + 1 < end && in[1] == '\n') {
      cursor = in + 2;
    } else {
      return false;
    }
    *out = '\0';
    length = static_cast<std::size_t>(out - buffer);
    return true;
  }
  return false;
}
#endif

}  // namespace

std::size_t ReadLine(const char*& cursor, const char* end, char* buffer, int limit, bool& cut) {
  cut = false;
#ifdef VARDEK_LINE_READER_SSE2
  std::size_t wide = 0;
  if (ReadPlainLineWide(cursor, end, buffer, limit, wide)) return wide;
#endif
  // Quick path: a line of at most limit - 2 characters, ending in LF or CR LF,
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
      return length;
    }
  }
  return ReadLineSlowly(cursor, end, buffer, limit, cut);
}

}  // namespace vardek
