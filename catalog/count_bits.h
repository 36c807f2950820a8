#pragma once
// The number of set bits, without the library call that std::popcount makes
// where the processor's own instruction may not be assumed. Internal to each
// file that includes it, as the AVX2 files need (see lowest_bit.h).
#include <cstdint>

namespace vardek {

static inline int CountBits(std::uint64_t bits) {
  bits = bits - ((bits >> 1) & 0x5555555555555555u);
  bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
  bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

}  // namespace vardek
