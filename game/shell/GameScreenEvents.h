// Connects the main window's events (form, menus, timers) to the game's operations.
#pragma once

namespace game {

struct Game;

void ConnectGameScreen(Game& game);

}  // namespace game
