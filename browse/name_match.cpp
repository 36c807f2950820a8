#include "browse/name_match.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "browse/name_match_avx2.h"
#include "platform/cpu_features.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_NAME_MATCH_SSE2 1
#endif
#if defined(__x86_64__) || defined(_M_X64)
#define VARDEK_NAME_MATCH_AVX2 1
#endif

namespace vardek {

void LowerAscii(char* text) {
  for (; *text != '\0'; ++text) *text = LowerAsciiChar(*text);
}

std::size_t FindText(std::string_view text, std::string_view part) { return text.find(part); }

namespace {

// The earliest place at or after `from` where the first search character
// stands, in either case.
const char* NextCandidate(const char* from, std::size_t room, char first, char firstCapital) {
  const char* small = static_cast<const char*>(std::memchr(from, first, room));
  if (firstCapital == first) return small;
  const std::size_t capitalRoom = small == nullptr ? room : static_cast<std::size_t>(small - from);
  const char* capital = static_cast<const char*>(std::memchr(from, firstCapital, capitalRoom));
  return capital != nullptr ? capital : small;
}

bool RestMatches(const char* at, std::string_view rest) {
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (LowerAsciiChar(at[i]) != rest[i]) return false;
  }
  return true;
}

// What a byte is or-ed with before it is compared with a search character:
// 0x20 makes a capital small, and only letters may be made small.
char CaseBit(char lowered) { return (lowered >= 'a' && lowered <= 'z') ? 0x20 : 0; }

bool MatchesAt(const char* at, std::string_view loweredSearch) {
  for (std::size_t i = 0; i < loweredSearch.size(); ++i) {
    if (LowerAsciiChar(at[i]) != loweredSearch[i]) return false;
  }
  return true;
}

}  // namespace

std::size_t FindLoweredText(std::string_view text, std::string_view loweredSearch) {
  const std::size_t length = loweredSearch.size();
  if (length == 0 || length > text.size()) return std::string_view::npos;
#ifdef VARDEK_NAME_MATCH_AVX2
  if (ProcessorHasAvx2()) {
    const std::size_t found = FindLoweredTextAvx2(text.data(), text.size(), loweredSearch.data(), length);
    return found == text.size() ? std::string_view::npos : found;
  }
#endif
  return FindLoweredTextSse2(text, loweredSearch);
}

std::size_t FindLoweredTextSse2(std::string_view text, std::string_view loweredSearch) {
  const std::size_t length = loweredSearch.size();
  if (length == 0 || length > text.size()) return std::string_view::npos;
  const std::size_t last = text.size() - length;  // the last place a match may start
  std::size_t at = 0;
#ifdef VARDEK_NAME_MATCH_SSE2
  const __m128i first = _mm_set1_epi8(loweredSearch[0]);
  const __m128i firstCase = _mm_set1_epi8(CaseBit(loweredSearch[0]));
  const __m128i final = _mm_set1_epi8(loweredSearch[length - 1]);
  const __m128i finalCase = _mm_set1_epi8(CaseBit(loweredSearch[length - 1]));
  for (; at + 16 <= last + 1; at += 16) {
    const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
    const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at + length - 1));
    unsigned candidates = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(heads, firstCase), first),
                                        _mm_cmpeq_epi8(_mm_or_si128(tails, finalCase), final))));
    while (candidates != 0) {
      const std::size_t place = at + static_cast<std::size_t>(std::countr_zero(candidates));
      if (MatchesAt(text.data() + place, loweredSearch)) return place;
      candidates &= candidates - 1;
    }
  }
#endif
  for (; at <= last; ++at) {
    if (MatchesAt(text.data() + at, loweredSearch)) return at;
  }
  return std::string_view::npos;
}

// The same result as searching a lower-cased copy of the name, without
// making the copy: candidates are found by their first character in either
// case and the rest is compared with A-Z made small.
bool NameMatches(std::string_view name, std::string_view loweredSearch) {
  if (loweredSearch.empty()) return true;
  if (loweredSearch.size() > name.size()) return false;
  const char first = loweredSearch[0];
  const char firstCapital = (first >= 'a' && first <= 'z') ? static_cast<char>(first - 'a' + 'A') : first;
  const std::string_view rest = loweredSearch.substr(1);
  const char* from = name.data();
  const char* last = name.data() + (name.size() - loweredSearch.size());
  while (from <= last) {
    const char* at = NextCandidate(from, static_cast<std::size_t>(last - from) + 1, first, firstCapital);
    if (at == nullptr) return false;
    if (RestMatches(at + 1, rest)) return true;
    from = at + 1;
  }
  return false;
}

bool IsWildcardPattern(std::string_view search) {
  return search.find_first_of("*?") != std::string_view::npos;
}

namespace {

// A run of the pattern without '*' at `at` in the name: '?' takes any byte.
bool RunMatchesAt(std::string_view name, std::size_t at, std::string_view run) {
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] != '?' && run[i] != LowerAsciiChar(name[at + i])) return false;
  }
  return true;
}

}  // namespace

bool WildcardMatches(std::string_view name, std::string_view loweredPattern) {
  // The runs between the stars: the first must begin the name, the last end
  // it, and each one between is taken where it first stands after the one
  // before (a later place never leaves more room for the rest).
  const std::size_t firstStar = loweredPattern.find('*');
  if (firstStar == std::string_view::npos)
    return name.size() == loweredPattern.size() && RunMatchesAt(name, 0, loweredPattern);
  const std::size_t lastStar = loweredPattern.rfind('*');
  const std::string_view head = loweredPattern.substr(0, firstStar);
  const std::string_view tail = loweredPattern.substr(lastStar + 1);
  if (name.size() < head.size() + tail.size()) return false;
  if (!RunMatchesAt(name, 0, head) || !RunMatchesAt(name, name.size() - tail.size(), tail)) return false;
  std::size_t from = head.size();
  const std::size_t end = name.size() - tail.size();
  std::size_t runStart = firstStar + 1;
  while (runStart < lastStar) {
    const std::size_t runEnd = loweredPattern.find('*', runStart);
    const std::string_view run = loweredPattern.substr(runStart, runEnd - runStart);
    runStart = runEnd + 1;
    if (run.empty()) continue;
    while (from + run.size() <= end && !RunMatchesAt(name, from, run)) ++from;
    if (from + run.size() > end) return false;
    from += run.size();
  }
  return true;
}

std::string_view LongestLiteralRun(std::string_view pattern) {
  std::string_view longest;
  std::size_t start = 0;
  while (start <= pattern.size()) {
    std::size_t end = pattern.find_first_of("*?", start);
    if (end == std::string_view::npos) end = pattern.size();
    if (end - start > longest.size()) longest = pattern.substr(start, end - start);
    start = end + 1;
  }
  return longest;
}

}  // namespace vardek
