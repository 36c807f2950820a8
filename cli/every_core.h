#pragma once
// Work spread over the processor's cores, for the command line's searches
// and its printing.
#include <cstddef>
#include <functional>

namespace vardek::cli {

// The cores there are to work on (1 where that cannot be told).
std::size_t Cores();

// Runs work(0) to work(jobs - 1) spread over the cores, this thread included.
void OnEveryCore(std::size_t jobs, const std::function<void(std::size_t)>& work);

// Runs make(piece, slot) for pieces 0 to pieces - 1 on every core and hands
// each made piece to take(piece, slot) on this thread, in order. At most
// `slots` pieces are made and not yet taken at a time, so a slot is free to
// be made again once it is taken: little waits in memory.
using PieceWork = std::function<void(std::size_t piece, std::size_t slot)>;
void InOrderOnEveryCore(std::size_t pieces, std::size_t slots, const PieceWork& make, const PieceWork& take);

}  // namespace vardek::cli
