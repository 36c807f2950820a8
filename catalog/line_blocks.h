#pragma once
// The bits of one 64-byte block of catalog text that passing over lines
// looks at, read with SSE2 or, where the processor has it, AVX2. A plain
// header: the AVX2 file includes it, and an inline function here could end
// up as the AVX2 copy for every caller.
#include <cstddef>
#include <cstdint>

namespace vardek {

// The first bytes of lines a skip keeps, in the two shapes the block
// readers test them by. `count` is -1 for a set of more than eight bytes,
// which the block readers leave out (kept stays 0).
struct BlockKeptBytes {
  // Byte b is kept when low[b & 15] & high[b >> 4] is not 0 (one bit for
  // each distinct high half).
  unsigned char low[16];
  unsigned char high[16];
  unsigned char bytes[8];
  int count;
};

// Bit i stands for byte i of the block.
struct BlockMasks {
  std::uint64_t lf;
  std::uint64_t cr;
  std::uint64_t kept;   // bytes of the kept set, wherever they stand
  std::uint64_t colon;
  int lfCount;          // the LFs of the block
};

// Both read `blocks` blocks of 64 bytes one after the other from `base`
// into masks[0] to masks[blocks - 1]; `kept` may be null (kept stays 0).
void ReadBlockMasksSse2(const char* base, std::size_t blocks, const BlockKeptBytes* kept, BlockMasks* masks);
void ReadBlockMasksAvx2(const char* base, std::size_t blocks, const BlockKeptBytes* kept, BlockMasks* masks);

// Fills `kept` for the `count` bytes at `bytes`.
void MakeBlockKeptBytes(const unsigned char* bytes, std::size_t count, BlockKeptBytes* kept);

}  // namespace vardek
