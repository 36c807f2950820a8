#include "catalog/line_blocks.h"

#include "catalog/count_bits.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_LINE_BLOCKS_SSE2 1
#endif

namespace vardek {

void MakeBlockKeptBytes(const unsigned char* bytes, std::size_t count, BlockKeptBytes* kept) {
  *kept = BlockKeptBytes{};
  if (count > sizeof kept->bytes) {
    kept->count = -1;
    return;
  }
  kept->count = static_cast<int>(count);
  // One bit for each distinct high half; at most eight bytes make at most
  // eight of them.
  int highHalves = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char byte = bytes[i];
    kept->bytes[i] = byte;
    const int high = byte >> 4;
    if (kept->high[high] == 0) kept->high[high] = static_cast<unsigned char>(1u << highHalves++);
    kept->low[byte & 15] = static_cast<unsigned char>(kept->low[byte & 15] | kept->high[high]);
  }
}

#ifdef VARDEK_LINE_BLOCKS_SSE2
namespace {

std::uint64_t Bits(const __m128i (&parts)[4], __m128i wanted) {
  std::uint64_t bits = 0;
  for (int part = 0; part < 4; ++part)
    bits |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(parts[part], wanted))))
            << (16 * part);
  return bits;
}

}  // namespace

namespace {

void ReadOneBlock(const char* base, const BlockKeptBytes* kept, BlockMasks* masks) {
  __m128i parts[4];
  for (int part = 0; part < 4; ++part) parts[part] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + 16 * part));
  masks->lf = Bits(parts, _mm_set1_epi8('\n'));
  masks->lfCount = CountBits(masks->lf);
  masks->cr = Bits(parts, _mm_set1_epi8('\r'));
  masks->colon = Bits(parts, _mm_set1_epi8(':'));
  masks->kept = 0;
  if (kept == nullptr || kept->count < 0) return;
  __m128i any[4] = {};
  for (int i = 0; i < kept->count; ++i) {
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(kept->bytes[i]));
    for (int part = 0; part < 4; ++part) any[part] = _mm_or_si128(any[part], _mm_cmpeq_epi8(parts[part], wanted));
  }
  for (int part = 0; part < 4; ++part)
    masks->kept |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(any[part]))) << (16 * part);
}

}  // namespace
#else
namespace {

void ReadOneBlock(const char* base, const BlockKeptBytes* kept, BlockMasks* masks) {
  *masks = BlockMasks{};
  for (int i = 0; i < 64; ++i) {
    const auto byte = static_cast<unsigned char>(base[i]);
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (byte == '\n') masks->lf |= bit;
    if (byte == '\r') masks->cr |= bit;
    if (byte == ':') masks->colon |= bit;
    if (kept != nullptr && kept->count >= 0 && (kept->low[byte & 15] & kept->high[byte >> 4]) != 0) masks->kept |= bit;
  }
  masks->lfCount = CountBits(masks->lf);
}

}  // namespace
#endif

void ReadBlockMasksSse2(const char* base, std::size_t blocks, const BlockKeptBytes* kept, BlockMasks* masks) {
  for (std::size_t block = 0; block < blocks; ++block) ReadOneBlock(base + 64 * block, kept, masks + block);
}

#if !(defined(__x86_64__) || defined(_M_X64))
// Never called off x86-64 (ProcessorHasAvx2 says no there).
void ReadBlockMasksAvx2(const char* base, std::size_t blocks, const BlockKeptBytes* kept, BlockMasks* masks) {
  ReadBlockMasksSse2(base, blocks, kept, masks);
}
#endif

}  // namespace vardek
