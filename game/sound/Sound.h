// The game's sound effects: plays one of its WAV files from the program's folder through the
// wave control on the main window, waiting until the sound has ended.
#pragma once

#include <string_view>

namespace game {

struct Game;

// fileName has a leading backslash, as "\\hit.wav".
void PlaySound(Game& game, std::string_view fileName);

}  // namespace game
