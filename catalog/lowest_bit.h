#pragma once
// The place of the lowest set bit, for the files of AVX2 code: the standard
// library's own is an inline template, which such a file must not compile
// (see vardek_avx2_sources). Internal to each file that includes it, so no
// copy built for AVX2 serves any other.
#include <cstdint>

namespace vardek {

// `bits` not 0; by a de Bruijn sequence.
static inline int LowestBit(std::uint32_t bits) {
  constexpr int kPlaces[32] = {0,  1,  28, 2,  29, 14, 24, 3, 30, 22, 20, 15, 25, 17, 4,  8,
                               31, 27, 13, 23, 21, 19, 16, 7, 26, 12, 18, 6,  11, 5,  10, 9};
  return kPlaces[((bits & (0u - bits)) * 0x077CB531u) >> 27];
}

}  // namespace vardek
