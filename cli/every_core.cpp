#include "cli/every_core.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vardek::cli {

// Asked once: the library reads it from the system each time.
std::size_t Cores() {
  static const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return cores;
}

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

void InOrderOnEveryCore(std::size_t pieces, std::size_t slots, const PieceWork& make, const PieceWork& take) {
  if (Cores() == 1 || pieces <= 1) {
    for (std::size_t piece = 0; piece < pieces; ++piece) {
      make(piece, 0);
      take(piece, 0);
    }
    return;
  }
  // Each thread is woken only by what it waits for: this one by the piece
  // it takes next, a maker by a slot taken (a folder of small catalogs is
  // hundreds of pieces, and waking every thread for each cost its share).
  std::mutex mutex;
  std::condition_variable pieceMade;
  std::condition_variable slotFreed;
  std::size_t next = 0;   // the next piece to be made
  std::size_t taken = 0;  // the pieces taken so far
  std::vector<char> made(slots, 0);
  const auto maker = [&] {
    std::unique_lock lock(mutex);
    for (;;) {
      slotFreed.wait(lock, [&] { return next == pieces || next < taken + slots; });
      if (next == pieces) return;
      const std::size_t piece = next++;
      lock.unlock();
      make(piece, piece % slots);
      lock.lock();
      made[piece % slots] = 1;
      if (piece == taken) pieceMade.notify_one();
    }
  };
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < std::min(Cores(), pieces); ++t) threads.emplace_back(maker);
  for (std::size_t piece = 0; piece < pieces; ++piece) {
    const std::size_t slot = piece % slots;
    std::unique_lock lock(mutex);
    pieceMade.wait(lock, [&] { return made[slot] != 0; });
    made[slot] = 0;
    lock.unlock();
    take(piece, slot);
    lock.lock();
    ++taken;
    // The last piece taken: every maker still waiting is to stop.
    if (taken == pieces) {
      slotFreed.notify_all();
    } else {
      slotFreed.notify_one();
    }
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace vardek::cli
