// Taking the cards of a hand off the deck, and the shuffle the player hears.
#pragma once

#include "game/shell/Checked.h"

namespace game {

struct Game;

// The card at DealPosition, which then moves on by one. When the deck is used up in the middle of
// a hand (split hands can need more cards than are left), the cards that are not on the table are
// first shuffled into a fresh deck, with the shuffle sound: a hand never runs out of cards and is
// never dealt one that is already on the table.
Int16 NextCard(Game& game);

// The shuffle sound, and a pause for it.
void ShuffleSound(Game& game);

}  // namespace game
