#include "catalog/line_scanner.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "catalog/line_reader.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_LINE_SCANNER_SSE2 1
#endif

namespace vardek {

namespace {

constexpr std::ptrdiff_t kBlockSize = 64;
constexpr std::ptrdiff_t kPrefetchDistance = 2048;

struct BlockBits {
  std::uint64_t lf = 0;
  std::uint64_t cr = 0;
};

#ifdef VARDEK_LINE_SCANNER_SSE2
std::uint64_t BitsOf(const char* at, __m128i wanted) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
}

std::uint64_t EqualBits(const char* base, char c) {
  const __m128i wanted = _mm_set1_epi8(c);
  std::uint64_t bits = 0;
  for (int part = 0; part < 4; ++part) bits |= BitsOf(base + 16 * part, wanted) << (16 * part);
  return bits;
}

BlockBits ReadBits(const char* base) {
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  BlockBits bits;
  for (int part = 0; part < 4; ++part) {
    bits.lf |= BitsOf(base + 16 * part, lf) << (16 * part);
    bits.cr |= BitsOf(base + 16 * part, cr) << (16 * part);
  }
  return bits;
}
#else
std::uint64_t EqualBits(const char* base, char c) {
  std::uint64_t bits = 0;
  for (int i = 0; i < kBlockSize; ++i) bits |= std::uint64_t{base[i] == c} << i;
  return bits;
}

BlockBits ReadBits(const char* base) {
  BlockBits bits;
  for (int i = 0; i < kBlockSize; ++i) {
    bits.lf |= std::uint64_t{base[i] == '\n'} << i;
    bits.cr |= std::uint64_t{base[i] == '\r'} << i;
  }
  return bits;
}
#endif

// The number of set bits, without the library call that std::popcount makes
// where the processor's own instruction may not be assumed.
int CountBits(std::uint64_t bits) {
  bits = bits - ((bits >> 1) & 0x5555555555555555u);
  bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
  bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// The bits below `bit` (0 to 64).
std::uint64_t Below(std::ptrdiff_t bit) { return bit >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bit) - 1; }

// The first set bit of `bits` from `from` up to `to` (exclusive), as a place
// in the block; nullptr when there is none.
const char* FirstBetween(const char* block, std::uint64_t bits, std::ptrdiff_t from, std::ptrdiff_t to) {
  bits &= Below(to) & ~Below(from);
  return bits == 0 ? nullptr : block + std::countr_zero(bits);
}

// The first byte from `from` on that is one of `wanted`; `end` where there
// is none.
const char* FirstOf(const char* from, const char* end, std::string_view wanted) {
  const char* at = from;
#ifdef VARDEK_LINE_SCANNER_SSE2
  if (wanted.size() <= 4) {
    __m128i wantedBytes[4];
    for (std::size_t i = 0; i < wanted.size(); ++i) wantedBytes[i] = _mm_set1_epi8(wanted[i]);
    const auto hitsIn = [&](const char* sixteen) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sixteen));
      __m128i hits = _mm_setzero_si128();
      for (std::size_t i = 0; i < wanted.size(); ++i) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, wantedBytes[i]));
      return hits;
    };
    // Sixty-four bytes a round with one test: the wanted bytes are rare.
    for (; end - at >= 64; at += 64) {
      const __m128i any = _mm_or_si128(_mm_or_si128(hitsIn(at), hitsIn(at + 16)), _mm_or_si128(hitsIn(at + 32), hitsIn(at + 48)));
      if (_mm_movemask_epi8(any) != 0) break;
    }
    for (; end - at >= 16; at += 16) {
      const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(hitsIn(at)));
      if (bits != 0) return at + std::countr_zero(bits);
    }
  }
#endif
  for (; at < end; ++at)
    if (wanted.find(*at) != std::string_view::npos) return at;
  return end;
}

}  // namespace

void LineScanner::MoveTowards(std::string_view firstBytes) {
  // A line's first character (CRs are dropped) is one of its bytes, so no
  // line before the line holding the next of them starts with one; and the
  // byte after an LF always starts a line, whatever came before it.
  const char* lineStart = FirstOf(cursor_, end_, firstBytes);
  while (lineStart > cursor_ && lineStart[-1] != '\n') --lineStart;
  if (lineStart == cursor_) return;
  cursor_ = lineStart;
  block_ = nullptr;
  lfBits_ = 0;
}

void LineScanner::Start(const char* begin, const char* end, int limit) {
  begin_ = cursor_ = begin;
  end_ = end;
  limit_ = limit;
  block_ = nullptr;
  lfBits_ = 0;
}

