// The blackjack tests of the two hands as they stand: exactly two cards totalling 21.
#pragma once

namespace game {

struct Game;

bool PlayerBlackJack(const Game& game);
bool DealerBlackJack(const Game& game);

}  // namespace game
