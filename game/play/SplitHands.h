// The hands made by splitting a pair (slots 1 to 4 of SplitHands): how each is kept, and how one
// becomes the hand being played.
#pragma once

#include "game/shell/Checked.h"

namespace game {

struct Game;
struct GameState;

// How a split hand ended while it was played (its Outcome).
inline constexpr int kSplitHandStanding = 0;   // stayed, or not played yet: meets the dealer
inline constexpr int kSplitHandFiveCards = 1;  // won by five cards
inline constexpr int kSplitHandBust = 2;       // went over 21

// Copies split hand `slot` into the hand being played.
void LoadPlayerFromSplit(Game& game, Int16 slot);
// Empties the player's card slots 1 to 19; the count and the total stay as they are.
void ClearPlayerCards(Game& game);
// The number of hands: 2, 3 or 4 after 1, 2 or 3 splits; 0 otherwise.
Int32 NumHands(Game& game);

// Starts split hand `slot` with the card in slot `card` of the hand being played: one card, not
// settled, no result yet.
void StartSplitHand(GameState& state, int slot, int card);
// Keeps the hand being played as split hand `slot`; its outcome and result text stay.
void StoreSplitHand(GameState& state, int slot);

}  // namespace game
