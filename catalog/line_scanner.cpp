#include "catalog/line_scanner.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "catalog/catalog_format.h"
#include "catalog/count_bits.h"
#include "catalog/first_of_avx2.h"
#include "catalog/folder_path.h"
#include "catalog/line_blocks.h"
#include "catalog/line_pass.h"
#include "catalog/line_reader.h"
#include "platform/cpu_features.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_LINE_SCANNER_SSE2 1
#endif
#if defined(__x86_64__) || defined(_M_X64)
#define VARDEK_LINE_SCANNER_AVX2 1
#endif

namespace vardek {

namespace {

constexpr std::ptrdiff_t kBlockSize = 64;
constexpr std::ptrdiff_t kPrefetchDistance = 2048;
constexpr std::ptrdiff_t kBlockPassLeast = 1024;

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

// The bits below `bit` (0 to 64).
std::uint64_t Below(std::ptrdiff_t bit) { return bit >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bit) - 1; }

// The folder and climb lines of a block a pass-over follows: a bit at each
// one's start and at its LF.
struct FollowedBits {
  std::uint64_t starts = 0;
  std::uint64_t lfs = 0;
};

// The first byte from `from` on that is one of `wanted`; `end` where there
// is none.
const char* FirstOf(const char* from, const char* end, std::string_view wanted, bool wide) {
  const char* at = from;
#if defined(__x86_64__) || defined(_M_X64)
  if (wide && !wanted.empty() && wanted.size() <= 4) return FirstOfAvx2(from, end, wanted.data(), wanted.size());
#else
  (void)wide;
#endif
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
  const char* lineStart = FirstOf(cursor_, end_, firstBytes, wide_);
  while (lineStart > cursor_ && lineStart[-1] != '\n') --lineStart;
  if (lineStart == cursor_) return;
  cursor_ = lineStart;
  block_ = nullptr;
  lfBits_ = 0;
}

void LineScanner::Start(const char* begin, const char* end, int limit) {
  maskedBlocks_ = 0;
  begin_ = cursor_ = begin;
  end_ = end;
  limit_ = limit;
  block_ = nullptr;
  lfBits_ = 0;
  blockPasses_ = BlockPassesFit();
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

namespace {

// The line of a block from bit `start` to its LF at bit `lf`, without its CR.
std::string_view LineBetween(const char* base, int start, int lf) {
  const auto length = static_cast<std::size_t>(lf - start - (lf > start && base[lf - 1] == '\r'));
  return {base + start, length};
}

// Goes through the kept line starts of a block below `limit` in order while
// each is a folder or climb line that ends in the block, is no longer than
// `longest` and keeps the depth rules from `depth` on; sets their start and
// LF bits in `followed` and returns the first kept start that is not (or
// `limit`).
std::ptrdiff_t FollowableUpTo(const char* base, std::uint64_t lfs, std::uint64_t keptStarts, std::ptrdiff_t limit,
                              int depth, std::size_t longest, FollowedBits& followed) {
  for (std::uint64_t rest = keptStarts & Below(limit); rest != 0; rest &= rest - 1) {
    const int start = std::countr_zero(rest);
    const std::uint64_t after = lfs & ~Below(start);
    if (after == 0) return start;
    const int lf = std::countr_zero(after);
    const std::string_view line = LineBetween(base, start, lf);
    if (line.size() > longest) return start;
    const LineKind kind = ClassifyLine(line);
    if (kind == LineKind::Folder && depth + 1 < kMaxFolderLevels) {
      ++depth;
    } else if (kind == LineKind::Climb && depth > 0) {
      --depth;
    } else {
      return start;
    }
    followed.starts |= std::uint64_t{1} << start;
    followed.lfs |= std::uint64_t{1} << lf;
  }
  return limit;
}

// Enters and leaves the folders of the followed lines whose LFs `passed`
// holds: the first of them, in order.
void Follow(const char* base, const FollowedBits& followed, std::uint64_t passed, FollowedFolders& folders) {
  std::uint64_t starts = followed.starts;
  for (std::uint64_t lfs = followed.lfs & passed; lfs != 0; lfs &= lfs - 1, starts &= starts - 1) {
    const std::string_view line = LineBetween(base, std::countr_zero(starts), std::countr_zero(lfs));
    const bool folder = line[0] == '\\';
    if (folders.path != nullptr) {
      if (folder) {
        folders.path->Enter(FolderLineName(line));
      } else {
        folders.path->Leave();
      }
    }
    folders.depth += folder ? 1 : -1;
    ++folders.lines;
  }
}

// True when entering `name` and leaving it again leaves `path` as it was:
// the name fits and holds no backslash but its first byte, from which the
// climb drops the text.
bool EnteredAndLeftAlike(const FolderPath& path, std::string_view name) {
  return name.size() < kFolderPathCapacity - path.Length() &&
         std::memchr(name.data() + 1, '\\', name.size() - 1) == nullptr;
}

// Enters and leaves the folders of the lines a block pass went over. A
// folder with no folder inside (its line and a climb one after the other)
// is neither entered nor left where that comes to the same.
void FollowPassed(const BlockPass& pass, FollowedFolders& folders) {
  if (folders.path != nullptr) {
    for (std::size_t i = 0; i < pass.followedCount; ++i) {
      const std::string_view line(pass.followed[i].start, pass.followed[i].length);
      if (line[0] != '\\') {
        folders.path->Leave();
        continue;
      }
      const std::string_view name = FolderLineName(line);
      if (i + 1 < pass.followedCount && pass.followed[i + 1].start[0] == '.' &&
          EnteredAndLeftAlike(*folders.path, name)) {
        ++i;
      } else {
        folders.path->Enter(name);
      }
    }
  }
  folders.depth = pass.depth;
  folders.lines += pass.followedCount;
}

// The lines among `open` (LF bits of lines that hold a ":") whose date may
// be of the usual shape, as the block's masks show: it stands nine bytes
// before the LF after the line's first ":", or ten with a CR right before
// the LF (those in `withCr`); `colonsBefore` and `colonsBeforeCr` carry the
// first ":" of lines begun in the block before, at the bits of their LFs in
// this one.
struct UsualDates {
  UsualDates(std::uint64_t open, std::uint64_t cr, std::uint64_t firstColons, std::uint64_t colonsBefore,
             std::uint64_t colonsBeforeCr)
      : withCr(open & (cr << 1) & ((firstColons << 10) | colonsBeforeCr)),
        lines((open & ((firstColons << 9) | colonsBefore)) | withCr) {}
  // True when the date of the line ending at bit `lf` is good and of the usual shape.
  bool GoodAt(const char* base, int lf) const {
    bool shaped = false;
    const bool good = UsualDateIsGood(base + lf - 8 - static_cast<int>((withCr >> lf) & 1), kUsualDateTables, shaped);
    return good && shaped;
  }

  std::uint64_t withCr;
  std::uint64_t lines;
};

// The lines among `open` whose date is not a good date of the usual shape:
// those the date test must read one by one.
std::uint64_t WithoutGoodUsualDate(const char* base, std::uint64_t open, const UsualDates& usual) {
  std::uint64_t good = 0;
  for (std::uint64_t rest = usual.lines; rest != 0; rest &= rest - 1) {
    // Without a branch: in the blocks judged one by one, good and bad dates
    // come in no order a processor could foresee.
    good |= rest & (~rest + 1) & (std::uint64_t{0} - std::uint64_t{usual.GoodAt(base, std::countr_zero(rest))});
  }
  return open & ~good;
}

// True when every line among `open` has a good date of the usual shape; in
// the loop of whole blocks, where a bad date is rare.
bool AllGoodUsualDates(const char* base, std::uint64_t open, const UsualDates& usual) {
  if (usual.lines != open) return false;
  for (std::uint64_t rest = usual.lines; rest != 0; rest &= rest - 1) {
    if (!usual.GoodAt(base, std::countr_zero(rest))) return false;
  }
  return true;
}

}  // namespace

void LineScanner::UseWideSteps(bool wide) {
  wide_ = wide && ProcessorHasAvx2();
  maskedBlocks_ = 0;
  blockPasses_ = BlockPassesFit();
}

// The block pass reads with AVX2, and takes a line of a block and a half
// for one that needs no judging.
bool LineScanner::BlockPassesFit() const {
#ifdef VARDEK_LINE_SCANNER_AVX2
  return wide_ && limit_ - 2 >= 127;
#else
  return false;
#endif
}

#ifdef VARDEK_LINE_SCANNER_AVX2
// The whole blocks from `base` that the block pass lets go, with the folders
// of their lines followed, some at a time; moves `base`, `cursor` and
// `skipped` past them, and for the date test the colons carried from block
// to block. False when the line at the cursor is to be handed out now: a
// kept line begun before the block, which the judgement would not hand
// out, as it only hands out lines that start in its block.
bool LineScanner::PassWhole(const LineSkip& skip, std::size_t most, FollowedFolders* folders, const char*& base,
                            const char*& cursor, std::size_t& skipped, CarriedColons& colons) const {
  BlockPass pass;
  pass.base = base;
  pass.cursor = cursor;
  pass.stop = skip.stopAt != nullptr && skip.stopAt < end_ ? skip.stopAt : end_;
  pass.dataEnd = end_;
  pass.longest = static_cast<std::size_t>(limit_ - 2);
  pass.most = most - skipped;
  pass.depth = folders != nullptr ? folders->depth : 0;
  pass.maxLevels = kMaxFolderLevels;
  pass.follows = folders != nullptr;
  const bool dates = skip.test == LineTest::GoodDate;
  if (dates) {
    pass.dates = kUsualDateTables;
    pass.openWithoutColon = colons.openWithoutColon;
    pass.colonsBefore = colons.before;
    pass.colonsBeforeCr = colons.beforeCr;
  }
  do {
    pass.followedCount = 0;
    (dates ? PassDatedBlocksAvx2 : PassPlainBlocksAvx2)(skip.keptBytes, pass);
    if (folders != nullptr) FollowPassed(pass, *folders);
  } while (pass.followedCount + BlockPass::kMostFollowedInBlock > BlockPass::kFollowedRoom);
  if (dates) colons = {pass.openWithoutColon, pass.colonsBefore, pass.colonsBeforeCr};
  skipped += pass.lines;
  cursor = pass.cursor;
  base = pass.base;
  return !(cursor < base && skip.keep[static_cast<unsigned char>(*cursor)]);
}
#endif

// The masks of the block at `base` (64 bytes there at least), from those
// read before where they were read on the same grid for the same kept bytes;
// else read for `ahead` blocks at most from there.
const BlockMasks& LineScanner::MasksOf(const char* base, const BlockKeptBytes& kept, std::size_t ahead) {
  std::uint64_t keptKey = 0;
  std::memcpy(&keptKey, kept.bytes, sizeof keptKey);
  const std::ptrdiff_t offset = base - maskedFrom_;
  if (maskedBlocks_ != 0 && offset >= 0 && offset % kBlockSize == 0 &&
      offset / kBlockSize < static_cast<std::ptrdiff_t>(maskedBlocks_) && keptKey == maskedKept_ &&
      kept.count == maskedKeptCount_)
    return masks_[offset / kBlockSize];
  const std::size_t blocks = std::min(ahead, static_cast<std::size_t>((end_ - base) / kBlockSize));
  (wide_ ? ReadBlockMasksAvx2 : ReadBlockMasksSse2)(base, blocks, kept.count >= 0 ? &kept : nullptr, masks_);
  maskedFrom_ = base;
  maskedBlocks_ = blocks;
  maskedKept_ = keptKey;
  maskedKeptCount_ = kept.count;
  return masks_[0];
}

// Every block is judged whole from its bit masks: the lines that start with
// a kept byte, the lines without ":", the usual dates eight bytes at a
// time. For the ":": in the bytes that are neither ":" nor LF, a carry set
// at each line start runs up to the first ":" or LF after it. Only lines whose test
// the masks cannot settle are read one by one.
template <bool kWhole>
std::size_t LineScanner::SkipBlocks(const LineSkip& skip, std::size_t most, FollowedFolders* folders) {
  if (cursor_ >= end_ || most == 0) return 0;
  if (!skip.followsFolders) folders = nullptr;
  const char* cursor = cursor_;
  const bool inBlock = block_ != nullptr && cursor < block_ + kBlockSize;
  const char* base = inBlock ? block_ : cursor;
  std::uint64_t lfs = inBlock ? lfBits_ : 0;
  // Read once: the stores of the pass-over (the folder path) could be to
  // the skip as far as the compiler can tell.
  const LineTest test = skip.test;
  const char* const stopAt = skip.stopAt;
  const bool colons = test != LineTest::None && skip.newFormat;
  // Every line after the first of a block starts inside it, shorter than
  // any limit of a block or more: only the first line can reach it.
  const bool shortAfterFirst = limit_ - 2 >= kBlockSize;
  const bool keptInMasks = skip.keptBytes.count >= 0;
  // Whether the line at the cursor, begun before `base`, holds no ":" yet.
  bool openWithoutColon = true;
  if (colons && cursor < base) openWithoutColon = std::memchr(cursor, ':', static_cast<std::size_t>(base - cursor)) == nullptr;
  // The first ":" of lines in the last bytes of the block before, at the
  // bit where an LF nine bytes on stands in this block.
  std::uint64_t colonsBefore = 0;
  std::uint64_t colonsBeforeCr = 0;  // the same ten bytes on
  std::size_t skipped = 0;
  bool fresh = !inBlock;
  const BlockMasks* masked = nullptr;
  // The test is one the masks settle, the usual dates with a look at their
  // eight bytes: whole blocks may pass in one loop.
  const bool tight = keptInMasks && shortAfterFirst && (test == LineTest::None || skip.newFormat);
  constexpr std::size_t ahead = kWhole ? 1 : kMaskedBlocks;
  for (;;) {
    if (fresh && end_ - base < kBlockSize) {
      block_ = nullptr;
      cursor_ = cursor;
      return skipped;
    }
#ifdef VARDEK_LINE_SCANNER_SSE2
    if (fresh) _mm_prefetch(base + kPrefetchDistance, _MM_HINT_T0);
#endif
    // The blocks after the first follow one another in the masks read.
    if (masked == nullptr || ++masked == masks_ + maskedBlocks_) masked = &MasksOf(base, skip.keptBytes, ahead);
    const BlockMasks& masks = *masked;
    if (fresh) {
      std::uint64_t stray = masks.cr & ~(masks.lf >> 1);
      if ((stray >> 63) != 0 && base + kBlockSize < end_ && base[kBlockSize] == '\n') stray &= ~(std::uint64_t{1} << 63);
      if (stray != 0) {
        block_ = nullptr;
        cursor_ = cursor;
        return skipped;
      }
      lfs = masks.lf;
    }
    const std::uint64_t cursorBit = cursor >= base ? std::uint64_t{1} << (cursor - base) : 0;
    const std::uint64_t starts = cursorBit | (lfs << 1);
    // The LFs below `limit` end lines that may be passed over.
    std::ptrdiff_t limit = kBlockSize;
    std::uint64_t keptStarts = 0;
    if (keptInMasks) {
      keptStarts = masks.kept & starts;
    } else {
      for (std::uint64_t rest = starts; rest != 0; rest &= rest - 1) {
        const int at = std::countr_zero(rest);
        if (skip.keep[static_cast<unsigned char>(base[at])]) keptStarts |= std::uint64_t{1} << at;
      }
    }
    if (stopAt != nullptr && stopAt < base + kBlockSize) limit = std::max<std::ptrdiff_t>(stopAt - base, 0);
    if (lfs != 0) {
      const std::ptrdiff_t at = std::countr_zero(lfs);
      std::size_t length = static_cast<std::size_t>(base + at - cursor);
      if (length > 0 && base[at - 1] == '\r') --length;
      if (length > static_cast<std::size_t>(limit_ - 2)) limit = std::min(limit, at);
    }
    // The folder and climb lines passed over with the others.
    FollowedBits followedLines;
    if (folders != nullptr) {
      limit = FollowableUpTo(base, lfs, keptStarts, limit, folders->depth, static_cast<std::size_t>(limit_ - 2),
                             followedLines);
    } else {
      limit = std::min<std::ptrdiff_t>(limit, std::countr_zero(keptStarts));
    }
    const std::uint64_t followed = followedLines.lfs;
    // The lines each test must still read one by one.
    std::uint64_t unsettled = 0;
    std::uint64_t carry = 0;
    if (colons) {
      const std::uint64_t marks = lfs | masks.colon;
      const std::uint64_t lineStarts = starts | std::uint64_t{cursor < base && openWithoutColon};
      const std::uint64_t sum = ~marks + lineStarts;
      carry = std::uint64_t{sum < ~marks};
      const std::uint64_t firstMarks = sum & marks;
      const std::uint64_t withoutColon = firstMarks & lfs & ~followed;
      if (test == LineTest::HoldsSeparator) {
        limit = std::min<std::ptrdiff_t>(limit, std::countr_zero(withoutColon));
      } else {
        const std::uint64_t firstColons = firstMarks & masks.colon;
        const std::uint64_t open = lfs & Below(limit) & ~withoutColon & ~followed;
        unsettled = WithoutGoodUsualDate(base, open, UsualDates(open, masks.cr, firstColons, colonsBefore, colonsBeforeCr));
        colonsBefore = firstColons >> (kBlockSize - 9);
        colonsBeforeCr = firstColons >> (kBlockSize - 10);
      }
    } else if (test != LineTest::None) {
      unsettled = lfs & Below(limit) & ~followed;
    }
    if (!shortAfterFirst) unsettled = lfs & Below(limit) & ~followed;
    for (std::uint64_t rest = unsettled & Below(limit); rest != 0; rest &= rest - 1) {
      const int at = std::countr_zero(rest);
      const std::uint64_t before = lfs & Below(at);
      const char* start = before == 0 ? cursor : base + (kBlockSize - std::countl_zero(before));
      const char* lf = base + at;
      std::size_t length = static_cast<std::size_t>(lf - start);
      if (length > 0 && lf[-1] == '\r') --length;
      const auto* colon = colons ? static_cast<const char*>(std::memchr(start, ':', length)) : nullptr;
      if (length > static_cast<std::size_t>(limit_ - 2) ||
          !PassesLineTest(test, skip.newFormat, std::string_view(start, length), colon)) {
        limit = at;
        break;
      }
    }
    std::uint64_t passing = lfs & Below(limit);
    auto count = static_cast<std::size_t>(passing == masks.lf ? masks.lfCount : CountBits(passing));
    for (; count > most - skipped; --count) {
      passing &= ~(std::uint64_t{1} << (63 - std::countl_zero(passing)));
      limit = 0;
    }
    skipped += count;
    if ((followed & passing) != 0) Follow(base, followedLines, passing, *folders);
    if (passing != 0) cursor = base + (kBlockSize - std::countl_zero(passing));
    // The line at the cursor goes on into the next block unless it is too long.
    if (limit < kBlockSize || skipped == most || base + kBlockSize - cursor >= limit_) {
      block_ = base;
      lfBits_ = lfs & ~passing;
      cursor_ = cursor;
      return skipped;
    }
    openWithoutColon = carry != 0;
    base += kBlockSize;
    fresh = true;
#ifdef VARDEK_LINE_SCANNER_AVX2
    if constexpr (kWhole) {
      masked = nullptr;
      CarriedColons carried{openWithoutColon, colonsBefore, colonsBeforeCr};
      const bool handsOut = !PassWhole(skip, most, folders, base, cursor, skipped, carried);
      openWithoutColon = carried.openWithoutColon;
      colonsBefore = carried.before;
      colonsBeforeCr = carried.beforeCr;
      if (handsOut) {
        block_ = nullptr;
        cursor_ = cursor;
        return skipped;
      }
      continue;
    }
#endif
    if (tight) {
      // Whole blocks of lines that all pass, with no more than the masks
      // tell and, where kept lines start, folders and climbs all followed:
      // the first block that needs more goes to the judgement above.
      while (end_ - base >= kBlockSize && (stopAt == nullptr || stopAt >= base + kBlockSize)) {
        const BlockMasks* next =
            masked == nullptr || masked + 1 == masks_ + maskedBlocks_ ? &MasksOf(base, skip.keptBytes, ahead) : masked + 1;
        const std::uint64_t lf = next->lf;
        const std::uint64_t starts = (lf << 1) | std::uint64_t{cursor == base};
        // The first line with its CR, if any, against the limit: one that
        // only its CR makes too long is judged by the block's judgement.
        const std::ptrdiff_t stored = base + std::countr_zero(lf) - cursor;
        bool clear = lf != 0 && (next->cr & ~(lf >> 1)) == 0 && stored <= limit_ - 2;
        const std::uint64_t keptStarts = next->kept & starts;
        FollowedBits followed;
        if (clear && keptStarts != 0) {
          clear = folders != nullptr && FollowableUpTo(base, lf, keptStarts, kBlockSize, folders->depth,
                                                       static_cast<std::size_t>(limit_ - 2), followed) == kBlockSize;
        }
        std::uint64_t blockCarry = 0;
        std::uint64_t firstColons = 0;
        if (colons) {
          const std::uint64_t marks = lf | next->colon;
          const std::uint64_t sum = ~marks + (starts | std::uint64_t{cursor < base && openWithoutColon});
          blockCarry = std::uint64_t{sum < ~marks};
          const std::uint64_t withoutColon = sum & marks & lf & ~followed.lfs;
          if (test == LineTest::HoldsSeparator) {
            clear = clear && withoutColon == 0;
          } else if (clear) {
            firstColons = sum & marks & next->colon;
            const std::uint64_t open = lf & ~withoutColon & ~followed.lfs;
            clear = AllGoodUsualDates(base, open, UsualDates(open, next->cr, firstColons, colonsBefore, colonsBeforeCr));
          }
        }
        const auto count = static_cast<std::size_t>(next->lfCount);
        if (!clear || count >= most - skipped) {
          masked = nullptr;
          break;
        }
        if (followed.lfs != 0) Follow(base, followed, lf, *folders);
#ifdef VARDEK_LINE_SCANNER_SSE2
        _mm_prefetch(base + kPrefetchDistance, _MM_HINT_T0);
#endif
        masked = next;
        skipped += count;
        cursor = base + (kBlockSize - std::countl_zero(lf));
        openWithoutColon = blockCarry != 0;
        if (test == LineTest::GoodDate) {
          colonsBefore = firstColons >> (kBlockSize - 9);
          colonsBeforeCr = firstColons >> (kBlockSize - 10);
        }
        base += kBlockSize;
      }
    }
  }
}

// With no line test, or the new format's date test, whole blocks are judged
// as they are read (the block pass), and only a block that stops that goes
// to the judgement: its masks alone are read. Where the stop is near (a frequent text's next place),
// the masks read some blocks at a time cost less. Each way has its own
// copy of the walk over blocks: the other's steps would only slow it.
std::size_t LineScanner::Skip(const LineSkip& skip, std::size_t most, FollowedFolders* folders) {
  const bool passable = skip.test == LineTest::None || (skip.test == LineTest::GoodDate && skip.newFormat);
  const bool whole = blockPasses_ && passable && skip.keptBytes.count >= 0 &&
                     (skip.stopAt == nullptr || skip.stopAt - cursor_ >= kBlockPassLeast);
  return whole ? SkipBlocks<true>(skip, most, folders) : SkipBlocks<false>(skip, most, folders);
}

}  // namespace vardek
