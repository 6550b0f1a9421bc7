// The card slots of a hand as every draw fills them, and the ace rule that follows each card.
#pragma once

#include <string>

#include "game/cards/Cards.h"
#include "game/shell/GameState.h"

namespace game {

// Puts the card in the hand's next slot (its value, and its name in the 25-character field), adds
// the value to the total, and gives the card's name.
inline std::string PutCardInHand(Int16 card, CheckedArray<Int16, 21>& values,
                                 CheckedArray<CardName, 21>& names, Int16& count, Int16& total) {
    count += 1;
    values[count] = GetCardValue(card);
    total += values[count];
    std::string name = GetCardString(card);
    names[count] = name;
    return name;
}

// The ace rule of every hand: after each card, the earliest aces still counted 11 drop to 1, one
// at a time, while the total is over 21.
template <std::size_t N>
void LowerAces(CheckedArray<Int16, N>& values, Int16 count, Int16& total) {
    for (int slot = 1; slot <= count; ++slot) {
        if (values[slot] == 11 && total >= 22) {
            values[slot] = 1;
            total -= 10;
        }
    }
}

}  // namespace game
