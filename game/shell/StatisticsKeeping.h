// Keeps the player's statistics as the game settles: each settlement adds to the deal in play,
// and the deal's end adds it to both columns and stores the all-time figures (section
// "Statistics").
#pragma once

#include "game/rules/Settlement.h"

namespace game {

struct Game;

// One settled hand as the statistics count it.
struct CountedHand {
    rules::Result result;
    bool blackJack = false;
    bool fiveCards = false;
    bool doubled = false;
};

// The stored all-time figures; a damaged or missing figure reads as 0.
void LoadStatistics(Game& game);
// A new game at the stakes just chosen: this game's figures start again.
void BeginGameStatistics(Game& game);

void CountHand(Game& game, const CountedHand& hand);
// An insurance bet settled: Win when the dealer had blackjack, else Lose.
void CountInsurance(Game& game, rules::Result result);
void CountSplit(Game& game);
// Every hand of the deal is settled and paid: the deal goes into both columns and the store.
void EndDealStatistics(Game& game);

// Clears and stores the all-time figures; throws what the store throws.
void ResetAllTimeStatistics(Game& game);

}  // namespace game
