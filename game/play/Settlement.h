// How an ordinary hand ends: the payout goes into the stakes, the labels follow, the hand is over,
// and the results text waits for the timer that opens the results frame 100 ms later.
#pragma once

#include <string>

#include "game/shell/GameState.h"

namespace game {

struct Game;

enum class HandResult { PlayerWins, DealerWins, Draw };

// Adds `payout` to Stakes, shows the stakes, hides the bet, ends the hand, keeps `text` for the
// results frame, plays the result's sound and arms its timer.
void SettleHand(Game& game, Int32 payout, HandResult result, std::string text);

// The trimmed name of each card from slot 1 to `count`, each on its own line.
std::string CardList(const CheckedArray<CardName, 21>& names, Int16 count);

}  // namespace game
