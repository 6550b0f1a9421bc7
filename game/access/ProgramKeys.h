// Keys that work in every window of the game, during its pauses too, and never change the game:
// F4 says the last text again, F5 and F6 move back and forth through what the game said, F7
// tells how this game is going, and Control pressed alone silences the game's speech.
#pragma once

#include "platform/ui/KeyCodes.h"

namespace game {

struct Game;

// Acts on the key; true when it was one of these keys, which go no further.
bool TakeProgramKey(Game& game, int keyCode, ui::Modifiers modifiers);

void ConnectProgramKeys(Game& game);

}  // namespace game
