// The engine's memo: what it keeps it finds again, through every growth, and it refuses what it
// cannot keep.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "game/coach/KeyedMemo.h"

namespace game::coach::test {
namespace {

TEST(KeyedMemo, FindsEveryKeyItKeptThroughEveryGrowth) {
    KeyedMemo<double> memo(4);
    // Keys as the engine makes them: counts packed five bits a rank, so many share low bits.
    constexpr std::uint64_t kKeys = 5000;
    for (std::uint64_t key = 0; key < kKeys; ++key) {
        memo.Add(key << 5, 0.5 * static_cast<double>(key));
    }
    EXPECT_EQ(memo.Size(), kKeys);
    for (std::uint64_t key = 0; key < kKeys; ++key) {
        const double* found = memo.Find(key << 5);
        ASSERT_NE(found, nullptr) << key;
        EXPECT_EQ(*found, 0.5 * static_cast<double>(key));
        EXPECT_EQ(memo.Find((key << 5) | 1), nullptr) << key;
    }
}

TEST(KeyedMemo, RefusesAKeyTwiceAndTheKeyThatMarksAFreeSlot) {
    KeyedMemo<int> memo;
    EXPECT_EQ(memo.Find(0), nullptr);
    memo.Add(0, 7);
    EXPECT_THROW(memo.Add(0, 8), std::logic_error);
    EXPECT_EQ(*memo.Find(0), 7);
    EXPECT_THROW(memo.Add(KeyedMemo<int>::kFree, 1), std::invalid_argument);
    EXPECT_EQ(memo.Find(KeyedMemo<int>::kFree), nullptr);
    EXPECT_EQ(memo.Size(), 1u);
}

}  // namespace
}  // namespace game::coach::test
