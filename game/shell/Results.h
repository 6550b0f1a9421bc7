// The results frame between two hands: the timers that open it once a hand is settled, the frame
// with the account of the hand, and its three ways on (same bet, new bet, exit).
#pragma once

namespace game {

struct Game;

// Each disarms itself, takes its outcome's text as ResultsText and opens the results frame.
void tmrPlayerWins_Timer(Game& game);
void tmrDealerWins_Timer(Game& game);
void tmrDraw_Timer(Game& game);

// Replaces the table by the results frame showing ResultsText (spoken a second later under JAWS).
void LoadResultsWindow(Game& game);

void btnSameBet_Click(Game& game);
void btnNewBet_Click(Game& game);
void btnExitGame_Click(Game& game);

// Closes the results frame and starts what the player chose.
void UnloadResultsWindow(Game& game);
// The next hand with the same bet (the bet from before a double down), or the bet frame when the
// stakes no longer cover it, or the broke question when they are gone.
void ContinueSameBet(Game& game);

}  // namespace game
