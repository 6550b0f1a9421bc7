// Money is never made or lost: thousands of random hands, with random stakes, bets, plays,
// splits, answers and clicks in the middle of the game's pauses, each deal settled once and
// exactly as the cards of all its hands say.
#include <gtest/gtest.h>

#include "tests/game/play/RandomPlayer.h"

namespace game::test {
namespace {

RandomPlayResult PlayAndCheck(std::uint32_t seed, int hands) {
    Scenario scenario;
    const RandomPlayResult result = PlayRandomGame(scenario, {seed, hands, true});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.hands, hands);
    EXPECT_TRUE(result.faults.empty())
        << result.faults.size()
        << " faults, first: " << (result.faults.empty() ? "" : result.faults[0]);
    return result;
}

TEST(Money, EveryRandomHandIsSettledOnceAndExactly) {
    for (const std::uint32_t seed : {11u, 2026u}) {
        SCOPED_TRACE(seed);
        PlayAndCheck(seed, 1000);
    }
}

TEST(Money, RandomSplitsResplitsAndSplitAcesAreSettledOnceAndExactly) {
    for (const std::uint32_t seed : {7u, 404u}) {
        SCOPED_TRACE(seed);
        const RandomPlayResult result = PlayAndCheck(seed, 1500);
        // The random player splits most pairs it is dealt: every kind of split comes up.
        EXPECT_GT(result.splits, 50);
        EXPECT_GT(result.resplits, 10);
        EXPECT_GT(result.splitAces, 0);
    }
}

}  // namespace
}  // namespace game::test
