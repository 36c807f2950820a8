// Built with AVX2 (vardek_avx2_sources): nothing here but the intrinsics
// and the plain headers.
#include "catalog/line_blocks.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>

#include "catalog/block_lanes_avx2.h"
#include "catalog/wide_bits.h"

namespace vardek {

void ReadBlockMasksAvx2(const char* base, std::size_t blocks, const BlockKeptBytes* kept, BlockMasks* masks) {
  const __m256i lf = _mm256_set1_epi8('\n');
  const __m256i cr = _mm256_set1_epi8('\r');
  const __m256i colon = _mm256_set1_epi8(':');
  const __m256i zero = _mm256_setzero_si256();
  const bool keptWanted = kept != nullptr && kept->count >= 0;
  const __m256i low = keptWanted ? _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kept->low))) : zero;
  const __m256i high = keptWanted ? _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kept->high))) : zero;
  for (std::size_t block = 0; block < blocks; ++block, base += 64) {
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base + 32));
    BlockMasks& out = masks[block];
    out.lf = Bits(_mm256_cmpeq_epi8(first, lf), _mm256_cmpeq_epi8(second, lf));
    out.lfCount = CountBits64(out.lf);
    out.cr = Bits(_mm256_cmpeq_epi8(first, cr), _mm256_cmpeq_epi8(second, cr));
    out.colon = Bits(_mm256_cmpeq_epi8(first, colon), _mm256_cmpeq_epi8(second, colon));
    // With no kept bytes the tables are zero and so is every lane.
    out.kept = ~Bits(_mm256_cmpeq_epi8(KeptLanes(first, low, high), zero),
                     _mm256_cmpeq_epi8(KeptLanes(second, low, high), zero));
  }
}

}  // namespace vardek

#endif
