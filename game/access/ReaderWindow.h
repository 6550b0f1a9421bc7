// The events of the screen-reader choice window frmReader.
#pragma once

namespace game {

struct Game;

namespace reader {

// Fills the list and highlights "JAWS For Windows", whatever the current choice.
void Form_Load(Game& game);
// Takes the highlighted reader as the choice and closes the window.
void btnOK_Click(Game& game);
// Keeps the window open while no reader is chosen.
void Form_Unload(Game& game, bool& cancel);

}  // namespace reader

void ConnectReaderWindow(Game& game);

}  // namespace game
