#include "catalog/line_scanner.h"

#include <bit>

#include "catalog/line_reader.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_LINE_SCANNER_SSE2 1
#endif

namespace vardek {

namespace {

constexpr std::ptrdiff_t kBlockSize = 64;

struct BlockBits {
  std::uint64_t lf = 0;
  std::uint64_t cr = 0;
};

#ifdef VARDEK_LINE_SCANNER_SSE2
std::uint64_t BitsOf(const char* at, __m128i wanted) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
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
BlockBits ReadBits(const char* base) {
  BlockBits bits;
  for (int i = 0; i < kBlockSize; ++i) {
    bits.lf |= std::uint64_t{base[i] == '\n'} << i;
    bits.cr |= std::uint64_t{base[i] == '\r'} << i;
  }
  return bits;
}
#endif

}  // namespace

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

}  // namespace vardek
