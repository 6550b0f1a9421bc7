// Money is never made or lost: thousands of random hands, with random stakes, bets, plays,
// answers and clicks in the middle of the game's pauses, each settled once and exactly as its
// cards say.
#include <gtest/gtest.h>

#include "tests/game/play/RandomPlayer.h"

namespace game::test {
namespace {

TEST(Money, EveryRandomHandIsSettledOnceAndExactly) {
    for (const std::uint32_t seed : {11u, 2026u}) {
        Scenario scenario;
        const RandomPlayResult result = PlayRandomGame(scenario, {seed, 1000, true});
        SCOPED_TRACE(seed);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.hands, 1000);
        EXPECT_TRUE(result.faults.empty())
            << result.faults.size()
            << " faults, first: " << (result.faults.empty() ? "" : result.faults[0]);
    }
}

}  // namespace
}  // namespace game::test
