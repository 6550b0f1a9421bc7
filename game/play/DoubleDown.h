// Double down: on the first two cards, double the bet for exactly one more card, after which the
// dealer plays at once.
#pragma once

namespace game {

struct Game;

// The Double Down command (refused during split hands).
void btnDouble_Click(Game& game);
// Checks, explains and, on Yes, doubles the bet, draws the one card and hands over to the dealer.
void DoYouWantDoubleDown(Game& game);

}  // namespace game
