// Built with AVX2 (vardek_avx2_sources): nothing here but the intrinsics
// and the plain headers.
#include "catalog/line_pass.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>

#include "catalog/block_lanes_avx2.h"
#include "catalog/wide_bits.h"

namespace vardek {

namespace {

// A folder or climb line that keeps the depth rules from `depth`, which it
// moves. A local copy of ClassifyLine's rule for those two kinds: the shared
// inline one, compiled here, could be taken for every caller. The
// randomized pass-over tests hold both to the same lines.
bool Followable(const char* line, std::size_t length, int maxLevels, int& depth) {
  if (line[0] == '\\') {
    if (depth + 1 >= maxLevels) return false;
    ++depth;
    return true;
  }
  if (line[0] == '.' && length >= 2 && line[1] == '.' && (length == 2 || line[2] == '\0')) {
    if (depth <= 0) return false;
    --depth;
    return true;
  }
  return false;
}

// What following the kept lines of one block leaves: thrown away unless the
// whole block passes.
struct BlockFollowing {
  int depth;
  std::size_t count;
  const char* pending;  // a kept line begun in the block, its LF in the next
};

// Follows the kept line begun in the block before (`pending`, ended by the
// block's first LF) and those starting at `starts`, each a folder or climb
// line that keeps the depth rules; false at the first that is not. The
// last may go on into the next block.
bool FollowBlock(const char* base, std::uint64_t lf, std::uint64_t starts, const char* pending,
                 PlainBlockPass& pass, BlockFollowing& following) {
  following.pending = nullptr;
  if (pending != nullptr) {
    const char* end = base + LowestBit64(lf);
    std::size_t length = static_cast<std::size_t>(end - pending);
    if (end[-1] == '\r') --length;
    if (length > pass.longest || !Followable(pending, length, pass.maxLevels, following.depth)) return false;
    pass.followed[following.count++] = PassedFolderLine{pending, length};
  }
  for (; starts != 0; starts &= starts - 1) {
    const int start = LowestBit64(starts);
    const std::uint64_t after = lf & (~std::uint64_t{0} << start);
    if (after == 0) {
      following.pending = base + start;
      return true;
    }
    const int end = LowestBit64(after);
    std::size_t length = static_cast<std::size_t>(end - start);
    if (length > 0 && base[end - 1] == '\r') --length;
    if (!Followable(base + start, length, pass.maxLevels, following.depth)) return false;
    pass.followed[following.count++] = PassedFolderLine{base + start, length};
  }
  return true;
}

// What a block holds besides lines to pass: a CR not right before an LF,
// kept lines, the end of a kept line begun before. True when it passes all
// the same (a CR as the last byte is judged by the byte behind the block;
// kept lines must be followed folder and climb lines), `following` then
// moved.
bool PassesUnusualBlock(const char* base, std::uint64_t lf, std::uint64_t stray, std::uint64_t keptStarts,
                        PlainBlockPass& pass, BlockFollowing& following) {
  if (stray != 0 && (stray != std::uint64_t{1} << 63 || pass.dataEnd - base <= 64 || base[64] != '\n')) return false;
  if (keptStarts == 0 && following.pending == nullptr) return true;
  if (!pass.follows || following.count + PlainBlockPass::kMostFollowedInBlock > PlainBlockPass::kFollowedRoom)
    return false;
  BlockFollowing moved = following;
  if (!FollowBlock(base, lf, keptStarts, following.pending, pass, moved)) return false;
  following = moved;
  return true;
}

std::uint64_t LfBits(const char* base) {
  const __m256i lf = _mm256_set1_epi8('\n');
  return Bits(_mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(base)), lf),
              _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(base + 32)), lf));
}

}  // namespace

void PassPlainBlocksAvx2(const BlockKeptBytes& kept, PlainBlockPass& pass) {
  const __m256i lfByte = _mm256_set1_epi8('\n');
  const __m256i crByte = _mm256_set1_epi8('\r');
  const __m256i zero = _mm256_setzero_si256();
  const __m256i low = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kept.low)));
  const __m256i high = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(kept.high)));
  const char* const from = pass.base;
  const char* base = from;
  std::size_t blocks = pass.stop - base >= 64 ? static_cast<std::size_t>(pass.stop - base) / 64 : 0;
  // Only the first block's first line may have begun more than a block
  // before: each block passed holds an LF, and `longest` is a block and a
  // half at least.
  if (blocks != 0) {
    const std::uint64_t lf = LfBits(base);
    if (lf != 0 && static_cast<std::size_t>(base + LowestBit64(lf) - pass.cursor) > pass.longest) blocks = 0;
  }
  std::size_t remaining = pass.most - pass.lines;
  // The line going on into the first block may be a kept one.
  const bool begunBefore = pass.cursor < base;
  const auto cursorByte = static_cast<unsigned char>(begunBefore ? *pass.cursor : 0);
  const bool cursorKept = begunBefore && (kept.low[cursorByte & 15] & kept.high[cursorByte >> 4]) != 0;
  BlockFollowing following{pass.depth, pass.followedCount, cursorKept ? pass.cursor : nullptr};
  std::uint64_t startsBlock = pass.cursor == base ? 1 : 0;  // bit 0: the block's first byte starts a line
  for (; blocks != 0; --blocks, base += 64) {
    // The blocks are read in order, but the processor's own prefetch stops
    // at each page of the mapping.
    _mm_prefetch(base + 2048, _MM_HINT_T0);
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base + 32));
    const std::uint64_t lf = Bits(_mm256_cmpeq_epi8(first, lfByte), _mm256_cmpeq_epi8(second, lfByte));
    const std::uint64_t stray = Bits(_mm256_cmpeq_epi8(first, crByte), _mm256_cmpeq_epi8(second, crByte)) & ~(lf >> 1);
    const std::uint64_t keptStarts = ~Bits(_mm256_cmpeq_epi8(KeptLanes(first, low, high), zero),
                                           _mm256_cmpeq_epi8(KeptLanes(second, low, high), zero)) &
                                     ((lf << 1) | startsBlock);
    const auto count = static_cast<std::size_t>(CountBits64(lf));
    if (lf == 0 || count >= remaining) break;
    if (((stray | keptStarts) != 0 || following.pending != nullptr) &&
        !PassesUnusualBlock(base, lf, stray, keptStarts, pass, following))
      break;
    remaining -= count;
    startsBlock = lf >> 63;
  }
  if (base != from) pass.cursor = base - 64 + HighestBit64(LfBits(base - 64)) + 1;
  pass.base = base;
  pass.lines = pass.most - remaining;
  pass.followedCount = following.count;
  pass.depth = following.depth;
}

}  // namespace vardek

#endif
