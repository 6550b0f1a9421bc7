// The keys of the stakes and bet lists and of the results frame's text box and buttons: Enter
// confirms, F3 tells the stakes, F2 speaks the control's help. None of them is taken from the
// control, which handles it in its usual way too.
#pragma once

namespace game {

struct Game;

void lstStakes_KeyDown(Game& game, int keyCode);
void lstBet_KeyDown(Game& game, int keyCode);
void txtResults_KeyDown(Game& game, int keyCode);
void btnSameBet_KeyDown(Game& game, int keyCode);
void btnNewBet_KeyDown(Game& game, int keyCode);
void btnExitGame_KeyDown(Game& game, int keyCode);

}  // namespace game
