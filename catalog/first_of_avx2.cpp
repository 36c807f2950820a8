#include "catalog/first_of_avx2.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>

#include <cstdint>

#include "catalog/lowest_bit.h"

namespace vardek {

const char* FirstOfAvx2(const char* from, const char* end, const char* wanted, std::size_t count) {
  __m256i wantedBytes[4];
  for (std::size_t i = 0; i < count; ++i) wantedBytes[i] = _mm256_set1_epi8(wanted[i]);
  const auto hitsIn = [&](const char* at) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    __m256i hits = _mm256_cmpeq_epi8(bytes, wantedBytes[0]);
    for (std::size_t i = 1; i < count; ++i) hits = _mm256_or_si256(hits, _mm256_cmpeq_epi8(bytes, wantedBytes[i]));
    return hits;
  };
  const char* at = from;
  // 128 bytes a round with one test: the wanted bytes are rare.
  for (; end - at >= 128; at += 128) {
    const __m256i any = _mm256_or_si256(_mm256_or_si256(hitsIn(at), hitsIn(at + 32)),
                                        _mm256_or_si256(hitsIn(at + 64), hitsIn(at + 96)));
    if (_mm256_movemask_epi8(any) != 0) break;
  }
  for (; end - at >= 32; at += 32) {
    const auto bits = static_cast<std::uint32_t>(_mm256_movemask_epi8(hitsIn(at)));
    if (bits != 0) return at + LowestBit(bits);
  }
  for (; at < end; ++at) {
    for (std::size_t i = 0; i < count; ++i)
      if (*at == wanted[i]) return at;
  }
  return end;
}

}  // namespace vardek
#endif
