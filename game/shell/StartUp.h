// The program's start and the start of every new game.
#pragma once

namespace game {

struct Game;

// The start-up sequence: load and show the main window, establish the screen reader, and arm
// the timer that begins the game one second later. No error handler: a failure ends the program.
void ProgramEntry(Game& game);

// One second after start-up: the help hint, then the first game.
void tmrBeginGame_Timer(Game& game);

// A new game: pending results windows cancelled, a shuffle due, the stakes frame opened.
void BeginGame(Game& game);

// Switches off the timers of a results window still due to open (the player's win, the dealer's
// win, a draw, the hands of a split), so that it does not open over a new game.
void CancelPendingResults(Game& game);

}  // namespace game
