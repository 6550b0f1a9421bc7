// The bet frame: the bet of the next hand, taken out of the stakes before the deal; and the end of
// the money, when the player is offered a new game.
#pragma once

namespace game {

struct Game;

// Opens the bet frame with the last choice highlighted, or, with no stakes left, offers a new game.
void LoadBetWindow(Game& game);
// Confirms the highlighted bet and deals; a bet over the stakes is only taken as the full stakes.
void btnBetOK_Click(Game& game);
// The stakes are gone after a hand: offers a new game, or ends the program.
void YouAreBroke(Game& game);

}  // namespace game
