// The start of every hand: the hand state cleared, the deck shuffled when due, the table shown,
// two cards each dealt and the player's spoken, and insurance offered when the dealer shows an ace.
#pragma once

namespace game {

struct Game;

// Called once the bet has been taken out of the stakes.
void DealCards(Game& game);

}  // namespace game
