// The stakes frame: the starting money of a new game.
#pragma once

namespace game {

struct Game;

// Shows the stakes frame with its ten amounts, the first highlighted and the list focused.
void LoadStakes(Game& game);

// Confirms the highlighted stake: a new game's money, no bet yet, the deck from its first slot.
void btnStakesOK_Click(Game& game);

}  // namespace game
