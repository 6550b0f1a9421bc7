#include "game/play/SettlementRules.h"

namespace game {

namespace {

constexpr int kAceHigh = 11;
constexpr int kAceLow = 1;
constexpr int kBustTotal = 22;
constexpr int kFiveCards = 5;
constexpr int kDealerStands = 17;

}  // namespace

Showdown CompareHands(HandStanding player, HandStanding dealer) {
    if (player.total == dealer.total) {
        if (player.blackJack && dealer.blackJack) {
            return Showdown::BothBlackJack;
        }
        if (player.blackJack) {
            return Showdown::OnlyPlayerBlackJack;
        }
        if (dealer.blackJack) {
            return Showdown::OnlyDealerBlackJack;
        }
        return Showdown::EqualTotals;
    }
    if (player.total > dealer.total) {
        return player.blackJack ? Showdown::PlayerHigherBlackJack : Showdown::PlayerHigher;
    }
    return Showdown::PlayerLower;
}

int ShowdownPayout(Showdown showdown) {
    switch (showdown) {
        case Showdown::OnlyPlayerBlackJack:
        case Showdown::PlayerHigherBlackJack:
            return 3;
        case Showdown::PlayerHigher:
            return 2;
        case Showdown::BothBlackJack:
        case Showdown::EqualTotals:
            return 1;
        case Showdown::OnlyDealerBlackJack:
        case Showdown::PlayerLower:
            return 0;
    }
    return 0;
}

HandResult ShowdownResult(Showdown showdown) {
    switch (showdown) {
        case Showdown::OnlyPlayerBlackJack:
        case Showdown::PlayerHigherBlackJack:
        case Showdown::PlayerHigher:
            return HandResult::PlayerWins;
        case Showdown::BothBlackJack:
        case Showdown::EqualTotals:
            return HandResult::Draw;
        case Showdown::OnlyDealerBlackJack:
        case Showdown::PlayerLower:
            return HandResult::DealerWins;
    }
    return HandResult::DealerWins;
}

int DealerBustPayout(bool playerBlackJack) {
    return playerBlackJack ? 3 : 2;
}

bool IsBust(int total) {
    return total >= kBustTotal;
}

bool WinsByFiveCards(int cardCount, int total) {
    return cardCount == kFiveCards && !IsBust(total);
}

bool DealerHits(int dealerTotal) {
    return dealerTotal < kDealerStands;
}

bool IsPair(int firstValue, int secondValue) {
    return firstValue == secondValue || IsAcePair(firstValue, secondValue);
}

bool IsAcePair(int firstValue, int secondValue) {
    return (firstValue == kAceHigh && secondValue == kAceLow) ||
           (firstValue == kAceLow && secondValue == kAceHigh);
}

}  // namespace game
