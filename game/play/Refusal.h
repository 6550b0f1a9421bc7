// A play the game refuses: a notice with an OK button and the information icon, titled with the
// play it refuses.
#pragma once

#include <string>

namespace game {

struct Game;

void Refuse(Game& game, std::string play, std::string text);

}  // namespace game
