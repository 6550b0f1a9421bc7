// Commands the game must ignore: a hand played with them and without them must leave the same
// trace and the same stakes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {

// Plays the stacked `deck` with `play`, then with `withExtra` (the same play, with commands given
// where the game must ignore them), and compares the two.
inline void ExpectIgnored(const std::vector<int>& deck, const std::string& play,
                          const std::string& withExtra) {
    Scenario plain;
    ASSERT_EQ(RunGame(plain, HandScript(deck, play)), 0);
    Scenario extra;
    ASSERT_EQ(RunGame(extra, HandScript(deck, withExtra)), 0);
    EXPECT_EQ(extra.Lines(), plain.Lines());
    EXPECT_EQ(extra.LastGame().state.Stakes, plain.LastGame().state.Stakes);
}

}  // namespace game::test
