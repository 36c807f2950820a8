#include "browse/name_match_avx2.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>

#include <cstdint>

#include "catalog/lowest_bit.h"

namespace vardek {

namespace {

// Local copies of the name rules: an inline function from a shared header,
// compiled here, could be taken for every caller.
char Lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

char CaseBit(char lowered) { return (lowered >= 'a' && lowered <= 'z') ? 0x20 : 0; }

bool MatchesAt(const char* at, const char* lowered, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (Lowered(at[i]) != lowered[i]) return false;
  }
  return true;
}

// The first match among the candidates of 32 places from `at`; `none` when none.
std::size_t FirstMatch(const char* text, std::size_t at, std::uint32_t bits, const char* lowered, std::size_t length,
                       std::size_t none) {
  for (; bits != 0; bits &= bits - 1) {
    const std::size_t place = at + static_cast<std::size_t>(LowestBit(bits));
    if (MatchesAt(text + place, lowered, length)) return place;
  }
  return none;
}

// The places among 32 where the first and the last search character stand.
std::uint32_t Candidates(const char* at, std::size_t length, __m256i first, __m256i firstCase, __m256i final,
                         __m256i finalCase) {
  const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + length - 1));
  const __m256i both = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(heads, firstCase), first),
                                        _mm256_cmpeq_epi8(_mm256_or_si256(tails, finalCase), final));
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(both));
}

}  // namespace

std::size_t FindLoweredTextAvx2(const char* text, std::size_t size, const char* lowered, std::size_t length) {
  const std::size_t last = size - length;  // the last place a match may start
  const __m256i first = _mm256_set1_epi8(lowered[0]);
  const __m256i firstCase = _mm256_set1_epi8(CaseBit(lowered[0]));
  const __m256i final = _mm256_set1_epi8(lowered[length - 1]);
  const __m256i finalCase = _mm256_set1_epi8(CaseBit(lowered[length - 1]));
  std::size_t at = 0;
  // Sixty-four places a round, tested at once: candidates are rare.
  for (; at + 64 <= last + 1; at += 64) {
    // A page ahead: this search is the first to read a mapped catalog, and
    // the processor's own prefetch stops at each page.
    _mm_prefetch(text + at + 4096, _MM_HINT_T0);
    const std::uint32_t low = Candidates(text + at, length, first, firstCase, final, finalCase);
    const std::uint32_t high = Candidates(text + at + 32, length, first, firstCase, final, finalCase);
    if ((low | high) == 0) continue;
    std::size_t place = FirstMatch(text, at, low, lowered, length, size);
    if (place == size) place = FirstMatch(text, at + 32, high, lowered, length, size);
    if (place != size) return place;
  }
  for (; at + 32 <= last + 1; at += 32) {
    const std::uint32_t bits = Candidates(text + at, length, first, firstCase, final, finalCase);
    const std::size_t place = FirstMatch(text, at, bits, lowered, length, size);
    if (place != size) return place;
  }
  for (; at <= last; ++at) {
    if (MatchesAt(text + at, lowered, length)) return at;
  }
  return size;
}

}  // namespace vardek
#endif
