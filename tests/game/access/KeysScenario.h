// Hands for the tests of the game's keys: which reader, which cards, and the trace lines speech
// gives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/game/cards/HandScenario.h"

namespace game::test {

// The player holds the 10 and 8 of spades (18), the dealer the 10 of diamonds face down and the
// king of diamonds face up (20, so the dealer stays); a hit brings the ace of spades.
inline const std::vector<int> kStandingHand = {10, 23, 8, 26};
// The same, but a hit brings the king of spades and busts.
inline const std::vector<int> kBustingHand = {10, 23, 8, 26, 13};

// `reader` stored and the deck stacked; $1000 staked and $100 bet at 2000 ms; the deal is over at
// 6000 ms, where `play` begins.
std::string KeysScript(const std::string& reader, const std::vector<int>& deck,
                       const std::string& play);

// The trace line of one Speak (texts without quotes, backslashes or line breaks).
std::string SpeakLine(int t, std::string_view reader, std::string_view text);

}  // namespace game::test
