// The player's side of a hand: one more card, and the Hit and Stay commands.
#pragma once

#include "game/rules/Eligibility.h"
#include "game/rules/HandValue.h"

namespace game {

struct Game;
struct GameState;

// Gives the player the next card of the deck, shows and speaks it, applies the ace rule, and ends
// the hand at once on a fifth card that keeps the total at 21 or less (won at even money) or on a
// total over 21 (lost).
void Player1Draw(Game& game);

// The card-giving part of every draw of the player, ordinary or split: the next card stored in
// the hand being played, shown and spoken, and the ace rule applied.
void DrawPlayerCard(Game& game);
// What the last card did to the hand being played: the rules say whether it plays on, went over
// 21 or won with five cards.
rules::AfterCard AfterLastCard(const GameState& state);

// A hit asked for now, as the rules check it.
rules::HitRequest HitRequestOf(const GameState& state);

// Hit: the hit sound, then one more card (refused after a split of aces).
void btnHit_Click(Game& game);
// Stay: "The player stays. " and the dealer's turn, or the next split hand (nothing on a total
// over 21).
void btnStay_Click(Game& game);

}  // namespace game
