// The player's side of a hand: one more card, and the Hit and Stay commands.
#pragma once

namespace game {

struct Game;

// Gives the player the next card of the deck, shows and speaks it, applies the ace rule, and ends
// the hand at once on a fifth card that keeps the total at 21 or less (won at even money) or on a
// total over 21 (lost).
void Player1Draw(Game& game);

// Hit: the hit sound, then one more card (refused after a split of aces).
void btnHit_Click(Game& game);
// Stay: "The player stays. " and the dealer's turn (nothing on a total over 21).
void btnStay_Click(Game& game);

}  // namespace game
