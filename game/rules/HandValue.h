// A hand's value under the ace rule, and the tests every hand is put to: bust, blackjack, the
// five-card win, and the dealer's drawing rule.
#pragma once

#include "game/rules/Rules.h"

namespace game::rules {

inline constexpr int kAceValue = 11;        // what an ace is worth until the ace rule lowers it
inline constexpr int kLoweredAceValue = 1;  // and after

// How a hand came to be: only an ordinary hand's first two cards can make a blackjack.
enum class HandKind { Ordinary, Split };

// The total of a hand's cards and how many of its aces still count 11 (the hand is soft then).
struct HandValue {
    int total = 0;
    int cards = 0;
    int softAces = 0;

    bool Soft() const { return softAces > 0; }
    friend bool operator==(const HandValue&, const HandValue&) = default;
};

// The ace rule: while the total is over 21, the earliest ace still counted 11 drops to 1, one at a
// time. A hand whose aces all count 11 until the rule lowers them comes out as the rule leaves it.
HandValue ApplyAceRule(HandValue hand);

// The hand with one more card of `cardValue` (2 to 10, or an ace as 11 or 1), counted 11 if it is
// an ace, then the ace rule. Throws std::invalid_argument for any other value.
HandValue AddCard(HandValue hand, int cardValue);

// The value of cards dealt in this order, starting from an empty hand.
template <class CardValues>
HandValue ValueOf(const CardValues& cardValues) {
    HandValue hand;
    for (const int value : cardValues) {
        hand = AddCard(hand, value);
    }
    return hand;
}

bool IsAce(int cardValue);

// Two card values that make a pair: equal, or an ace counted 11 with an ace the ace rule lowered.
bool SameValue(int first, int second);

bool IsBust(const HandValue& hand);

// Exactly two cards totalling 21 in an ordinary hand; a split hand is never a blackjack.
bool IsBlackjack(const HandValue& hand, HandKind kind);

// The player's fifth card kept the total at 21 or less: under the five-card rule the hand wins at
// once, before the dealer plays.
bool IsFiveCardWin(const HandValue& hand, const Rules& rules);

// What a player's card leads to. The five-card win is tested first: it needs 21 or less anyway.
enum class AfterCard { PlayOn, Bust, FiveCardWin };
AfterCard AfterPlayerCard(const HandValue& hand, const Rules& rules);

// The dealer draws below 17, and on a soft 17 where the dealer hits it; stands otherwise.
bool DealerDraws(const HandValue& dealer, const Rules& rules);

}  // namespace game::rules
