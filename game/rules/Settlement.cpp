#include "game/rules/Settlement.h"

#include <stdexcept>

namespace game::rules {

Settlement SettleOrdinary(const HandValue& player, const HandValue& dealer) {
    const bool playerBlackjack = IsBlackjack(player, HandKind::Ordinary);
    const bool dealerBlackjack = IsBlackjack(dealer, HandKind::Ordinary);
    if (IsBust(dealer)) {
        return playerBlackjack ? Settlement::DealerBustPlayerBlackjack : Settlement::DealerBust;
    }
    if (player.total == dealer.total) {
        if (playerBlackjack && dealerBlackjack) {
            return Settlement::BothBlackjack;
        }
        if (playerBlackjack) {
            return Settlement::EqualPlayerBlackjack;
        }
        return dealerBlackjack ? Settlement::EqualDealerBlackjack : Settlement::EqualTotals;
    }
    if (player.total > dealer.total) {
        return playerBlackjack ? Settlement::HigherWithBlackjack : Settlement::Higher;
    }
    return Settlement::Lower;
}

SplitSettlement SettleSplit(const HandValue& hand, const HandValue& dealer) {
    if (IsBust(dealer)) {
        return SplitSettlement::DealerBust;
    }
    if (hand.total == dealer.total) {
        return IsBlackjack(dealer, HandKind::Ordinary) ? SplitSettlement::EqualDealerBlackjack
                                                       : SplitSettlement::EqualTotals;
    }
    return hand.total > dealer.total ? SplitSettlement::Higher : SplitSettlement::Lower;
}

Result ResultOf(Settlement settlement) {
    switch (settlement) {
        case Settlement::DealerBustPlayerBlackjack:
        case Settlement::EqualPlayerBlackjack:
        case Settlement::HigherWithBlackjack:
            return Result::BlackjackWin;
        case Settlement::DealerBust:
        case Settlement::Higher:
            return Result::Win;
        case Settlement::BothBlackjack:
        case Settlement::EqualTotals:
            return Result::Draw;
        case Settlement::EqualDealerBlackjack:
        case Settlement::Lower:
            return Result::Lose;
    }
    return Result::Lose;
}

Result ResultOf(SplitSettlement settlement) {
    switch (settlement) {
        case SplitSettlement::DealerBust:
        case SplitSettlement::Higher:
            return Result::Win;
        case SplitSettlement::EqualTotals:
            return Result::Draw;
        case SplitSettlement::EqualDealerBlackjack:
        case SplitSettlement::Lower:
            return Result::Lose;
    }
    return Result::Lose;
}

Result ResultOf(AfterCard ending) {
    switch (ending) {
        case AfterCard::FiveCardWin:
            return Result::Win;
        case AfterCard::Bust:
            return Result::Lose;
        case AfterCard::PlayOn:
            break;
    }
    throw std::invalid_argument("a hand that plays on has no result yet");
}

Money Returned(Result result, Money bet, const Rules& rules) {
    switch (result) {
        case Result::Lose:
            return 0;
        case Result::Draw:
            return bet;
        case Result::Win:
            return 2 * bet;
        case Result::BlackjackWin:
            return bet + bet * rules.blackjackPays.numerator / rules.blackjackPays.denominator;
    }
    return 0;
}

double NetReturn(Result result, const Rules& rules) {
    switch (result) {
        case Result::Lose:
            return -1.0;
        case Result::Draw:
            return 0.0;
        case Result::Win:
            return 1.0;
        case Result::BlackjackWin:
            return static_cast<double>(rules.blackjackPays.numerator) /
                   rules.blackjackPays.denominator;
    }
    return 0.0;
}

bool InsuranceOffered(int dealerUpCardValue, const Rules& rules) {
    return rules.insurance == InsuranceRule::Offered && IsAce(dealerUpCardValue);
}

Money InsuranceStake(Money bet) {
    return bet / 2;
}

Money InsuranceReturned(Money insuranceStake, const HandValue& dealer, const Rules& rules) {
    if (!IsBlackjack(dealer, HandKind::Ordinary)) {
        return 0;
    }
    return insuranceStake +
           insuranceStake * rules.insurancePays.numerator / rules.insurancePays.denominator;
}

double InsuranceNetReturn(double blackjackChance, const Rules& rules) {
    const double pays =
        static_cast<double>(rules.insurancePays.numerator) / rules.insurancePays.denominator;
    return blackjackChance * pays - (1.0 - blackjackChance);
}

}  // namespace game::rules
