#pragma once
// Passing over whole 64-byte blocks, each block read once with AVX2 and
// judged on the spot: the lines a search passes over between the places of
// its text (no line test), and the file lines of good dates the bad-date
// scan passes over. A plain header, as line_blocks.h is.
#include <cstddef>
#include <cstdint>

#include "catalog/line_blocks.h"
#include "catalog/usual_date.h"

namespace vardek {

// A folder ("\" and name) or climb ("..") line passed over, without its
// line end; in the order of the data.
struct PassedFolderLine {
  const char* start;
  std::size_t length;
};

struct BlockPass {
  // A block ends at most 32 folder or climb lines (a byte and an LF at
  // least, the first perhaps begun in the block before).
  static constexpr std::size_t kFollowedRoom = 256;
  static constexpr std::size_t kMostFollowedInBlock = 32;

  // In: the first block and the line going on into it (its start, at or
  // before `base`); no block passed reaches past `stop`, and a CR as a
  // block's last byte is judged by the byte behind it where that lies
  // before `dataEnd`. Lines are passed up to `longest` stored bytes (at
  // least 127), fewer than `most` of them, and folder and climb lines only
  // where `follows` (keeping the depth rules from `depth`, below
  // `maxLevels`).
  const char* base = nullptr;
  const char* cursor = nullptr;
  const char* stop = nullptr;
  const char* dataEnd = nullptr;
  std::size_t longest = 0;
  std::size_t most = 0;
  int depth = 0;
  int maxLevels = 0;
  bool follows = false;
  // For the date test, in and out, of the line going on into the block at
  // `base`: whether it holds no ":" yet; and the first ":" of lines begun
  // in the block before, at the bits where their LF would stand nine bytes
  // on (ten with a CR before the LF).
  UsualDateTables dates{};
  bool openWithoutColon = false;
  std::uint64_t colonsBefore = 0;
  std::uint64_t colonsBeforeCr = 0;
  // Out: `base` is the first block not passed, `cursor` the line start after
  // the last LF passed and `depth` moved by the folder and climb lines
  // passed, which `followed` lists.
  std::size_t lines = 0;
  std::size_t followedCount = 0;
  PassedFolderLine followed[kFollowedRoom];
};

// Passes the blocks from `pass.base` while each holds an LF, no CR but
// right before an LF, a first line no longer than `longest` (its CR
// counted) and no kept line start (by `kept`, of eight bytes at most) but
// followed folder and climb lines; stops early rather than fill `followed`.
void PassPlainBlocksAvx2(const BlockKeptBytes& kept, BlockPass& pass);

// The same for the new format's date test: every other line of a block
// passed holds no ":" or has a good date of the usual shape right after
// its first ":", to its end. A block with any other date is left to the
// judgement, which reads such dates whole.
void PassDatedBlocksAvx2(const BlockKeptBytes& kept, BlockPass& pass);

}  // namespace vardek
