// Double down: on the first two cards, double the bet for exactly one more card, after which the
// dealer plays at once.
#pragma once

#include "game/rules/Eligibility.h"

namespace game {

struct Game;
struct GameState;

// A double down asked for now, as the rules check it.
rules::DoubleRequest DoubleDownRequestOf(const GameState& state);

// The Double Down command.
void btnDouble_Click(Game& game);
// Refuses a double down the rules do not allow now (during split hands under the title "Split
// Pairs"), otherwise explains and, on Yes, doubles the bet, draws the one card and hands over to
// the dealer.
void DoYouWantDoubleDown(Game& game);

}  // namespace game
