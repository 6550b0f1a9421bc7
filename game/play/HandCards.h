// The card slots of a hand as every draw fills them, and the ace rule that follows each card.
#pragma once

#include <cstddef>
#include <string>

#include "game/cards/Cards.h"
#include "game/cards/HandValues.h"
#include "game/rules/HandValue.h"
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

// The ace rule after each card, with the card's value already added to `total`: the rule decides
// how many aces drop to 1, and they are the earliest slots still holding 11.
template <std::size_t N>
void LowerAces(CheckedArray<Int16, N>& values, Int16 count, Int16& total) {
    const rules::HandValue hand = HandValueOf(values, count, total);
    int lowered = hand.softAces - rules::ApplyAceRule(hand).softAces;
    for (int slot = 1; slot <= count && lowered > 0; ++slot) {
        if (values[slot] == rules::kAceValue) {
            values[slot] = rules::kLoweredAceValue;
            total -= rules::kAceValue - rules::kLoweredAceValue;
            lowered -= 1;
        }
    }
}

}  // namespace game
