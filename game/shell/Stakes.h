// The stakes frame: the starting money of a new game.
#pragma once

namespace game {

struct Game;

// Shows the stakes frame with its ten amounts, the first highlighted and the list focused.
void LoadStakes(Game& game);

}  // namespace game
