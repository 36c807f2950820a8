#pragma once
// The lane steps both AVX2 block readers take, for the AVX2 files alone:
// internal to each file that includes it (see lowest_bit.h).
#include <immintrin.h>

#include <cstdint>

namespace vardek {

// One bit for each byte of 64, from the two halves' compare results.
static inline std::uint64_t Bits(__m256i low, __m256i high) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(low)) |
         (static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(high))) << 32);
}

// A nibble lookup of each byte (BlockKeptBytes' tables): kept bytes give a
// nonzero lane.
static inline __m256i KeptLanes(__m256i bytes, __m256i low, __m256i high) {
  const __m256i nibble = _mm256_set1_epi8(0x0F);
  const __m256i byLow = _mm256_shuffle_epi8(low, _mm256_and_si256(bytes, nibble));
  const __m256i byHigh = _mm256_shuffle_epi8(high, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
  return _mm256_and_si256(byLow, byHigh);
}

}  // namespace vardek
