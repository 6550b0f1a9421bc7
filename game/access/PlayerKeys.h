// The keys of the player's card box txtPlayer, where a hand is played, and the stakes
// announcement they share with the bet list.
#pragma once

#include <string>

namespace game {

struct Game;

// Acts on a key of the map in force (KeyMaps.h). Every key of that map except F2 is taken from
// the text box (keyCode becomes 0) before its action runs; other keys, Up and Down among them,
// are left to the text box. Shift, Ctrl and Alt are not looked at.
void txtPlayer_KeyDown(Game& game, int& keyCode);

// "Stakes = $" and the stakes in digits.
std::string StakesSentence(const Game& game);

// The stakes sentence, then "Current " and the bet label while a bet is on the table.
void AnnounceStakes(Game& game);

}  // namespace game
