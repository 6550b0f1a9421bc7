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

}  // namespace game
