// What the game says when the focus reaches the table's text boxes or the stakes and bet lists.
#pragma once

namespace game {

struct Game;

// " your cards ", the caret to the top, and a second later, under JAWS For Windows, the cards:
// unless the focus has left them or arrived again meanwhile (that arrival reads them), or the
// hand is over.
void txtPlayer_GotFocus(Game& game);
// " dealers cards " and the caret to the start.
void txtDealer_GotFocus(Game& game);
// Under Window-Eyes only: the list is named.
void lstStakes_GotFocus(Game& game);
void lstBet_GotFocus(Game& game);

}  // namespace game
