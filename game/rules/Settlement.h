// How a hand that reached the dealer's turn is settled, what each result pays, and the insurance
// side bet. Money is whole dollars; the bet has left the stakes when the hand began, so a
// settlement gives back what the player receives.
#pragma once

#include <cstdint>

#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"

namespace game::rules {

using Money = std::int64_t;

enum class Result { Lose, Draw, Win, BlackjackWin };

// The settlement of an ordinary hand against the dealer's final hand, in the order the tests are
// made: a dealer over 21 first, then equal totals (blackjacks decide), then the higher total.
enum class Settlement {
    DealerBustPlayerBlackjack,
    DealerBust,
    BothBlackjack,
    EqualPlayerBlackjack,
    EqualDealerBlackjack,
    EqualTotals,
    HigherWithBlackjack,
    Higher,
    Lower,
};

// The settlement of a standing split hand: never a blackjack, so a 21 ties a dealer's 21 of three
// or more cards and loses to a dealer's blackjack.
enum class SplitSettlement { DealerBust, EqualDealerBlackjack, EqualTotals, Higher, Lower };

// `player` stood at 21 or less; `dealer` is the dealer's final hand.
Settlement SettleOrdinary(const HandValue& player, const HandValue& dealer);
SplitSettlement SettleSplit(const HandValue& hand, const HandValue& dealer);

Result ResultOf(Settlement settlement);
Result ResultOf(SplitSettlement settlement);
// A hand ended by the player's own card: a five-card win is paid as any other win, a bust is
// lost. Throws std::invalid_argument for AfterCard::PlayOn, which ends nothing.
Result ResultOf(AfterCard ending);

// What goes back into the stakes for `bet`: the bet and the win, the bet alone for a draw, nothing
// for a loss. A blackjack's win is rounded down to whole dollars.
Money Returned(Result result, Money bet, const Rules& rules);

// The gain or loss per unit bet: -1, 0, 1, or the blackjack payout.
double NetReturn(Result result, const Rules& rules);

// Insurance is offered when the dealer's face-up card is an ace.
bool InsuranceOffered(int dealerUpCardValue, const Rules& rules);

// Half the bet, rounded down.
Money InsuranceStake(Money bet);

// What a taken insurance bet gives back against the dealer's two cards: the stake and its win
// when they make a blackjack, nothing otherwise.
Money InsuranceReturned(Money insuranceStake, const HandValue& dealer, const Rules& rules);

// The gain or loss of insurance per unit of its stake, given the chance of a dealer blackjack.
double InsuranceNetReturn(double blackjackChance, const Rules& rules);

}  // namespace game::rules
