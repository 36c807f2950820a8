#pragma once
// The AVX2 form of the search for the next of a few bytes, for processors
// that have it (platform/cpu_features.h). Plain declarations only: see
// vardek_avx2_sources.
#include <cstddef>

namespace vardek {

// The first byte from `from` on (before `end`) that is one of the `count`
// bytes at `wanted` (1 to 4); `end` where there is none.
const char* FirstOfAvx2(const char* from, const char* end, const char* wanted, std::size_t count);

}  // namespace vardek
