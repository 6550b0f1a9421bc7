// The Game menu's New Game and Exit, and the main window's unloading: the ways a game restarts
// or the program ends.
#pragma once

namespace game {

struct Game;

void mnuGameNew_Click(Game& game);
void mnuGameExit_Click(Game& game);
// The main window is closing (system close, or the game unloading it): asks while a hand is in
// play, and ends the program unless the player keeps it open.
void Form_Unload(Game& game, bool& cancel);

}  // namespace game
