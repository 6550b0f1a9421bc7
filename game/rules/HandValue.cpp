#include "game/rules/HandValue.h"

#include <stdexcept>
#include <string>

namespace game::rules {

namespace {

constexpr int kBlackjack = 21;
constexpr int kDealerStands = 17;
constexpr int kFiveCards = 5;

}  // namespace

HandValue AddCard(HandValue hand, int cardValue) {
    if (cardValue < kLoweredAceValue || cardValue > kAceValue) {
        throw std::invalid_argument("no card has the value " + std::to_string(cardValue));
    }
    hand.cards += 1;
    if (IsAce(cardValue)) {
        hand.total += kAceValue;
        hand.softAces += 1;
    } else {
        hand.total += cardValue;
    }
    return ApplyAceRule(hand);
}

HandValue ApplyAceRule(HandValue hand) {
    while (hand.total > kBlackjack && hand.softAces > 0) {
        hand.total -= kAceValue - kLoweredAceValue;
        hand.softAces -= 1;
    }
    return hand;
}

bool IsAce(int cardValue) {
    return cardValue == kLoweredAceValue || cardValue == kAceValue;
}

bool SameValue(int first, int second) {
    return first == second || (IsAce(first) && IsAce(second));
}

bool IsBust(const HandValue& hand) {
    return hand.total > kBlackjack;
}

bool IsBlackjack(const HandValue& hand, HandKind kind) {
    return kind == HandKind::Ordinary && hand.cards == 2 && hand.total == kBlackjack;
}

bool IsFiveCardWin(const HandValue& hand, const Rules& rules) {
    return rules.fiveCards == FiveCardRule::WinsAtOnce && hand.cards == kFiveCards && !IsBust(hand);
}

AfterCard AfterPlayerCard(const HandValue& hand, const Rules& rules) {
    if (IsFiveCardWin(hand, rules)) {
        return AfterCard::FiveCardWin;
    }
    return IsBust(hand) ? AfterCard::Bust : AfterCard::PlayOn;
}

bool DealerDraws(const HandValue& dealer, const Rules& rules) {
    if (dealer.total < kDealerStands) {
        return true;
    }
    return dealer.total == kDealerStands && dealer.Soft() && rules.soft17 == Soft17::DealerHits;
}

}  // namespace game::rules
