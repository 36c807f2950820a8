#include "cli/every_core.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vardek::cli {

std::size_t Cores() { return std::max(1u, std::thread::hardware_concurrency()); }

void OnEveryCore(std::size_t jobs, const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  const auto take = [&] {
    for (std::size_t i = next++; i < jobs; i = next++) work(i);
  };
  std::vector<std::thread> threads;
  for (std::size_t t = 1; t < std::min<std::size_t>(Cores(), jobs); ++t) threads.emplace_back(take);
  take();
  for (std::thread& thread : threads) thread.join();
}

}  // namespace vardek::cli
