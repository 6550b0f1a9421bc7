// The Options menu: the speech rate of the game's voice and the level of its sounds, each change
// said at once and kept in the settings store.
#pragma once

namespace game {

struct Game;

// Reads the stored options and gives the sounds their level (the voices take the rate as they
// are made).
void LoadOptions(Game& game);

void mnuOptionsFaster_Click(Game& game);
void mnuOptionsSlower_Click(Game& game);
void mnuOptionsLouder_Click(Game& game);
void mnuOptionsSofter_Click(Game& game);
void mnuOptionsSounds_Click(Game& game);

void ConnectOptionsMenu(Game& game);

}  // namespace game
