#pragma once
// The AVX2 form of FindLoweredText, for processors that have it
// (platform/cpu_features.h). Plain declarations only: see vardek_avx2_sources.
#include <cstddef>

namespace vardek {

// As FindLoweredText: the first place of `lowered` (length >= 1, at most
// `size`) in `text`, A-Z compared as a-z; `size` when there is none.
std::size_t FindLoweredTextAvx2(const char* text, std::size_t size, const char* lowered, std::size_t length);

}  // namespace vardek
