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

}  // namespace vardek::cli
