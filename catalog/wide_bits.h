#pragma once
// Bit counts and places of 64-bit masks for the AVX2 files, by the
// compiler's own builtins: every processor with AVX2 counts bits in one
// instruction. Internal to each file that includes it (see lowest_bit.h).
#include <cstdint>

#ifdef _MSC_VER
#include <intrin.h>
#endif

namespace vardek {

static inline int CountBits64(std::uint64_t bits) {
#ifdef _MSC_VER
  return static_cast<int>(__popcnt64(bits));
#else
  return __builtin_popcountll(bits);
#endif
}

// `bits` not 0 for both places.
static inline int LowestBit64(std::uint64_t bits) {
#ifdef _MSC_VER
  unsigned long at = 0;
  _BitScanForward64(&at, bits);
  return static_cast<int>(at);
#else
  return __builtin_ctzll(bits);
#endif
}

static inline int HighestBit64(std::uint64_t bits) {
#ifdef _MSC_VER
  unsigned long at = 0;
  _BitScanReverse64(&at, bits);
  return static_cast<int>(at);
#else
  return 63 - __builtin_clzll(bits);
#endif
}

}  // namespace vardek