// False when fewer than 64 bytes are left or a CR of the block stands
// anywhere but right before an LF.
bool LineScanner::LoadBlock(const char* base) {
  block_ = nullptr;
  if (end_ - base < kBlockSize) return false;
#ifdef VARDEK_LINE_SCANNER_SSE2
  // The blocks are read in order, but the processor's own prefetch stops at
  // each page of the mapping.
  _mm_prefetch(base + kPrefetchDistance, _MM_HINT_T0);
#endif
  const BlockBits bits = ReadBits(base);
  std::uint64_t stray = bits.cr & ~(bits.lf >> 1);
  // The block's last byte is judged by the byte behind the block.
  if ((stray >> 63) != 0 && base + kBlockSize < end_ && base[kBlockSize] == '\n') stray &= ~(std::uint64_t{1} << 63);
  if (stray != 0) return false;
  block_ = base;
  lfBits_ = bits.lf;
  return true;
}

std::string_view LineScanner::Copied(char* scratch, bool& cut) {
  block_ = nullptr;
  const std::size_t length = ReadLine(cursor_, end_, scratch, limit_, cut);
  return {scratch, length};
}

std::string_view LineScanner::Next(char* scratch, bool& cut) {
  cut = false;
  if (block_ == nullptr && !LoadBlock(cursor_)) return Copied(scratch, cut);
  // Every block from the line's start to its LF is clean, so the line holds
  // no CR but perhaps the one before the LF.
  while (lfBits_ == 0) {
    // A line this long is cut: ReadLine takes it from its start.
    if (block_ + kBlockSize - cursor_ >= limit_ || !LoadBlock(block_ + kBlockSize)) return Copied(scratch, cut);
  }
  const char* lf = block_ + std::countr_zero(lfBits_);
  lfBits_ &= lfBits_ - 1;
  std::size_t length = static_cast<std::size_t>(lf - cursor_);
  if (length > 0 && lf[-1] == '\r') --length;
  if (length > static_cast<std::size_t>(limit_ - 2)) return Copied(scratch, cut);
  const std::string_view line(cursor_, length);
  cursor_ = lf + 1;
  return line;
}

// The LFs of the current block, from the cursor on, that end lines before
// the first line `skip` keeps and before its stop; `clear` says whether the
// lines of the next block may still be passed over.
std::uint64_t LineScanner::LinesBeforeKept(const LineSkip& skip, bool& clear) const {
  std::uint64_t lfs = lfBits_;
  clear = true;
  const std::uint64_t cursorBit = cursor_ >= block_ ? std::uint64_t{1} << (cursor_ - block_) : 0;
  for (std::uint64_t starts = cursorBit | (lfBits_ << 1); starts != 0; starts &= starts - 1) {
    const int at = std::countr_zero(starts);
    if (skip.keep[static_cast<unsigned char>(block_[at])]) {
      lfs &= Below(at);
      clear = false;
      break;
    }
  }
  if (skip.stopAt != nullptr && skip.stopAt < block_ + kBlockSize) {
    lfs &= skip.stopAt <= block_ ? 0 : Below(skip.stopAt - block_);
    clear = false;
  }
  return lfs;
}

// Of the block's LFs from the cursor on, those that end a line holding no
// ":", all at once: in the bytes that are neither ":" nor LF, a carry set at
// each line start runs up to the first ":" or LF after it. `colon` is the
// first ":" of the line at the cursor where it began before the block.
std::uint64_t LineScanner::LinesWithoutColon(std::uint64_t colonBits, const char* colon) const {
  std::uint64_t starts = lfBits_ << 1;
  if (cursor_ >= block_) {
    starts |= std::uint64_t{1} << (cursor_ - block_);
  } else if (colon == nullptr) {
    starts |= 1;  // the line so far holds none: it is as if it started here
  }
  const std::uint64_t marks = lfBits_ | colonBits;
  return (~marks + starts) & marks & lfBits_;
}

// Of `lfs` (not empty), at most `most` from the lowest, unless the line
// ending at the lowest reaches the limit; the lines after it are short.
std::uint64_t LineScanner::ShortLines(std::uint64_t lfs, std::size_t most, std::size_t& count) const {
  const char* lf = block_ + std::countr_zero(lfs);
  std::size_t length = static_cast<std::size_t>(lf - cursor_);
  if (length > 0 && lf[-1] == '\r') --length;
  count = 0;
  if (length > static_cast<std::size_t>(limit_ - 2)) return 0;
  while (static_cast<std::size_t>(CountBits(lfs)) > most) lfs &= ~(std::uint64_t{1} << (63 - std::countl_zero(lfs)));
  count = static_cast<std::size_t>(CountBits(lfs));
  return lfs;
}

