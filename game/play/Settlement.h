// How an ordinary hand ends: what its result returns goes into the stakes, the labels follow, the
// hand is over, and the results text waits for the timer that opens the results frame 100 ms
// later.
#pragma once

#include <string>

#include "game/rules/Settlement.h"
#include "game/shell/Checked.h"

namespace game {

struct Game;

// What a result gives back to the stakes for a hand's bet, by the table's rules; an amount beyond
// the stakes' width is an overflow.
Int32 Returned(rules::Result result, Int32 bet);

// Adds what `result` returns for Bet to Stakes, shows the stakes, hides the bet, ends the hand,
// keeps `text` for the results frame, plays the result's sound and arms its timer.
void SettleHand(Game& game, rules::Result result, std::string text);

}  // namespace game
