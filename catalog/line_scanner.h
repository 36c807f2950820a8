#pragma once
// Catalog lines handed out without copying: a line that reads exactly as it
// is stored (no CR but the one before its LF, shorter than the limit) comes
// as a view into the data; any other line goes through ReadLine into the
// caller's scratch buffer. The lines, their bytes and their cut flags are
// those of ReadLine in every case.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/line_skip.h"
#include "platform/cpu_features.h"

namespace vardek {

class LineScanner {
 public:
  void Start(const char* begin, const char* end, int limit);
  bool HasData() const { return cursor_ < end_; }
  const char* Cursor() const { return cursor_; }
  const char* End() const { return end_; }

  // The next line; `scratch` holds at least the limit in bytes and receives
  // the lines that must be copied (zero-terminated there). `cut` as ReadLine.
  std::string_view Next(char* scratch, bool& cut);

  // Passes over at most `most` lines from the cursor that `skip` lets go,
  // up to the first line it keeps, and returns how many. Only lines that
  // Next would hand out in place are passed over, whole 64-byte blocks at a
  // time where no kept line starts in them. With `folders`, a skip that
  // follows folders passes over the folder and climb lines that keep the
  // depth rules too, moving `folders` as it goes; those lines are among the
  // lines returned.
  std::size_t Skip(const LineSkip& skip, std::size_t most, FollowedFolders* folders = nullptr);

  // For readers that need neither line numbers nor the lines between: moves
  // the cursor, reading no lines, to the start after the last LF before the
  // next byte of `firstBytes` (or before the end where there is none), so
  // that the line holding it comes next. No line passed starts with one of
  // them.
  void MoveTowards(std::string_view firstBytes);

  // Skip reads its blocks with AVX2 where the processor has it (the
  // default), or with SSE2 (tests run both).
  void UseWideSteps(bool wide);

  // True when `line` points into the data rather than into a scratch buffer.
  bool InData(std::string_view line) const { return line.data() >= begin_ && line.data() < end_; }

 private:
  bool LoadBlock(const char* base);
  std::string_view Copied(char* scratch, bool& cut);
  const BlockMasks& MasksOf(const char* base, const BlockKeptBytes& kept, std::size_t ahead);
  bool BlockPassesFit() const;
  // What the date test carries from one block to the next: whether the
  // line going on into it holds no ":" yet, and the first ":" of lines in
  // the last bytes of the block before, at the bits where an LF nine (or,
  // after a CR, ten) bytes on would stand.
  struct CarriedColons {
    bool openWithoutColon = true;
    std::uint64_t before = 0;
    std::uint64_t beforeCr = 0;
  };
  template <bool kWhole>
  std::size_t SkipBlocks(const LineSkip& skip, std::size_t most, FollowedFolders* folders);
  bool PassWhole(const LineSkip& skip, std::size_t most, FollowedFolders* folders, const char*& base,
                 const char*& cursor, std::size_t& skipped, CarriedColons& carried) const;

  const char* begin_ = nullptr;
  const char* cursor_ = nullptr;
  const char* end_ = nullptr;
  int limit_ = 260;
  // The 64-byte block being read: its LF bits not yet handed out. Only a
  // block whose every CR stands right before an LF is used.
  const char* block_ = nullptr;
  std::uint64_t lfBits_ = 0;
  bool wide_ = ProcessorHasAvx2();
  bool blockPasses_ = false;  // by BlockPassesFit, for the limit and steps in use
  // The masks of the blocks Skip reads next, read some at a time: a walk
  // stops at a kept line now and then and goes on from there.
  static constexpr std::size_t kMaskedBlocks = 32;
  BlockMasks masks_[kMaskedBlocks] = {};
  const char* maskedFrom_ = nullptr;
  std::size_t maskedBlocks_ = 0;
  std::uint64_t maskedKept_ = 0;  // the kept bytes they were read for
  int maskedKeptCount_ = 0;
};

}  // namespace vardek
