// Playing the hands of a split one after the other: their cards, a hand that ends by its own card
// (five cards or over 21), and the move to the next hand or to the dealer.
#pragma once

namespace game {

struct Game;

// Gives the split hand being played the next card. A fifth card at 21 or less wins the hand at
// once, a total over 21 loses it; either is told to the player, and the next hand follows.
void SplitPlayerDraw(Game& game);

// Keeps the finished hand and announces and deals the next one ("Hand #" and its number); after
// the last hand the dealer plays, unless no hand is left standing.
void NextSplit(Game& game);

// Puts the hand being played on the table on its own, named "Hand #" and its number, with its
// first card shown and spoken.
void ShowSplitHand(Game& game);

}  // namespace game
