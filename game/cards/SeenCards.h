// The record of the cards the player has seen since the last shuffle, which is all the coach may
// know of the deck: kept at the points where a card turns face up, and renewed with the deck.
#pragma once

#include <vector>

#include "game/shell/Checked.h"

namespace game {

struct GameState;

// A card dealt face up (or turned face up) is seen; a card seen before stays seen once.
void NoteCardSeen(GameState& state, Int16 card);
// The dealer's face-down card has been told: named at the dealer's turn, or given away by the
// settled insurance bet.
void NoteFaceDownCardSeen(GameState& state);
// A new deck: nothing of it has been seen.
void ForgetSeenCards(GameState& state);
// A fresh deck shuffled around the cards on the table: of what was seen, only those cards are out
// of the new deck.
void KeepSeenCardsOnTable(GameState& state, const std::vector<Int16>& onTable);

// The blackjack values (an ace 11) of the cards seen, in the order seen.
std::vector<int> SeenCardValues(const GameState& state);

}  // namespace game
