// The hand-over of pieces made on every core to the one thread that takes
// them: in order, each once, and never a slot made again before its piece
// is taken, whatever the order the makers finish in.
#include "cli/every_core.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace vardek::cli {
namespace {

TEST(InOrderOnEveryCore, TakesEveryPieceOnceInOrderAndNeverReusesAHeldSlot) {
  struct Case {
    std::size_t pieces;
    std::size_t slots;
  };
  for (const Case c : {Case{0, 2}, Case{1, 1}, Case{2, 1}, Case{7, 2}, Case{200, 4}, Case{64, 1}}) {
    SCOPED_TRACE(testing::Message() << c.pieces << " pieces, " << c.slots << " slots");
    std::mutex mutex;
    std::mt19937 random(static_cast<unsigned>(c.pieces * 31 + c.slots));
    std::vector<long> slotHolds(c.slots, -1);  // the piece made into each slot and not yet taken
    std::vector<int> madeTimes(c.pieces, 0);
    std::vector<std::size_t> takenOrder;
    std::atomic<int> reusedHeldSlot{0};
    const PieceWork make = [&](std::size_t piece, std::size_t slot) {
      unsigned pause = 0;
      {
        std::lock_guard lock(mutex);
        if (slotHolds[slot] != -1) ++reusedHeldSlot;
        pause = random() % 200;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(pause));
      std::lock_guard lock(mutex);
      slotHolds[slot] = static_cast<long>(piece);
      ++madeTimes[piece];
    };
    const PieceWork take = [&](std::size_t piece, std::size_t slot) {
      std::lock_guard lock(mutex);
      EXPECT_EQ(slotHolds[slot], static_cast<long>(piece));
      slotHolds[slot] = -1;
      takenOrder.push_back(piece);
    };
    InOrderOnEveryCore(c.pieces, c.slots, make, take);
    EXPECT_EQ(reusedHeldSlot.load(), 0);
    ASSERT_EQ(takenOrder.size(), c.pieces);
    for (std::size_t piece = 0; piece < c.pieces; ++piece) {
      EXPECT_EQ(takenOrder[piece], piece);
      EXPECT_EQ(madeTimes[piece], 1);
    }
  }
}

}  // namespace
}  // namespace vardek::cli
