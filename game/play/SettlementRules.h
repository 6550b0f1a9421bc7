// The rules that decide a hand, apart from how it is told: when a hand is over, which hand wins
// a comparison of totals, and what each result gives back. Amounts are counted in bets; the bet
// itself left the stakes when the hand began.
#pragma once

namespace game {

// How a hand ended for the player, which decides its sound and results timer.
enum class HandResult { PlayerWins, DealerWins, Draw };

// A hand as the comparison sees it.
struct HandStanding {
    int total;
    // Two cards totalling 21; a hand made by splitting never is one.
    bool blackJack;
};

// How a hand that stayed compares with a dealer who did not go over 21, tested in this order.
enum class Showdown {
    BothBlackJack,          // a draw
    OnlyPlayerBlackJack,    // equal totals: the blackjack beats a 21 of three or more cards
    OnlyDealerBlackJack,    // equal totals: the blackjack beats a 21 of three or more cards
    EqualTotals,            // a draw
    PlayerHigherBlackJack,  // won at 2 to 1
    PlayerHigher,
    PlayerLower,
};

Showdown CompareHands(HandStanding player, HandStanding dealer);
// What the comparison gives back, in bets: 3 for a blackjack win, 2 for another win, 1 for a
// draw, 0 for a loss.
int ShowdownPayout(Showdown showdown);
HandResult ShowdownResult(Showdown showdown);

// What a dealer who went over 21 gives back, in bets.
int DealerBustPayout(bool playerBlackJack);
// A fifth card that keeps the hand at 21 or less wins at once, at even money.
inline constexpr int kFiveCardPayout = 2;

// A total of 22 or more.
bool IsBust(int total);
// Five cards without going over 21.
bool WinsByFiveCards(int cardCount, int total);
// The dealer draws below 17 and stands on every 17 or more, soft ones included.
bool DealerHits(int dealerTotal);

// Two first cards that may be split: equal values, or a pair of aces one of which the ace rule
// has lowered to 1.
bool IsPair(int firstValue, int secondValue);
// The pair is a pair of aces (one counted 11, the other lowered to 1).
bool IsAcePair(int firstValue, int secondValue);

}  // namespace game
