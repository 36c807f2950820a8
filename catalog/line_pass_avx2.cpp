// Built with AVX2 (vardek_avx2_sources): nothing here but the intrinsics
// and the plain headers.
#include "catalog/line_pass.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>

#include <cstring>

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
                 BlockPass& pass, BlockFollowing& following) {
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
                        BlockPass& pass, BlockFollowing& following) {
  if (stray != 0 && (stray != std::uint64_t{1} << 63 || pass.dataEnd - base <= 64 || base[64] != '\n')) return false;
  if (keptStarts == 0 && following.pending == nullptr) return true;
  if (!pass.follows || following.count + BlockPass::kMostFollowedInBlock > BlockPass::kFollowedRoom)
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

// Four date texts of eight bytes, one in each lane: true when every one is
// of the usual shape with a month of 1 to 12, a year of the range and a
// day from 1 to its month's last in a common year; the rule of
// usual_date.h, four at a time. A leap day is left to the tables.
bool FourDatesTold(__m256i words) {
  const auto lanes = [](std::uint64_t bits) { return _mm256_set1_epi64x(static_cast<long long>(bits)); };
  const __m256i values = _mm256_xor_si256(_mm256_or_si256(words, lanes(kSeparatorBit)), lanes(kUsualZeros));
  // The top bit of each byte, one bit for each (bytes 0, 3 and 6 of a lane
  // are month, day and year below); the masks' bits are of every lane.
  const auto tops = [](__m256i bytes) { return static_cast<std::uint32_t>(_mm256_movemask_epi8(bytes)); };
  constexpr std::uint32_t kMonths = 0x01010101u;
  constexpr std::uint32_t kDays = 0x08080808u;
  constexpr std::uint32_t kYears = 0x40404040u;
  const std::uint32_t misshapen =
      tops(_mm256_or_si256(_mm256_add_epi8(values, lanes(kOverNine)), values));
  // Each digit is 9 at most, so ten times it stays in its byte.
  const __m256i pairs =
      _mm256_add_epi64(_mm256_add_epi64(_mm256_slli_epi64(values, 3), _mm256_slli_epi64(values, 1)),
                       _mm256_srli_epi64(values, 8));
  // Top bits as in TellsGoodUsualDate, the day's upper bound aside.
  const std::uint32_t above = tops(_mm256_add_epi8(pairs, lanes(kAboveMonthAndYear)));
  const std::uint32_t from = tops(_mm256_add_epi8(pairs, lanes(kFromBounds)));
  const std::uint32_t outOfRange = (~from & (kMonths | kDays)) | (above & (kMonths | (~from & kYears)));
  // Each month's last day, looked up by the month's byte and moved to the
  // day's, which goes over it where the saturating difference is not 0.
  const __m256i lastDays = _mm256_setr_epi8(0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0, 0, 0,  //
                                            0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0, 0, 0);
  const __m256i lastDay = _mm256_slli_epi64(_mm256_shuffle_epi8(lastDays, pairs), 24);
  const std::uint32_t inTime =
      tops(_mm256_cmpeq_epi8(_mm256_subs_epu8(pairs, lastDay), _mm256_setzero_si256()));
  return (misshapen | outOfRange | (~inTime & kDays)) == 0;
}

// True when the date of each line whose LF is among `ends` is good: the
// eight bytes at `dates` + the LF's bit (nine bytes before the LF after a
// CR, eight without). A block holds two or three dates as a rule: up to
// four are told at once, without a branch for each (a loop over them would
// be misjudged at its end, block after block). The four lanes take the two
// lowest and the two highest dates, which are the same dates when there are
// fewer than four.
bool DatesTold(const char* dates, std::uint64_t ends, const UsualDateTables& tables) {
  if (ends == 0) return true;
  if (CountBits64(ends) <= 4) {
    const std::uint64_t lowest = ends & (~ends + 1);
    const int highest = HighestBit64(ends);
    const std::uint64_t highestBit = std::uint64_t{1} << highest;
    const int at[4] = {LowestBit64(ends), LowestBit64((ends & (ends - 1)) | highestBit),
                       HighestBit64((ends ^ highestBit) | lowest), highest};
    std::uint64_t words[4];
    for (int lane = 0; lane < 4; ++lane) std::memcpy(&words[lane], dates + at[lane], sizeof words[lane]);
    const __m256i four = _mm256_setr_epi64x(static_cast<long long>(words[0]), static_cast<long long>(words[1]),
                                            static_cast<long long>(words[2]), static_cast<long long>(words[3]));
    if (FourDatesTold(four)) return true;
  }
  for (std::uint64_t rest = ends; rest != 0; rest &= rest - 1) {
    if (!IsGoodUsualDate(dates + LowestBit64(rest), tables)) return false;
  }
  return true;
}

// For the date test: true when every line among `open` (LFs of lines that
// hold a ":") has a good date of the usual shape, right after its first
// ":" (`firstColons` for the lines begun in the block, `colonsBefore` and
// `colonsBeforeCr` for those begun before) to its end.
bool AllGoodUsualDates(const char* base, std::uint64_t lf, std::uint64_t open, std::uint64_t crBeforeLf,
                       std::uint64_t firstColons, std::uint64_t colonsBefore, std::uint64_t colonsBeforeCr,
                       const UsualDateTables& dates) {
  const std::uint64_t colonsForCr = (firstColons << 10) | colonsBeforeCr;
  // The usual block: every line ends in CR LF, each date nine bytes before
  // its LF (a CR as the block before's last byte is bit 0's). Any other
  // block has its dates end at the LF, or at the CR before it.
  const char* datesAt = base - 9;
  std::uint64_t ends = open;
  if (crBeforeLf == lf) {
    if ((open & colonsForCr) != open) return false;
  } else {
    const std::uint64_t withCr = open & crBeforeLf & colonsForCr;
    const std::uint64_t withoutCr = open & ~withCr & ((firstColons << 9) | colonsBefore);
    if ((withCr | withoutCr) != open) return false;
    // A CR as the last byte of the block before ends the date of the line
    // whose LF is at bit 0, which is told on its own.
    if ((withCr & 1) != 0 && !IsGoodUsualDate(base - 9, dates)) return false;
    datesAt = base - 8;
    ends = withoutCr | (withCr >> 1);
  }
  return DatesTold(datesAt, ends, dates);
}

// The LFs that end the lines starting at `starts`: for each, the first LF
// at or after it.
std::uint64_t EndsOf(std::uint64_t lf, std::uint64_t starts) { return (~lf + starts) & lf; }

template <bool kDates>
void PassBlocks(const BlockKeptBytes& kept, BlockPass& pass) {
  const __m256i lfByte = _mm256_set1_epi8('\n');
  const __m256i crByte = _mm256_set1_epi8('\r');
  const __m256i colonByte = _mm256_set1_epi8(':');
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
  // Bit 0: the line at the block's first byte holds no ":" before it.
  std::uint64_t openAtFirst = startsBlock | std::uint64_t{begunBefore && pass.openWithoutColon};
  std::uint64_t colonsBefore = pass.colonsBefore;
  std::uint64_t colonsBeforeCr = pass.colonsBeforeCr;
  std::uint64_t crAtLast = 0;  // not known for the first block, which the judgement reads then
  for (; blocks != 0; --blocks, base += 64) {
    // The blocks are read in order, but the processor's own prefetch stops
    // at each page of the mapping.
    _mm_prefetch(base + 2048, _MM_HINT_T0);
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(base + 32));
    const std::uint64_t lf = Bits(_mm256_cmpeq_epi8(first, lfByte), _mm256_cmpeq_epi8(second, lfByte));
    const std::uint64_t cr = Bits(_mm256_cmpeq_epi8(first, crByte), _mm256_cmpeq_epi8(second, crByte));
    const std::uint64_t stray = cr & ~(lf >> 1);
    const std::uint64_t keptStarts = ~Bits(_mm256_cmpeq_epi8(KeptLanes(first, low, high), zero),
                                           _mm256_cmpeq_epi8(KeptLanes(second, low, high), zero)) &
                                     ((lf << 1) | startsBlock);
    const auto count = static_cast<std::size_t>(CountBits64(lf));
    if (lf == 0 || count >= remaining) break;
    const bool unusual = (stray | keptStarts) != 0 || following.pending != nullptr;
    if constexpr (kDates) {
      const std::uint64_t colon = Bits(_mm256_cmpeq_epi8(first, colonByte), _mm256_cmpeq_epi8(second, colonByte));
      // A carry put in at each line start runs through the bytes that are
      // neither ":" nor LF up to the line's first of them.
      const std::uint64_t marks = lf | colon;
      const std::uint64_t sum = ~marks + ((lf << 1) | openAtFirst);
      const std::uint64_t firstMarks = sum & marks;
      // Folder and climb lines are followed, with no date to judge.
      const std::uint64_t keptEnds = EndsOf(lf, keptStarts | std::uint64_t{following.pending != nullptr});
      const std::uint64_t open = lf & ~firstMarks & ~keptEnds;
      const std::uint64_t firstColons = firstMarks & colon;
      // A CR as the last byte of the block before stands before an LF at bit 0.
      const std::uint64_t crBeforeLf = (cr << 1) | crAtLast;
      if (!AllGoodUsualDates(base, lf, open, crBeforeLf, firstColons, colonsBefore, colonsBeforeCr, pass.dates)) break;
      if (unusual && !PassesUnusualBlock(base, lf, stray, keptStarts, pass, following)) break;
      openAtFirst = std::uint64_t{sum < ~marks} | (lf >> 63);
      colonsBefore = firstColons >> 55;
      colonsBeforeCr = firstColons >> 54;
      crAtLast = cr >> 63;
    } else {
      if (unusual && !PassesUnusualBlock(base, lf, stray, keptStarts, pass, following)) break;
    }
    remaining -= count;
    startsBlock = lf >> 63;
  }
  if (base != from) pass.cursor = base - 64 + HighestBit64(LfBits(base - 64)) + 1;
  pass.base = base;
  pass.lines = pass.most - remaining;
  pass.followedCount = following.count;
  pass.depth = following.depth;
  if constexpr (kDates) {
    pass.openWithoutColon = (openAtFirst & ~startsBlock) != 0;
    pass.colonsBefore = colonsBefore;
    pass.colonsBeforeCr = colonsBeforeCr;
  }
}

}  // namespace

void PassPlainBlocksAvx2(const BlockKeptBytes& kept, BlockPass& pass) { PassBlocks<false>(kept, pass); }

void PassDatedBlocksAvx2(const BlockKeptBytes& kept, BlockPass& pass) { PassBlocks<true>(kept, pass); }

}  // namespace vardek

#endif
