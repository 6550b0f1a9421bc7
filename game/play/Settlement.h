// How an ordinary hand ends: the payout goes into the stakes, the labels follow, the hand is over,
// and the results text waits for the timer that opens the results frame 100 ms later.
#pragma once

#include <string>

#include "game/play/SettlementRules.h"
#include "game/shell/Checked.h"

namespace game {

struct Game;

// Adds `payout` to Stakes, shows the stakes, hides the bet, ends the hand, keeps `text` for the
// results frame, plays the result's sound and arms its timer.
void SettleHand(Game& game, Int32 payout, HandResult result, std::string text);

}  // namespace game
