// A random player for whole games on the headless back end: it reads the game's state and the
// trace as it goes and answers with script commands (stakes, bets, hits, stays, doubles,
// insurance, splits of the pairs it is dealt, answers to every question, clicks on the table's
// buttons at any moment, waits of any length), and checks after every deal that the stakes moved
// exactly as the cards of all its hands say they should, and that no card was on the table twice.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/game/shell/Scenario.h"

namespace game::test {

struct RandomPlayOptions {
    std::uint32_t seed = 1;
    // Hands to settle before the script ends.
    int hands = 1000;
    // Clicks on the table's buttons given in the middle of the game's pauses.
    bool storms = true;
};

struct RandomPlayResult {
    int status = 0;
    int hands = 0;
    // Deals split into several hands, further splits of those hands, and splits of aces.
    int splits = 0;
    int resplits = 0;
    int splitAces = 0;
    // One line for each hand whose settlement did not match, and for anything else amiss.
    std::vector<std::string> faults;
};

// Plays in the scenario's folder with JAWS stored and a quiet wave control.
RandomPlayResult PlayRandomGame(Scenario& scenario, const RandomPlayOptions& options);

}  // namespace game::test
