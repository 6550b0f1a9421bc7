// The dealer's side of an ordinary hand: one more card, and the dealer's turn that settles it.
#pragma once

namespace game {

struct Game;

// Gives the dealer the next card (the first face down, from the third on announced with a pause),
// applies the ace rule, and settles the hand for the player when the dealer goes over 21.
void DealerDraw(Game& game);

// The dealer's turn: names the two opening cards, draws to 17 (standing on every 17, soft ones
// included), and settles the hand by comparing the totals unless the dealer went over 21.
void DealToDealer(Game& game);

// The card-giving part of every draw of the dealer, ordinary or split: the next card stored,
// shown (the first face down), announced from the third on, and the ace rule applied.
void DrawDealerCard(Game& game);
// The dealer's play shared by ordinary and split hands: the two opening cards named, then a card
// from `draw` while the total is below 17.
void DealerPlaysOut(Game& game, void (*draw)(Game&));

}  // namespace game
