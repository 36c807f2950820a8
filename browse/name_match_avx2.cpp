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

// The first and the last search character, in each case where a letter.
struct SearchEnds {
  SearchEnds(const char* lowered, std::size_t length)
      : length(length),
        first(_mm256_set1_epi8(lowered[0])),
        firstCase(_mm256_set1_epi8(CaseBit(lowered[0]))),
        final(_mm256_set1_epi8(lowered[length - 1])),
        finalCase(_mm256_set1_epi8(CaseBit(lowered[length - 1]))) {}
  std::size_t length;
  __m256i first;
  __m256i firstCase;
  __m256i final;
  __m256i finalCase;
};

// Bytes set at the places among 32 where the first and the last search
// character stand.
__m256i CandidateBytes(const char* at, const SearchEnds& ends) {
  const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + ends.length - 1));
  return _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(heads, ends.firstCase), ends.first),
                          _mm256_cmpeq_epi8(_mm256_or_si256(tails, ends.finalCase), ends.final));
}

std::uint32_t Candidates(const char* at, const SearchEnds& ends) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(CandidateBytes(at, ends)));
}

// The first place from `at` on, in steps of 128, whose 128 places hold a
// candidate; the first place with fewer than 128 left before `end` (the
// place after the last where a match may start) when none does. Kept apart
// from the matching, whose calls would leave no register for the constants.
std::size_t NextCandidateRound(const char* text, std::size_t at, std::size_t end, const SearchEnds& ends) {
  for (; at + 128 <= end; at += 128) {
    // Two lines a page ahead: this search is the first to read a mapped
    // catalog, and the processor's own prefetch stops at each page.
    _mm_prefetch(text + at + 4096, _MM_HINT_T0);
    _mm_prefetch(text + at + 4096 + 64, _MM_HINT_T0);
    const __m256i any = _mm256_or_si256(
        _mm256_or_si256(CandidateBytes(text + at, ends), CandidateBytes(text + at + 32, ends)),
        _mm256_or_si256(CandidateBytes(text + at + 64, ends), CandidateBytes(text + at + 96, ends)));
    if (!_mm256_testz_si256(any, any)) return at;
  }
  return at;
}

}  // namespace

std::size_t FindLoweredTextAvx2(const char* text, std::size_t size, const char* lowered, std::size_t length) {
  const std::size_t end = size - length + 1;  // after the last place a match may start
  const SearchEnds ends(lowered, length);
  std::size_t at = 0;
  // A hundred and twenty-eight places a round, tested at once: candidates
  // are rare.
  for (;;) {
    at = NextCandidateRound(text, at, end, ends);
    if (at + 128 > end) break;
    for (std::size_t quarter = at; quarter < at + 128; quarter += 32) {
      const std::size_t place = FirstMatch(text, quarter, Candidates(text + quarter, ends), lowered, length, size);
      if (place != size) return place;
    }
    at += 128;
  }
  for (; at + 32 <= end; at += 32) {
    const std::size_t place = FirstMatch(text, at, Candidates(text + at, ends), lowered, length, size);
    if (place != size) return place;
  }
  for (; at < end; ++at) {
    if (MatchesAt(text + at, lowered, length)) return at;
  }
  return size;
}

}  // namespace vardek
#endif
