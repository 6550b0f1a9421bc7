// The main window's own operations: loading, focus, and showing or hiding the table.
#pragma once

namespace game {

struct Game;

// Runs once when the start-up loads the window: creates the wave control, then sets the empty
// application title and the help file's path, and hides the wave control's place. It has no error
// handler: a failure here stops the program.
void Form_Load(Game& game);
void Form_GotFocus(Game& game);
void Player1Show(Game& game);
void Player1Hide(Game& game);

}  // namespace game
