// The two hands on the table: the text boxes that show them, and reading them out on request.
#pragma once

#include <string_view>

namespace game {

struct Game;

// Appends the card's name as a line of txtPlayer and speaks " you drew the " and the name.
void AddToPlayer(Game& game, std::string_view cardName);
// Appends the text as a line of txtDealer, silently.
void AddToDealer(Game& game, std::string_view text);
// Empty the box down to its empty first line.
void ClearPlayerTextBox(Game& game);
void ClearDealerTextBox(Game& game);

// Speak the player's cards, or the dealer's face-up cards (never the face-down one); outside a
// hand they say that no game is in progress.
void ReadPlayerCards(Game& game);
void ReadDealerCards(Game& game);

}  // namespace game
