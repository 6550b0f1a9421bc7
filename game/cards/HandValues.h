// The hands of the game state as the table's rules see them: the total the hand keeps, its number
// of cards, and its aces still counted 11 (the slots that hold 11).
#pragma once

#include <cstddef>

#include "game/rules/HandValue.h"
#include "game/shell/GameState.h"

namespace game {

// The hand whose card values fill slots 1 to `count`.
template <std::size_t N>
rules::HandValue HandValueOf(const CheckedArray<Int16, N>& values, Int16 count, Int16 total) {
    rules::HandValue hand{total, count, 0};
    for (int slot = 1; slot <= count; ++slot) {
        if (values[slot] == rules::kAceValue) {
            hand.softAces += 1;
        }
    }
    return hand;
}

// The hand being played (a split hand once loaded into it) and the dealer's.
rules::HandValue PlayerHandValue(const GameState& state);
rules::HandValue DealerHandValue(const GameState& state);

}  // namespace game