// Of `lfs` (lowest first), the LFs whose lines keep to the line rule and pass
// the test, up to the first that does not and at most `most` of them; `count`
// receives their number. `colon` is the first ":" of the line at the cursor
// before this block. One loop for each test keeps the loop of each tight.
template <LineTest kTest>
std::uint64_t LineScanner::PassingLinesWith(const LineSkip& skip, std::uint64_t lfs, std::size_t most,
                                            const char* colon, std::size_t& count) const {
  // Every line after the first starts inside the block, shorter than any
  // limit of a block or more: only the first line can reach it.
  const bool shortAfterFirst = limit_ - 2 >= kBlockSize;
  if constexpr (kTest == LineTest::None) {
    if (shortAfterFirst && lfs != 0) return ShortLines(lfs, most, count);
  }
  const bool colons = kTest != LineTest::None && skip.newFormat;
  const std::uint64_t colonBits = colons ? EqualBits(block_, ':') : 0;
  if constexpr (kTest == LineTest::HoldsSeparator) {
    if (colons && shortAfterFirst && lfs != 0) {
      lfs &= Below(std::countr_zero(LinesWithoutColon(colonBits, colon) & lfs));
      count = 0;
      return lfs == 0 ? 0 : ShortLines(lfs, most, count);
    }
  }
  const char* start = cursor_;
  std::uint64_t passing = 0;
  for (count = 0; lfs != 0 && count < most; lfs &= lfs - 1, ++count) {
    const std::ptrdiff_t at = std::countr_zero(lfs);
    const char* lf = block_ + at;
    std::size_t length = static_cast<std::size_t>(lf - start);
    if (length > 0 && lf[-1] == '\r') --length;
    if (length > static_cast<std::size_t>(limit_ - 2)) break;
    if constexpr (kTest != LineTest::None) {
      // Selected rather than branched on: the first line of a block begins
      // in the block before about every other time.
      const char* inBlock = FirstBetween(block_, colonBits, std::max<std::ptrdiff_t>(start - block_, 0), at);
      const char* before = start < block_ ? colon : nullptr;
      const char* first = before != nullptr ? before : inBlock;
      if (!PassesLineTest(kTest, skip.newFormat, std::string_view(start, length), first)) break;
    }
    passing |= lfs & (~lfs + 1);
    start = lf + 1;
  }
  return passing;
}

std::uint64_t LineScanner::PassingLines(const LineSkip& skip, std::uint64_t lfs, std::size_t most,
                                        const char* colon, std::size_t& count) const {
  switch (skip.test) {
    case LineTest::None: return PassingLinesWith<LineTest::None>(skip, lfs, most, colon, count);
    case LineTest::HoldsSeparator: return PassingLinesWith<LineTest::HoldsSeparator>(skip, lfs, most, colon, count);
    case LineTest::GoodDate: return PassingLinesWith<LineTest::GoodDate>(skip, lfs, most, colon, count);
  }
  count = 0;
  return 0;
}

std::size_t LineScanner::Skip(const LineSkip& skip, std::size_t most) {
  if (cursor_ >= end_ || most == 0) return 0;
  if ((block_ == nullptr || cursor_ >= block_ + kBlockSize) && !LoadBlock(cursor_)) return 0;
  const bool colons = skip.test != LineTest::None && skip.newFormat;
  // The first ":" of the line at the cursor where it began before the block.
  const char* colon = nullptr;
  if (colons && cursor_ < block_) colon = static_cast<const char*>(std::memchr(cursor_, ':', block_ - cursor_));
  std::size_t skipped = 0;
  for (;;) {
    bool clear = true;
    std::size_t count = 0;
    const std::uint64_t passing = PassingLines(skip, LinesBeforeKept(skip, clear), most - skipped, colon, count);
    if (passing != 0) {
      skipped += count;
      cursor_ = block_ + (kBlockSize - std::countl_zero(passing));
      lfBits_ &= ~passing;
      colon = nullptr;
    }
    if (!clear || lfBits_ != 0 || skipped == most) return skipped;
    // The line at the cursor goes on into the next block.
    if (block_ + kBlockSize - cursor_ >= limit_) return skipped;
    if (colons && colon == nullptr) {
      const std::ptrdiff_t from = cursor_ < block_ ? 0 : cursor_ - block_;
      colon = FirstBetween(block_, EqualBits(block_, ':'), from, kBlockSize);
    }
    if (!LoadBlock(block_ + kBlockSize)) return skipped;
  }
}

}  // namespace vardek
